#pragma once

class QWindow;

// The state a top-level window asks the window manager for when it is mapped (the initial state
// of its WM_HINTS).
namespace WindowStateHint {
// Makes the window's next map a normal one. Qt writes the hint only when it changes the window's
// state itself: after a minimise that the window manager undid (a task bar's restore), the stale
// iconic hint would map the window minimised again the next time it is shown. Does nothing off
// X11 or before the window has its native window.
void mapNormally(QWindow *window);
} // namespace WindowStateHint
