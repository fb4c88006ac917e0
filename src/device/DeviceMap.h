#pragma once

#include <QMap>
#include <QMutex>
#include <QString>

class DeviceContext;

// The global map of connected devices, device key to context. Written by the monitors when
// a device is matched and erased on the GUI thread when it goes; walk it through a copy.
// The map does not own the contexts.
class DeviceMap
{
public:
    static DeviceMap &instance();

    // False (and nothing changes) when the key is taken or the context is null.
    bool insert(const QString &key, DeviceContext *context);
    DeviceContext *value(const QString &key) const;
    bool contains(const QString &key) const;
    // Removes the key; the number of entries removed (0 or 1).
    int erase(const QString &key);
    // A copy to walk while other threads add devices.
    QMap<QString, DeviceContext *> snapshot() const;
    int size() const;
    // Forgets every entry without deleting any context.
    void clear();

private:
    DeviceMap() = default;

    mutable QMutex m_mutex;
    QMap<QString, DeviceContext *> m_map;
};
