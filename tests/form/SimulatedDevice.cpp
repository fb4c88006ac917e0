#include "SimulatedDevice.h"

#include "config/DeviceConfigHelper.h"
#include "config/MouseSetting.h"
#include "device/DeviceHardwareInfo.h"

#include <memory>

DeviceContext *makeSimulatedDevice(const QString &product, const QString &typeName, QStringList *journal,
                                   ushort productId)
{
    auto *context = new DeviceContext;
    context->hardwareInfo = new DeviceHardwareInfo;
    context->hardwareInfo->vendorId = 0x1234;
    context->hardwareInfo->productId = productId;
    context->hardwareInfo->product = product;
    context->hardwareInfo->manufacturer = QStringLiteral("Test");
    context->hardwareInfo->path = QStringLiteral("/dev/hidraw-") + product;
    context->logic = new SimulatedLogic(context, typeName, journal);
    context->listener = new SimulatedListener(journal);
    DeviceConfigHelper &store = DeviceConfigHelper::instance();
    context->setting = store.setting(context->key());
    if (!context->setting)
        context->setting = store.addSetting(context->key(), std::make_unique<MouseSetting>());
    return context;
}

SimulatedLogic *simulatedLogic(DeviceContext *context)
{
    return static_cast<SimulatedLogic *>(context->logic);
}

SimulatedListener *simulatedListener(DeviceContext *context)
{
    return static_cast<SimulatedListener *>(context->listener);
}
