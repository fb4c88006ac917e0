#include "device/pointer/common/PointerDeviceFactory.h"

#include "device/pointer/common/PointerDevice.h"

IDeviceLogic *PointerDeviceFactory::createLogic(DeviceContext *context) const
{
    return new PointerDevice(context);
}
