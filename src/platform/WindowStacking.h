#pragma once

#include <QVector>
#include <QtGui/qwindowdefs.h>

class QWindow;

// The order in which the X server shows the top-level windows, and the hint that keeps a
// dialog above the window it belongs to.
namespace WindowStacking {
// The top-level windows, bottom first: the window manager's _NET_CLIENT_LIST_STACKING, or
// without a window manager the root window's children. Empty off X11.
QVector<WId> bottomToTop();
// Writes the shown window's WM_TRANSIENT_FOR again, unchanged. A window manager drops the tie
// while the parent is withdrawn (hidden into the tray) and does not look for it again when the
// parent is mapped anew; the rewritten hint makes it read the tie again, and keep the dialog
// above its parent from then on. Call it after the parent's show. Does nothing off X11, before
// the window has its native window, or for a window without the hint.
void renewTransientFor(QWindow *window);
} // namespace WindowStacking
