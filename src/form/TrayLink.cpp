#include "form/TrayLink.h"

#include "form/MainWindow.h"
#include "platform/SystemTrayWatcher.h"

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
    follow();
}

void TrayLink::hideIntoComingTray()
{
    m_hiddenStartWaits = true;
}

void TrayLink::follow()
{
    const bool tray = MainWindow::trayAvailable();
    if (m_settingsMenu && m_exit)
        showExit(!tray);
    if (tray && m_hiddenStartWaits) {
        m_hiddenStartWaits = false;
        if (m_window->isMinimized())
            m_window->hide();
    }
}

void TrayLink::showExit(bool show)
{
    if (show == !m_separator.isNull())
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
