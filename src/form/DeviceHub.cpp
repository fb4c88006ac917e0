#include "form/DeviceHub.h"

#include "device/DeviceContext.h"
#include "logging/QsLog.h"

namespace DeviceHub {

// The function layer is not linked into the forms yet: devices get no hub.
void create(QWidget *, DeviceContext *)
{
}

void connectLogic(DeviceContext *)
{
}

void release(DeviceContext *, Release)
{
}

bool invoke(DeviceContext *context, VelloboxActionType action, VelloboxFunctionFlags flags, const QString &text)
{
    if (!context || !context->functionImpl)
        return false;
    return false;
}

void stopWordPick()
{
}

} // namespace DeviceHub
