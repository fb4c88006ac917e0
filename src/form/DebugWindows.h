#pragma once

class QWidget;

// Windows that only the debug menu opens.
namespace DebugWindows {
// A free recording volume window over the main window.
void openRecordVolumeDialog(QWidget *mainWindow);
} // namespace DebugWindows
