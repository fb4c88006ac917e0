#include "platform/WindowManagerProbe.h"

#include <QX11Info>
#include <X11/Xlib.h>

namespace WindowManagerProbe {

bool isRunning()
{
    if (!QX11Info::isPlatformX11())
        return false;
    Display *display = QX11Info::display();
    if (!display)
        return false;
    // Only one client can hold SubstructureRedirect on the root: the window manager.
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display, DefaultRootWindow(display), &attributes))
        return false;
    return (attributes.all_event_masks & SubstructureRedirectMask) != 0;
}

} // namespace WindowManagerProbe
