#include "form/DebugWindows.h"

#include "logging/QsLog.h"

namespace DebugWindows {

void openRecordVolumeDialog(QWidget *)
{
    // The recording volume window is not part of this build yet.
    QLOG_INFO() << "recording volume window not available yet";
}

} // namespace DebugWindows
