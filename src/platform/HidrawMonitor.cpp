#include "platform/HidrawMonitor.h"

#include "logging/QsLog.h"

#include <QSocketNotifier>
#include <QTimer>

#include <fcntl.h>
#include <libudev.h>
#include <unistd.h>

HidrawMonitor::HidrawMonitor(QObject *parent)
    : QObject(parent)
    , m_retryTimer(new QTimer(this))
{
    m_retryTimer->setInterval(200);
    connect(m_retryTimer, &QTimer::timeout, this, &HidrawMonitor::retryPending);
}

HidrawMonitor::~HidrawMonitor()
{
    delete m_notifier;
    if (m_monitor)
        udev_monitor_unref(static_cast<udev_monitor *>(m_monitor));
    if (m_udev)
        udev_unref(static_cast<udev *>(m_udev));
}

void HidrawMonitor::setOpenRetries(int tries, int intervalMs)
{
    m_tries = qMax(1, tries);
    m_retryTimer->setInterval(intervalMs);
}

bool HidrawMonitor::start()
{
    if (m_monitor)
        return true;
    udev *u = udev_new();
    if (!u) {
        QLOG_WARN() << "device monitor: udev is not available, plugged devices are not noticed";
        return false;
    }
    udev_monitor *mon = udev_monitor_new_from_netlink(u, "udev");
    if (!mon || udev_monitor_filter_add_match_subsystem_devtype(mon, "hidraw", nullptr) < 0
        || udev_monitor_enable_receiving(mon) < 0) {
        QLOG_WARN() << "device monitor: cannot listen to udev, plugged devices are not noticed";
        if (mon)
            udev_monitor_unref(mon);
        udev_unref(u);
        return false;
    }
    m_udev = u;
    m_monitor = mon;
    m_notifier = new QSocketNotifier(udev_monitor_get_fd(mon), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &HidrawMonitor::readEvents);
    QLOG_INFO() << "device monitor started";
    return true;
}

void HidrawMonitor::readEvents()
{
    auto *mon = static_cast<udev_monitor *>(m_monitor);
    while (udev_device *dev = udev_monitor_receive_device(mon)) {
        const QString action = QString::fromLatin1(udev_device_get_action(dev));
        const char *devnode = udev_device_get_devnode(dev);
        const QString node = devnode ? QString::fromLocal8Bit(devnode) : QString();
        udev_device_unref(dev);
        if (node.isEmpty())
            continue;
        QLOG_DEBUG() << "device monitor:" << action << node;
        if (action == QLatin1String("add"))
            nodeAdded(node);
        else if (action == QLatin1String("remove"))
            nodeRemoved(node);
    }
}

bool HidrawMonitor::canOpen(const QString &node)
{
    const int fd = ::open(node.toLocal8Bit().constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

void HidrawMonitor::nodeAdded(const QString &node)
{
    if (canOpen(node)) {
        m_pending.remove(node);
        emit deviceAdded(node);
        return;
    }
    m_pending.insert(node, m_tries - 1);
    if (m_pending.value(node) <= 0) {
        m_pending.remove(node);
        QLOG_WARN() << "device monitor: cannot open" << node;
        emit deviceAdded(node);
        return;
    }
    if (!m_retryTimer->isActive())
        m_retryTimer->start();
}

void HidrawMonitor::nodeRemoved(const QString &node)
{
    // A node that went before it could be opened was never announced.
    if (m_pending.remove(node) == 0)
        emit deviceRemoved(node);
}

void HidrawMonitor::retryPending()
{
    const QStringList nodes = m_pending.keys();
    for (const QString &node : nodes) {
        const int left = m_pending.value(node) - 1;
        if (canOpen(node)) {
            m_pending.remove(node);
            emit deviceAdded(node);
        } else if (left <= 0) {
            m_pending.remove(node);
            QLOG_WARN() << "device monitor: cannot open" << node << "after retries";
            emit deviceAdded(node);
        } else {
            m_pending.insert(node, left);
        }
    }
    if (m_pending.isEmpty())
        m_retryTimer->stop();
}
