#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QSocketNotifier;
class QTimer;

// Tells when a hidraw device node comes or goes, so the device scan can start again. Listens
// to libudev's monitor of the hidraw subsystem on the thread that creates it.
//
// A new node is often not yet readable when its event arrives (udev is still setting its
// permissions), so deviceAdded waits until the node opens, trying a few times; after the
// last try it is emitted anyway and the scan reports what it finds.
class HidrawMonitor : public QObject
{
    Q_OBJECT
public:
    explicit HidrawMonitor(QObject *parent = nullptr);
    ~HidrawMonitor() override;

    // False (and logged) when udev is not available; nothing is emitted then.
    bool start();
    bool isRunning() const { return m_monitor != nullptr; }

    // How often and how far apart a new node is tried before deviceAdded.
    void setOpenRetries(int tries, int intervalMs);

signals:
    void deviceAdded(const QString &node);
    void deviceRemoved(const QString &node);

public slots:
    // What an add or remove event leads to; public so the retries can be driven directly.
    void nodeAdded(const QString &node);
    void nodeRemoved(const QString &node);

private:
    void readEvents();
    void retryPending();
    static bool canOpen(const QString &node);

    void *m_udev = nullptr;    // struct udev*
    void *m_monitor = nullptr; // struct udev_monitor*
    QSocketNotifier *m_notifier = nullptr;
    QTimer *m_retryTimer = nullptr;
    QHash<QString, int> m_pending; // node -> tries left
    int m_tries = 5;
};
