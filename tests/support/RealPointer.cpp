#include "support/RealPointer.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace RealPointer {

bool click(const QPoint &globalPosition)
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    int event = 0, error = 0, major = 0, minor = 0;
    const bool xtest = XTestQueryExtension(display, &event, &error, &major, &minor);
    if (xtest) {
        XTestFakeMotionEvent(display, DefaultScreen(display), globalPosition.x(), globalPosition.y(), CurrentTime);
        XTestFakeButtonEvent(display, Button1, True, CurrentTime);
        XTestFakeButtonEvent(display, Button1, False, CurrentTime);
        XSync(display, False);
    }
    XCloseDisplay(display);
    return xtest;
}

} // namespace RealPointer
