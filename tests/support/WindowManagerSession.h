#pragma once

#include <QProcess>
#include <QString>

// A window manager (openbox) on the test's X display, for tests that minimise, raise or
// activate windows as a desktop does. Ended by stop() or with the object.
class WindowManagerSession
{
public:
    ~WindowManagerSession() { stop(); }

    // Starts openbox unless this session already runs it; empty once it manages the display,
    // else why it does not.
    QString start();
    void stop();

private:
    QProcess m_process;
};
