#pragma once

#include <QPoint>
#include <QProcess>
#include <QString>
#include <QVector>
#include <QtGui/qwindowdefs.h>

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

    // Whether the window manager keeps the window iconic (its WM_STATE), whatever Qt believes.
    static bool isIconic(WId window);
    // Asks the window manager to bring the window forward as a task bar's click does
    // (_NET_ACTIVE_WINDOW from a pager): an iconic window is restored behind the program's back.
    static void activateFromTaskBar(WId window);
    // The managed windows as the window manager stacks them, bottom first
    // (_NET_CLIENT_LIST_STACKING on the root window).
    static QVector<WId> stackingOrder();
    // Where the window's top-left corner is on the screen, as the X server has it.
    static QPoint position(WId window);
    // Moves the window from another client, as the user's drag through the window manager
    // does: the program itself never asked for the place.
    static void moveAsUser(WId window, const QPoint &to);

private:
    QProcess m_process;
};
