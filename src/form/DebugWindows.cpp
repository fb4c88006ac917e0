#include "form/DebugWindows.h"

#include "form/dialog/RecordVolumeDialog.h"

namespace DebugWindows {

void openRecordVolumeDialog(QWidget *mainWindow)
{
    auto *dialog = new RecordVolumeDialog(mainWindow);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

} // namespace DebugWindows
