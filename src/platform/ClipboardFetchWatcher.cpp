#include "platform/ClipboardFetchWatcher.h"

#include <QCoreApplication>
#include <QX11Info>
#include <X11/Xlib.h>
#include <xcb/xproto.h>

ClipboardFetchWatcher *ClipboardFetchWatcher::instance()
{
    static ClipboardFetchWatcher *watcher = new ClipboardFetchWatcher;
    return watcher;
}

ClipboardFetchWatcher::ClipboardFetchWatcher()
    : QObject(QCoreApplication::instance())
{
    if (!QCoreApplication::instance() || !QX11Info::isPlatformX11() || !QX11Info::display())
        return;
    Display *display = QX11Info::display();
    // Requests for the last four only ask what the clipboard holds, not the text itself.
    // One round trip for all five names: the watcher is made while the program starts.
    char *names[] = {const_cast<char *>("CLIPBOARD"), const_cast<char *>("TARGETS"), const_cast<char *>("TIMESTAMP"),
                     const_cast<char *>("MULTIPLE"), const_cast<char *>("SAVE_TARGETS")};
    Atom atoms[5] = {};
    if (!XInternAtoms(display, names, 5, False, atoms))
        return;
    m_clipboard = atoms[0];
    for (int i = 0; i < 4; ++i)
        m_metaTargets[i] = atoms[i + 1];
    QCoreApplication::instance()->installNativeEventFilter(this);
    m_watching = true;
}

bool ClipboardFetchWatcher::nativeEventFilter(const QByteArray &eventType, void *message, long *)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & ~0x80) != XCB_SELECTION_REQUEST)
        return false;
    const auto *request = static_cast<const xcb_selection_request_event_t *>(message);
    if (request->selection != m_clipboard)
        return false;
    for (unsigned long meta : m_metaTargets) {
        if (request->target == meta)
            return false;
    }
    // Queued: Qt answers the request once this filter returns.
    QMetaObject::invokeMethod(this, &ClipboardFetchWatcher::textFetched, Qt::QueuedConnection);
    return false;
}
