#include "platform/X11KeyboardListener.h"

#include "logging/QsLog.h"
#include "platform/IOsHelper.h"
#include "platform/VirtualKeys.h"
#include "platform/X11KeySymTable.h"
#include "util/LibraryFunction.h"

#include <QFutureWatcher>
#include <QSocketNotifier>
#include <QtConcurrent/QtConcurrentRun>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

namespace {

Display *dpy(void *p)
{
    return static_cast<Display *>(p);
}

} // namespace

X11KeyboardListener::X11KeyboardListener(QObject *parent)
    : QObject(parent)
{
}

X11KeyboardListener::~X11KeyboardListener()
{
    // A connection still being made is closed once it is.
    if (m_starting) {
        m_opening.waitForFinished();
        if (void *display = m_opening.result().display)
            XCloseDisplay(dpy(display));
    }
    stop();
}

namespace {

// libXi is loaded with the listener's own display, on the pool thread, not with the program.
struct XInput
{
    Status (*queryVersion)(Display *, int *, int *) = nullptr;
    int (*selectEvents)(Display *, Window, XIEventMask *, int) = nullptr;
};

const XInput &xInput()
{
    static const XInput loaded = [] {
        XInput xi;
        QLibrary library(QStringLiteral("Xi"), 6);
        if (!library.load())
            return xi;
        const bool found = LibraryFunction::resolve(library, xi.queryVersion, "XIQueryVersion")
            && LibraryFunction::resolve(library, xi.selectEvents, "XISelectEvents");
        return found ? xi : XInput();
    }();
    return loaded;
}

// On a pool thread: a Display of our own with raw key events selected.
X11KeyboardListener::Opened openDisplay()
{
    X11KeyboardListener::Opened result;
    const XInput &xi = xInput();
    if (!xi.queryVersion) {
        result.failure = QStringLiteral("key listener: the XInput library (libXi) cannot be loaded");
        return result;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        result.failure = QStringLiteral("key listener: cannot open the X display %1").arg(qEnvironmentVariable("DISPLAY"));
        return result;
    }
    int event = 0;
    int error = 0;
    // 2.1 or later delivers raw events even while another client grabs the keyboard.
    int major = 2;
    int minor = 2;
    if (!XQueryExtension(display, "XInputExtension", &result.xiOpcode, &event, &error)
        || xi.queryVersion(display, &major, &minor) != Success) {
        XCloseDisplay(display);
        result.failure = QStringLiteral("key listener: the X server has no XInput2");
        return result;
    }
    // Raw events of the master keyboards: each key once, whichever slave sent it (XTest included),
    // and delivered even while another client grabs the keyboard.
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_RawKeyPress);
    XISetMask(bits, XI_RawKeyRelease);
    XIEventMask mask;
    mask.deviceid = XIAllMasterDevices;
    mask.mask_len = sizeof(bits);
    mask.mask = bits;
    xi.selectEvents(display, DefaultRootWindow(display), &mask, 1);
    XSync(display, False);
    result.display = display;
    result.major = major;
    result.minor = minor;
    return result;
}

} // namespace

bool X11KeyboardListener::start()
{
    if (m_display || isStarting())
        return true;
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        QLOG_WARN() << "key listener: no X display, global shortcuts are off";
        return false;
    }
    // The second connection costs round trips to the server: made meanwhile on a pool thread,
    // so that the start does not wait for it.
    auto *watcher = new QFutureWatcher<Opened>(this);
    m_starting = true;
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] {
        m_starting = false;
        watcher->deleteLater();
        opened(watcher->result());
    });
    m_opening = QtConcurrent::run(openDisplay);
    watcher->setFuture(m_opening);
    return true;
}

void X11KeyboardListener::opened(const Opened &result)
{
    if (!result.display) {
        QLOG_WARN() << result.failure;
        return;
    }
    m_display = result.display;
    m_xiOpcode = result.xiOpcode;
    m_notifier = new QSocketNotifier(ConnectionNumber(dpy(m_display)), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &X11KeyboardListener::readEvents);
    QLOG_INFO() << "key listener started, XInput" << result.major << "." << result.minor;
    // Keys pressed since the selection reached the server are waiting already.
    readEvents();
    emit started();
}

void X11KeyboardListener::stop()
{
    delete m_notifier;
    m_notifier = nullptr;
    if (m_display) {
        XCloseDisplay(dpy(m_display));
        m_display = nullptr;
    }
}

void X11KeyboardListener::readEvents()
{
    Display *display = dpy(m_display);
    if (!display)
        return;
    // XPending reads the socket; events read during a round trip below stay queued, so keep
    // going until the queue is empty rather than waiting for the socket again.
    while (m_display && XPending(display) > 0) {
        XEvent ev;
        XNextEvent(display, &ev);
        XGenericEventCookie *cookie = &ev.xcookie;
        if (cookie->type != GenericEvent || cookie->extension != m_xiOpcode
            || !XGetEventData(display, cookie))
            continue;
        if (cookie->evtype == XI_RawKeyPress || cookie->evtype == XI_RawKeyRelease) {
            const auto *raw = static_cast<const XIRawEvent *>(cookie->data);
            const int keycode = raw->detail;
            const bool press = cookie->evtype == XI_RawKeyPress;
            XFreeEventData(display, cookie);
            handleRawKey(keycode, press);
        } else {
            XFreeEventData(display, cookie);
        }
    }
}

int X11KeyboardListener::virtualKeyOf(int keycode)
{
    Display *display = dpy(m_display);
    // The code a key gives depends on the layout group in use, as Windows codes follow the layout.
    XkbStateRec state;
    int group = 0;
    if (XkbGetState(display, XkbUseCoreKbd, &state) == Success)
        group = state.group;
    int vk = X11KeySymTable::virtualKeyOf(XkbKeycodeToKeysym(display, KeyCode(keycode), group, 0));
    // A group without Latin letters (Cyrillic, Greek) has no code for them; Windows then names
    // the key by its Latin letter, which another group of the same key gives.
    for (int other = 0; vk == 0 && other < XkbNumKbdGroups; ++other) {
        if (other != group)
            vk = X11KeySymTable::virtualKeyOf(XkbKeycodeToKeysym(display, KeyCode(keycode), other, 0));
    }
    return vk;
}

void X11KeyboardListener::handleRawKey(int keycode, bool press)
{
    const int vk = virtualKeyOf(keycode);

    // Modifiers as held before this key, as a Windows hook sees the key state.
    int modifiers = 0;
    if (!m_ctrlDown.isEmpty())
        modifiers |= IOsHelper::CtrlModifier;
    if (!m_altDown.isEmpty())
        modifiers |= IOsHelper::AltModifier;
    if (!m_shiftDown.isEmpty())
        modifiers |= IOsHelper::ShiftModifier;

    QSet<int> *kind = nullptr;
    switch (vk) {
    case VirtualKeys::VK_LCONTROL:
    case VirtualKeys::VK_RCONTROL:
        kind = &m_ctrlDown;
        break;
    case VirtualKeys::VK_LMENU:
    case VirtualKeys::VK_RMENU:
        kind = &m_altDown;
        break;
    case VirtualKeys::VK_LSHIFT:
    case VirtualKeys::VK_RSHIFT:
        kind = &m_shiftDown;
        break;
    default:
        break;
    }
    if (kind) {
        if (press)
            kind->insert(keycode);
        else
            kind->remove(keycode);
    }
    if (vk == 0)
        return;

    // Windows reports keys typed with Alt held, Alt itself and F10 as system keys.
    const bool system = (modifiers & IOsHelper::AltModifier) || kind == &m_altDown
                        || vk == VirtualKeys::VK_F10;
    int message;
    if (press)
        message = system ? IOsHelper::WM_SYSKEYDOWN : IOsHelper::WM_KEYDOWN;
    else
        message = system ? IOsHelper::WM_SYSKEYUP : IOsHelper::WM_KEYUP;
    emit keyEvent(message, vk, modifiers);
}
