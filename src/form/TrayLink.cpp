#include "form/TrayLink.h"

#include "form/MainWindow.h"
#include "logging/QsLog.h"
#include "platform/SystemTrayWatcher.h"
#include "platform/WindowManagerProbe.h"

#include <QMenu>

TrayLink *TrayLink::of(QWidget *window)
{
    if (!window)
        return nullptr;
    if (auto *link = window->findChild<TrayLink *>(QString(), Qt::FindDirectChildrenOnly))
        return link;
    return new TrayLink(window);
}

TrayLink::TrayLink(QWidget *window)
    : QObject(window)
    , m_window(window)
    , m_watcher(new SystemTrayWatcher(this))
{
    connect(m_watcher, &SystemTrayWatcher::changed, this, &TrayLink::follow);
}

void TrayLink::offerExitIn(QMenu *settingsMenu, QAction *exit)
{
    m_settingsMenu = settingsMenu;
    m_exit = exit;
    // Called while the window is being built for showing: only the menu is matched here.
    showExit(!MainWindow::trayAvailable());
}

bool TrayLink::standInForTray()
{
    if (!WindowManagerProbe::isRunning()) {
        m_window->show();
        return false;
    }
    m_window->showMinimized();
    m_waitsForTray = true;
    return true;
}

void TrayLink::follow()
{
    const bool tray = MainWindow::trayAvailable();
    if (m_settingsMenu && m_exit)
        showExit(!tray);
    if (tray && m_waitsForTray) {
        m_waitsForTray = false;
        if (m_window->isMinimized())
            m_window->hide();
    } else if (!tray && m_window->isHidden()) {
        // Hidden without a tray, the program could be neither reached nor ended.
        QLOG_WARN() << "the system tray went: the window comes out of it";
        standInForTray();
    }
}

void TrayLink::showExit(bool show)
{
    if (!m_settingsMenu || !m_exit || show == !m_separator.isNull())
        return;
    // The exit is the tray menu's own action: it is taken out of this menu, not hidden.
    if (show) {
        m_separator = m_settingsMenu->addSeparator();
        m_settingsMenu->addAction(m_exit);
    } else {
        m_settingsMenu->removeAction(m_exit);
        delete m_separator.data();
    }
}
