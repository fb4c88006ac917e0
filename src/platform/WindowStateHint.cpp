#include "platform/WindowStateHint.h"

#include <QWindow>
#include <QX11Info>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace WindowStateHint {

void mapNormally(QWindow *window)
{
    if (!window || !window->handle() || !QX11Info::isPlatformX11())
        return;
    Display *display = QX11Info::display();
    if (!display)
        return;
    const Window id = Window(window->winId());
    XWMHints *hints = XGetWMHints(display, id);
    if (!hints)
        return;
    if ((hints->flags & StateHint) && hints->initial_state == IconicState) {
        hints->initial_state = NormalState;
        XSetWMHints(display, id, hints);
        // Qt's map request goes through its own queue: the hint must be there before it.
        XFlush(display);
    }
    XFree(hints);
}

} // namespace WindowStateHint
