#include "device/mouse/common/MouseDeviceFactory.h"

#include "device/mouse/common/MouseDevice.h"

IDeviceLogic *MouseDeviceFactory::createLogic(DeviceContext *context) const
{
    return new MouseDevice(context);
}
