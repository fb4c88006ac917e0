#include "device/DeviceMap.h"

#include <QMutexLocker>

DeviceMap &DeviceMap::instance()
{
    static DeviceMap map;
    return map;
}

bool DeviceMap::insert(const QString &key, DeviceContext *context)
{
    if (!context)
        return false;
    QMutexLocker lock(&m_mutex);
    if (m_map.contains(key))
        return false;
    m_map.insert(key, context);
    return true;
}

DeviceContext *DeviceMap::value(const QString &key) const
{
    QMutexLocker lock(&m_mutex);
    return m_map.value(key, nullptr);
}

bool DeviceMap::contains(const QString &key) const
{
    QMutexLocker lock(&m_mutex);
    return m_map.contains(key);
}

int DeviceMap::erase(const QString &key)
{
    QMutexLocker lock(&m_mutex);
    return m_map.remove(key);
}

QMap<QString, DeviceContext *> DeviceMap::snapshot() const
{
    QMutexLocker lock(&m_mutex);
    QMap<QString, DeviceContext *> copy = m_map;
    // Detach while locked, so the copy shares nothing with the map other threads change.
    copy.detach();
    return copy;
}

int DeviceMap::size() const
{
    QMutexLocker lock(&m_mutex);
    return m_map.size();
}

void DeviceMap::clear()
{
    QMutexLocker lock(&m_mutex);
    m_map.clear();
}
