#include "device/IDeviceLogic.h"

IDeviceLogic::IDeviceLogic(DeviceContext *context, QObject *parent)
    : QObject(parent)
    , m_context(context)
{
}

IDeviceLogic::~IDeviceLogic() = default;
