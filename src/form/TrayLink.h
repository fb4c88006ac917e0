#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QMenu;
class QWidget;
class SystemTrayWatcher;

// Follows a system tray that comes after the start (a panel started later at login) or goes:
// while there is none, the settings menu offers the exit that only the tray menu has otherwise;
// a hidden start that had to leave the window minimised for want of a tray goes into the tray
// once one comes.
class TrayLink : public QObject
{
    Q_OBJECT
public:
    // The link of the main window (made on first call, a child of it).
    static TrayLink *of(QWidget *window);

    // Shows the exit at the end of the settings menu whenever there is no tray.
    void offerExitIn(QMenu *settingsMenu, QAction *exit);
    // The window stands minimised in place of a hidden start: the first tray to come takes it,
    // unless the user has restored it meanwhile.
    void hideIntoComingTray();

private:
    explicit TrayLink(QWidget *window);
    void follow();
    void showExit(bool show);

    QWidget *m_window;
    SystemTrayWatcher *m_watcher;
    QPointer<QMenu> m_settingsMenu;
    QPointer<QAction> m_separator;
    QAction *m_exit = nullptr;
    bool m_hiddenStartWaits = false;
};
