#pragma once

// The Qt::Key of a Windows virtual-key code; 0 when the code names no key we know.
int virtualKeyToQtKey(int virtualKey);

// The Windows virtual-key code of a Qt::Key; 0 when no key of the table gives it. A key both
// keyboards have is the main keyboard's unless numberPad asks for the number pad's.
int qtKeyToVirtualKey(int qtKey, bool numberPad = false);

// The key that Shift turns into this symbol on the US layout ("!" is Shift+1); the key
// itself when Shift makes no other symbol of it. The key listener hears keys by their
// unshifted symbol, so a recorded combination is stored the same way.
int unshiftedQtKey(int qtKey);
