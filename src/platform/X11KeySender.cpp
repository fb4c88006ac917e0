#include "platform/X11KeySender.h"

#include "logging/QsLog.h"
#include "platform/X11KeySymTable.h"
#include "util/LibraryFunction.h"


#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace {

Display *dpy(void *p)
{
    return static_cast<Display *>(p);
}

// XTest is loaded with the first key sent: a start that types nothing does not load it.
struct XTestCalls {
    decltype(&XTestQueryExtension) queryExtension = nullptr;
    decltype(&XTestFakeKeyEvent) fakeKeyEvent = nullptr;
};

const XTestCalls &xtest()
{
    static const XTestCalls calls = [] {
        XTestCalls c;
        QLibrary library(QStringLiteral("Xtst"), 6);
        if (!LibraryFunction::resolve(library, c.queryExtension, "XTestQueryExtension")
            || !LibraryFunction::resolve(library, c.fakeKeyEvent, "XTestFakeKeyEvent")) {
            QLOG_WARN() << "key sender: cannot load XTest:" << library.errorString();
            c = XTestCalls();
        }
        return c;
    }();
    return calls;
}

} // namespace

X11KeySender::~X11KeySender()
{
    if (m_display)
        XCloseDisplay(dpy(m_display));
}

bool X11KeySender::open()
{
    if (m_display)
        return true;
    if (m_failed)
        return false;
    m_failed = true; // say it once; a display that is missing now will stay missing
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        QLOG_WARN() << "key sender: no X display, keys cannot be simulated";
        return false;
    }
    if (!xtest().queryExtension)
        return false;
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        QLOG_WARN() << "key sender: cannot open the X display" << qgetenv("DISPLAY");
        return false;
    }
    int event = 0, error = 0, major = 0, minor = 0;
    if (!xtest().queryExtension(display, &event, &error, &major, &minor)) {
        QLOG_WARN() << "key sender: the X server has no XTEST";
        XCloseDisplay(display);
        return false;
    }
    m_display = display;
    m_failed = false;
    return true;
}

int X11KeySender::keycodeOf(int virtualKey, int group)
{
    Display *display = dpy(m_display);
    int minCode = 0, maxCode = 0;
    XDisplayKeycodes(display, &minCode, &maxCode);
    const QVector<unsigned long> syms = X11KeySymTable::keysymsOf(virtualKey);
    // First the symbols of the group in use, unshifted before shifted; the key itself is what
    // counts (a letter key gives its capital with Shift, which the caller presses if it wants).
    for (int level = 0; level < 2; ++level) {
        for (unsigned long sym : syms) {
            for (int code = minCode; code <= maxCode; ++code) {
                if (XkbKeycodeToKeysym(display, KeyCode(code), group, level) == sym)
                    return code;
            }
        }
    }
    // The group may lack the symbol (a Cyrillic group has no 'v'); any key giving it will do.
    for (unsigned long sym : syms) {
        if (const KeyCode code = XKeysymToKeycode(display, sym))
            return code;
    }
    return 0;
}

int X11KeySender::send(const QVector<KeyRecord> &records)
{
    if (records.isEmpty() || !open())
        return 0;
    Display *display = dpy(m_display);
    XkbStateRec state;
    int group = 0;
    if (XkbGetState(display, XkbUseCoreKbd, &state) == Success)
        group = state.group;
    int sent = 0;
    for (const KeyRecord &r : records) {
        const int code = keycodeOf(r.virtualKey, group);
        if (code == 0) {
            QLOG_WARN() << "key sender: no key for virtual key" << Qt::hex << r.virtualKey;
            continue;
        }
        if (xtest().fakeKeyEvent(display, unsigned(code), r.release ? False : True, CurrentTime))
            ++sent;
    }
    // Make sure the server has them before the caller goes on (e.g. changes the clipboard).
    XSync(display, False);
    return sent;
}
