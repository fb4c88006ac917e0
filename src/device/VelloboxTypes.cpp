#include "device/VelloboxTypes.h"

void registerVelloboxMetaTypes()
{
    qRegisterMetaType<VelloboxActionType>("VelloboxActionType");
    qRegisterMetaType<VelloboxFunctionFlags>("VelloboxFunctionFlags");
    qRegisterMetaType<NotifyType>("NotifyType");
    qRegisterMetaType<DeiveStatus>("DeiveStatus");
    qRegisterMetaType<OperationType>("OperationType");
}
