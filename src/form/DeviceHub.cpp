#include "form/DeviceHub.h"

#include "device/DeviceContext.h"
#include "device/IDeviceLogic.h"
#include "form/SpeechTips.h"
#include "form/TranslationLink.h"
#include "form/floating/FunctionWindows.h"
#include "logging/QsLog.h"
#include "logic/businessLogic/FunctionImpl.h"
#include "logic/businessLogic/GetwordTranslateImpl.h"

namespace DeviceHub {

void create(QWidget *mainWindow, DeviceContext *context)
{
    if (!context || context->functionImpl)
        return;
    auto *hub = new FunctionImpl(mainWindow, context);
    // The floating windows and tips belong to the hub and go with it.
    new FunctionWindows(hub);
    new SpeechTips(hub);
    if (TranslationLink *link = TranslationLink::of(mainWindow))
        link->attach(hub);
}

void connectLogic(DeviceContext *context)
{
    if (context && context->logic && context->functionImpl)
        QObject::connect(context->logic, &IDeviceLogic::invokeFunction, context->functionImpl,
                         &FunctionImpl::invokeFunction);
}

void release(DeviceContext *context)
{
    FunctionImpl *hub = context ? context->functionImpl : nullptr;
    if (!hub)
        return;
    if (context->logic)
        QObject::disconnect(context->logic, &IDeviceLogic::invokeFunction, hub, &FunctionImpl::invokeFunction);
    bool finished = false;
    hub->shutdown([&finished] { finished = true; });
    if (!finished)
        QLOG_WARN() << "function hub did not report its shutdown; released anyway";
    // Deleted here rather than later: the hub's destructor still reads its context.
    delete hub;
    context->functionImpl = nullptr;
}

bool invoke(DeviceContext *context, VelloboxActionType action, VelloboxFunctionFlags flags, const QString &text)
{
    if (!context || !context->functionImpl)
        return false;
    context->functionImpl->invokeFunction(action, flags, text);
    return true;
}

void stopWordPick()
{
    GetwordTranslateImpl::instance().stop();
}

} // namespace DeviceHub
