#include "QtBluetoothModule.h"

#include "QtBleDiscovery.h"
#include "QtBleLink.h"

#include <QBluetoothAddress>
#include <QBluetoothLocalDevice>

bool QtBluetoothModule::hasAdapter()
{
    return !QBluetoothLocalDevice::allDevices().isEmpty();
}

BleDiscovery *QtBluetoothModule::createDiscovery()
{
    return new QtBleDiscovery(&m_seen);
}

BleLink *QtBluetoothModule::createLink(const BleAdvert &device, const QString &serviceUuid)
{
    QBluetoothDeviceInfo info = m_seen.value(device.id);
    if (!info.isValid()) {
        // Not from a discovery of ours: by its address.
        info = QBluetoothDeviceInfo(QBluetoothAddress(device.id), device.name, 0);
        info.setCoreConfigurations(QBluetoothDeviceInfo::LowEnergyCoreConfiguration);
    }
    return new QtBleLink(info, QBluetoothUuid(serviceUuid));
}

extern "C" Q_DECL_EXPORT BluetoothModule *vbCreateBluetoothModule()
{
    static QtBluetoothModule module;
    return &module;
}
