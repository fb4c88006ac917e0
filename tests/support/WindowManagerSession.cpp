#include "support/WindowManagerSession.h"

#include "platform/WindowManagerProbe.h"

#include <QStandardPaths>
#include <QTest>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

QString WindowManagerSession::start()
{
    if (m_process.state() != QProcess::NotRunning)
        return QString();
    if (WindowManagerProbe::isRunning())
        return QStringLiteral("another window manager runs on this display");
    const QString openbox = QStandardPaths::findExecutable(QStringLiteral("openbox"));
    if (openbox.isEmpty())
        return QStringLiteral("openbox is missing: run scripts/deps.sh --test");
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(openbox, {QStringLiteral("--sm-disable")});
    if (!m_process.waitForStarted())
        return QStringLiteral("openbox did not start");
    if (!QTest::qWaitFor([] { return WindowManagerProbe::isRunning(); }, 10000))
        return QStringLiteral("openbox does not manage the display");
    return QString();
}

void WindowManagerSession::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000))
        m_process.kill();
}

bool WindowManagerSession::isIconic(WId window)
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    const Atom wmState = XInternAtom(display, "WM_STATE", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char *data = nullptr;
    bool iconic = false;
    if (XGetWindowProperty(display, Window(window), wmState, 0, 2, False, wmState, &type, &format, &count, &after, &data)
            == Success
        && data) {
        iconic = format == 32 && count >= 1 && reinterpret_cast<long *>(data)[0] == IconicState;
        XFree(data);
    }
    XCloseDisplay(display);
    return iconic;
}

void WindowManagerSession::activateFromTaskBar(WId window)
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = Window(window);
    event.xclient.message_type = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 2; // from a pager or task bar, which the window manager obeys
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XCloseDisplay(display); // sends what is queued
}

QVector<WId> WindowManagerSession::stackingOrder()
{
    QVector<WId> order;
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return order;
    const Atom stacking = XInternAtom(display, "_NET_CLIENT_LIST_STACKING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char *data = nullptr;
    if (XGetWindowProperty(display, DefaultRootWindow(display), stacking, 0, 4096, False, XA_WINDOW, &type, &format,
                           &count, &after, &data)
            == Success
        && data) {
        if (format == 32) {
            const auto *windows = reinterpret_cast<const unsigned long *>(data);
            for (unsigned long i = 0; i < count; ++i)
                order << WId(windows[i]);
        }
        XFree(data);
    }
    XCloseDisplay(display);
    return order;
}

QPoint WindowManagerSession::position(WId window)
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return {};
    int x = 0;
    int y = 0;
    Window child = 0;
    XTranslateCoordinates(display, Window(window), DefaultRootWindow(display), 0, 0, &x, &y, &child);
    XCloseDisplay(display);
    return {x, y};
}

void WindowManagerSession::moveAsUser(WId window, const QPoint &to)
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return;
    XMoveWindow(display, Window(window), to.x(), to.y());
    XCloseDisplay(display);
}
