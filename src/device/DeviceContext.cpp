#include "device/DeviceContext.h"

#include "device/DeviceHardwareInfo.h"
#include "device/IDeviceListener.h"

DeviceContext::~DeviceContext()
{
    if (listener) {
        listener->stop();
        // The listener may still be delivering a queued signal: let its thread finish it.
        listener->deleteLater();
        listener = nullptr;
    }
    delete hardwareInfo;
    hardwareInfo = nullptr;
}

QString DeviceContext::key() const
{
    return hardwareInfo ? hardwareInfo->key() : QString();
}
