#include "device/mouse/mirel/MirelMouseFactory.h"

#include "device/mouse/mirel/MirelMouseDevice.h"

IDeviceLogic *MirelMouseFactory::createLogic(DeviceContext *context) const
{
    return new MirelMouseDevice(context);
}
