#include "support/SystemTrayHost.h"

#include <QByteArray>
#include <QSocketNotifier>
#include <X11/Xlib.h>

namespace {
Display *dpy(void *display)
{
    return static_cast<Display *>(display);
}

// The tray protocol's opcode of a dock request.
constexpr long kRequestDock = 0;
} // namespace

SystemTrayHost::SystemTrayHost(QObject *parent)
    : QObject(parent)
{
}

SystemTrayHost::~SystemTrayHost()
{
    stop();
}

bool SystemTrayHost::start()
{
    if (m_display)
        return true;
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    const int screen = DefaultScreen(display);
    const Window root = RootWindow(display, screen);
    const QByteArray name = "_NET_SYSTEM_TRAY_S" + QByteArray::number(screen);
    const Atom selection = XInternAtom(display, name.constData(), False);
    if (XGetSelectionOwner(display, selection) != None) {
        XCloseDisplay(display);
        return false;
    }
    const Window window = XCreateSimpleWindow(display, root, 0, 0, 1, 1, 0, 0, 0);
    XSetSelectionOwner(display, selection, window, CurrentTime);
    if (XGetSelectionOwner(display, selection) != window) {
        XCloseDisplay(display);
        return false;
    }
    XEvent manager{};
    manager.xclient.type = ClientMessage;
    manager.xclient.window = root;
    manager.xclient.message_type = XInternAtom(display, "MANAGER", False);
    manager.xclient.format = 32;
    manager.xclient.data.l[0] = CurrentTime;
    manager.xclient.data.l[1] = long(selection);
    manager.xclient.data.l[2] = long(window);
    XSendEvent(display, root, False, StructureNotifyMask, &manager);
    m_opcode = XInternAtom(display, "_NET_SYSTEM_TRAY_OPCODE", False);
    XFlush(display);

    m_display = display;
    m_window = window;
    m_notifier = new QSocketNotifier(ConnectionNumber(display), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SystemTrayHost::readEvents);
    return true;
}

void SystemTrayHost::stop()
{
    if (!m_display)
        return;
    delete m_notifier;
    m_notifier = nullptr;
    XDestroyWindow(dpy(m_display), m_window);
    XCloseDisplay(dpy(m_display));
    m_display = nullptr;
    m_window = 0;
}

QList<unsigned long> SystemTrayHost::dockRequests()
{
    readEvents();
    return m_docked;
}

void SystemTrayHost::readEvents()
{
    if (!m_display)
        return;
    Display *display = dpy(m_display);
    while (XPending(display)) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == ClientMessage && event.xclient.window == m_window
            && event.xclient.message_type == m_opcode && event.xclient.data.l[1] == kRequestDock)
            m_docked << static_cast<unsigned long>(event.xclient.data.l[2]);
    }
}
