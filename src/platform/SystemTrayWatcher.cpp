#include "platform/SystemTrayWatcher.h"

#include <QCoreApplication>
#include <QX11Info>
#include <X11/Xlib.h>
#include <xcb/xproto.h>

SystemTrayWatcher::SystemTrayWatcher(QObject *parent)
    : QObject(parent)
{
    if (!QCoreApplication::instance() || !QX11Info::isPlatformX11() || !QX11Info::display())
        return;
    Display *display = QX11Info::display();
    // The tray manager owns this selection, one per screen.
    const QByteArray selection = "_NET_SYSTEM_TRAY_S" + QByteArray::number(QX11Info::appScreen());
    char *names[] = {const_cast<char *>(selection.constData()), const_cast<char *>("MANAGER")};
    Atom atoms[2] = {};
    if (!XInternAtoms(display, names, 2, False, atoms))
        return;
    m_selection = atoms[0];
    m_manager = atoms[1];
    // Qt's connection already hears the root window's structure events, MANAGER among them.
    QCoreApplication::instance()->installNativeEventFilter(this);
    m_watching = true;
    watch(XGetSelectionOwner(display, m_selection));
}

SystemTrayWatcher::~SystemTrayWatcher()
{
    if (m_watching && QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

void SystemTrayWatcher::watch(unsigned long trayWindow)
{
    m_tray = trayWindow;
    if (!m_tray)
        return;
    Display *display = QX11Info::display();
    XSelectInput(display, m_tray, StructureNotifyMask);
    // A tray that went before it was watched sends no destruction: it is no longer the owner.
    if (XGetSelectionOwner(display, m_selection) != m_tray)
        m_tray = 0;
}

bool SystemTrayWatcher::nativeEventFilter(const QByteArray &eventType, void *message, long *)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    bool trayChanged = false;
    switch (event->response_type & ~0x80) {
    case XCB_CLIENT_MESSAGE: {
        const auto *announcement = static_cast<const xcb_client_message_event_t *>(message);
        if (announcement->type == m_manager && announcement->format == 32
            && announcement->data.data32[1] == m_selection) {
            watch(announcement->data.data32[2]);
            trayChanged = true;
        }
        break;
    }
    case XCB_DESTROY_NOTIFY: {
        const auto *destroyed = static_cast<const xcb_destroy_notify_event_t *>(message);
        if (m_tray && destroyed->window == m_tray) {
            m_tray = 0;
            trayChanged = true;
        }
        break;
    }
    default:
        break;
    }
    if (trayChanged)
        QMetaObject::invokeMethod(this, &SystemTrayWatcher::changed, Qt::QueuedConnection);
    return false;
}
