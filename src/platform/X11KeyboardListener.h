#pragma once

#include <QFuture>
#include <QObject>
#include <QSet>
#include <QString>

class QSocketNotifier;

// Hears every key press and release on the X display, whichever window has the focus, as
// Windows-style key messages. Reads XInput2 raw key events through a Display of its own, so
// keys are only observed, never grabbed or swallowed. Runs on the thread that creates it.
class X11KeyboardListener : public QObject
{
    Q_OBJECT
public:
    explicit X11KeyboardListener(QObject *parent = nullptr);
    ~X11KeyboardListener() override;

    // Connects to $DISPLAY and starts listening; false (and logged) when there is no display.
    // The connection and its XInput2 set-up are made on a pool thread: the listener runs once
    // that is done (started()), or logs why it cannot (an X server without XInput2).
    bool start();
    bool isRunning() const { return m_display != nullptr; }
    bool isStarting() const { return m_starting; }

    struct Opened {
        void *display = nullptr;
        int xiOpcode = 0;
        int major = 0;
        int minor = 0;
        QString failure;
    };

signals:
    void started();
    // message: WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN or WM_SYSKEYUP; modifiers: the IOsHelper
    // modifier bits of the modifier keys held before this key.
    void keyEvent(int message, int virtualKey, int modifiers);

private:
    void readEvents();
    void handleRawKey(int keycode, bool press);
    int virtualKeyOf(int keycode);
    void stop();
    void opened(const Opened &result);

    void *m_display = nullptr; // Display*, kept opaque so no X11 header leaks out
    int m_xiOpcode = 0;
    QSocketNotifier *m_notifier = nullptr;
    QFuture<Opened> m_opening;
    bool m_starting = false; // from start() until the connection's result is taken
    // Key codes of the modifier keys now down, by kind; two Ctrl keys may be held at once.
    QSet<int> m_ctrlDown;
    QSet<int> m_altDown;
    QSet<int> m_shiftDown;
};
