#pragma once

#include <QObject>

// Tells when a system tray comes or goes: a panel started after the program (at login) brings
// one, a panel that ends takes it along. Qt's X11 platform already watches the tray for the
// tray icon (who owns the tray selection, the MANAGER message a new tray sends, the destruction
// of the tray's window); this passes its word on, so that watching costs no X round trip and
// can start with the program. Does nothing off X11.
class SystemTrayWatcher : public QObject
{
    Q_OBJECT
public:
    explicit SystemTrayWatcher(QObject *parent = nullptr);

signals:
    // A tray came or went. Queued behind Qt's own notice, so that Qt's tray code (the icon's
    // docking among it) has taken it: QSystemTrayIcon::isSystemTrayAvailable() then tells the
    // new state.
    void changed();

private slots:
    void trayWindowChanged();
};
