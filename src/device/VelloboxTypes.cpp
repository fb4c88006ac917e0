#include "device/VelloboxTypes.h"

#include "device/DeviceContext.h"

void registerVelloboxMetaTypes()
{
    qRegisterMetaType<VelloboxActionType>("VelloboxActionType");
    qRegisterMetaType<VelloboxFunctionFlags>("VelloboxFunctionFlags");
    qRegisterMetaType<NotifyType>("NotifyType");
    qRegisterMetaType<DeiveStatus>("DeiveStatus");
    qRegisterMetaType<OperationType>("OperationType");
    // Carried by the listeners' signals from their threads.
    qRegisterMetaType<DeviceContext *>("DeviceContext*");
}
