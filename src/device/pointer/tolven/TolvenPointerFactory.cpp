#include "device/pointer/tolven/TolvenPointerFactory.h"

#include "device/pointer/common/PointerDevice.h"

IDeviceLogic *TolvenPointerFactory::createLogic(DeviceContext *context) const
{
    return new PointerDevice(context);
}
