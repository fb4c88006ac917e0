#pragma once

#include <QList>
#include <QObject>

class QSocketNotifier;

// A system tray on the test's X display, as a panel brings one: owns the tray selection of the
// default screen, announces itself to the clients with the MANAGER message, and notes the
// windows that ask to be docked (it does not embed them). Works on an X connection of its own.
class SystemTrayHost : public QObject
{
    Q_OBJECT
public:
    explicit SystemTrayHost(QObject *parent = nullptr);
    ~SystemTrayHost() override;

    // False when there is no X display or another tray runs.
    bool start();
    // Ends as a panel does: the tray's window goes, and the selection with it.
    void stop();

    // The windows that asked to be docked so far, in order.
    QList<unsigned long> dockRequests();

private:
    void readEvents();

    void *m_display = nullptr; // Display*
    unsigned long m_window = 0;
    unsigned long m_opcode = 0;
    QSocketNotifier *m_notifier = nullptr;
    QList<unsigned long> m_docked;
};
