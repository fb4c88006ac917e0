#pragma once

// The Qt::Key of a Windows virtual-key code; 0 when the code names no key we know.
int virtualKeyToQtKey(int virtualKey);
