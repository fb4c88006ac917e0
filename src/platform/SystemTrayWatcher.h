#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

// Tells when a system tray comes or goes: a panel started after the program (at login) brings
// one, a panel that ends takes it along. Reads X events that Qt's own connection receives: the
// MANAGER message a new tray sends to the root window, and the destruction of the tray's
// window; nothing is asked while nothing changes. Does nothing off X11.
class SystemTrayWatcher : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT
public:
    explicit SystemTrayWatcher(QObject *parent = nullptr);
    ~SystemTrayWatcher() override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, long *result) override;

signals:
    // A tray came or went. Queued behind the X event, so that Qt's own tray code has taken it
    // too: QSystemTrayIcon::isSystemTrayAvailable() then tells the new state.
    void changed();

private:
    // Follows the tray whose window this is (0: none) until its window goes.
    void watch(unsigned long trayWindow);

    bool m_watching = false;
    unsigned long m_selection = 0; // Atom of the tray's selection on the program's screen
    unsigned long m_manager = 0;   // Atom "MANAGER"
    unsigned long m_tray = 0;      // Window of the tray now running
};
