#pragma once

#include "logic/businessLogic/monitor/BluetoothModule.h"

#include <QBluetoothDeviceInfo>
#include <QHash>

// The module's side of BluetoothModule, on QtBluetooth.
class QtBluetoothModule : public BluetoothModule
{
public:
    bool hasAdapter() override;
    BleDiscovery *createDiscovery() override;
    BleLink *createLink(const BleAdvert &device, const QString &serviceUuid) override;

private:
    QHash<QString, QBluetoothDeviceInfo> m_seen; // every device discovered, by id
};
