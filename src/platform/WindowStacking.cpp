#include "platform/WindowStacking.h"

#include <QWindow>
#include <QX11Info>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace WindowStacking {

QVector<WId> bottomToTop()
{
    QVector<WId> order;
    if (!QX11Info::isPlatformX11())
        return order;
    Display *display = QX11Info::display();
    if (!display)
        return order;
    const Window root = DefaultRootWindow(display);
    const Atom stacking = XInternAtom(display, "_NET_CLIENT_LIST_STACKING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char *data = nullptr;
    if (XGetWindowProperty(display, root, stacking, 0, 4096, False, XA_WINDOW, &type, &format, &count, &after, &data)
            == Success
        && data) {
        if (format == 32) {
            const auto *windows = reinterpret_cast<const unsigned long *>(data);
            for (unsigned long i = 0; i < count; ++i)
                order << WId(windows[i]);
        }
        XFree(data);
    }
    if (!order.isEmpty())
        return order;
    // Without a window manager the program's windows are the root's own children.
    Window rootReturn = 0;
    Window parent = 0;
    Window *children = nullptr;
    unsigned int childCount = 0;
    if (XQueryTree(display, root, &rootReturn, &parent, &children, &childCount)) {
        for (unsigned int i = 0; i < childCount; ++i)
            order << WId(children[i]);
        if (children)
            XFree(children);
    }
    return order;
}

void renewTransientFor(QWindow *window)
{
    if (!window || !window->handle() || !QX11Info::isPlatformX11())
        return;
    Display *display = QX11Info::display();
    if (!display)
        return;
    const Window id = Window(window->winId());
    Window parent = 0;
    if (!XGetTransientForHint(display, id, &parent) || !parent)
        return;
    XSetTransientForHint(display, id, parent);
    // Qt and Xlib share the connection, so the parent's map asked for before goes out first.
    XFlush(display);
}

} // namespace WindowStacking
