#pragma once

#include "device/VelloboxTypes.h"

#include <QString>

class BaseSetting;
class FunctionImpl;
class IAudioDevice;
class IDeviceFactory;
class IDeviceLogic;
class IDeviceListener;
struct DeviceHardwareInfo;
struct ProductInfo;

// One connected device. Deleting it stops and releases its listener, detaches and releases
// its device logic and frees its hardware information; the settings record belongs to the
// settings store, the function hub to the main window. Deleted on the GUI thread.
class DeviceContext
{
public:
    DeviceContext() = default;
    ~DeviceContext();
    DeviceContext(const DeviceContext &) = delete;
    DeviceContext &operator=(const DeviceContext &) = delete;

    QString key() const;

    IDeviceFactory *factory = nullptr;
    DeviceHardwareInfo *hardwareInfo = nullptr; // owned
    const ProductInfo *product = nullptr;       // owned by the factory's catalogue
    BaseSetting *setting = nullptr;             // may be null
    IDeviceLogic *logic = nullptr;              // released by the destructor
    IDeviceListener *listener = nullptr;        // released by the destructor
    IAudioDevice *audio = nullptr;
    FunctionImpl *functionImpl = nullptr;       // set by the hub's constructor
    VelloboxActionType lastAction = Action_RecordStart;
};

Q_DECLARE_METATYPE(DeviceContext *)
