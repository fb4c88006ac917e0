#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QMenu;
class QWidget;
class SystemTrayWatcher;

// Follows the system tray from the start, as it comes (a panel started later at login) and goes
// (a panel that ends): while there is none, the settings menu offers the exit that only the tray
// menu has otherwise, and a window that lived in the tray stands minimised until the next tray
// takes it back.
class TrayLink : public QObject
{
    Q_OBJECT
public:
    // The link of the main window (made on first call, a child of it).
    static TrayLink *of(QWidget *window);

    // Shows the exit at the end of the settings menu whenever there is no tray.
    void offerExitIn(QMenu *settingsMenu, QAction *exit);
    // Brings out the window that has no tray to live in: minimised where a window manager can
    // restore it, and then the first tray to come takes it back unless the user has restored it
    // meanwhile; without a window manager it is shown. True when it stands minimised.
    bool standInForTray();

private:
    explicit TrayLink(QWidget *window);
    // Matches the window and the settings menu to the tray there is now.
    void follow();
    void showExit(bool show);

    QWidget *m_window;
    SystemTrayWatcher *m_watcher;
    QPointer<QMenu> m_settingsMenu;
    QPointer<QAction> m_separator;
    QAction *m_exit = nullptr;
    bool m_waitsForTray = false;
};
