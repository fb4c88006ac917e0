#include "device/DeviceContext.h"

#include "device/DeviceHardwareInfo.h"
#include "device/IDeviceListener.h"
#include "device/IDeviceLogic.h"

DeviceContext::~DeviceContext()
{
    if (listener) {
        listener->stop();
        // The listener may still be delivering a queued signal: let its thread finish it.
        listener->deleteLater();
        listener = nullptr;
    }
    if (logic) {
        // Reports queued before the stop may still reach the logic: cut it off from the context.
        logic->detachContext();
        logic->deleteLater();
        logic = nullptr;
    }
    delete hardwareInfo;
    hardwareInfo = nullptr;
}

QString DeviceContext::key() const
{
    return hardwareInfo ? hardwareInfo->key() : QString();
}
