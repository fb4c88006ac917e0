#include "device/IDeviceFactory.h"

#include "config/BaseSetting.h"
#include "config/DeviceConfigHelper.h"
#include "device/DeviceContext.h"
#include "device/DeviceHardwareInfo.h"
#include "device/IDeviceLogic.h"
#include "logging/QsLog.h"
#include "util/AppHelper.h"

#include <QFileInfo>

#include <atomic>

// The catalogues are compiled into this static library: their registration must be pulled
// in by name.
static void initCatalogueResources()
{
    Q_INIT_RESOURCE(device_catalogue);
}

IDeviceFactory::~IDeviceFactory() = default;

QVector<IDeviceFactory *> &IDeviceFactory::registry()
{
    static QVector<IDeviceFactory *> list;
    return list;
}

void IDeviceFactory::registerFactory(IDeviceFactory *factory)
{
    if (factory && !registry().contains(factory))
        registry().append(factory);
}

bool IDeviceFactory::supports(ushort vendorId, ushort productId, ushort usagePage) const
{
    return m_catalogue.find(vendorId, productId, usagePage) != nullptr;
}

IDeviceFactory *IDeviceFactory::findFactory(ushort vendorId, ushort productId, ushort usagePage,
                                            const ProductInfo **product)
{
    for (IDeviceFactory *factory : factories()) {
        if (const ProductInfo *p = factory->catalogue().find(vendorId, productId, usagePage)) {
            if (product)
                *product = p;
            return factory;
        }
    }
    return nullptr;
}

IDeviceFactory *IDeviceFactory::findByServiceUuid(const QString &uuid, const ProductInfo **product)
{
    for (IDeviceFactory *factory : factories()) {
        if (const ProductInfo *p = factory->catalogue().findByServiceUuid(uuid)) {
            if (product)
                *product = p;
            return factory;
        }
    }
    return nullptr;
}

void IDeviceFactory::loadCatalogues()
{
    static std::atomic_bool loaded{false};
    if (loaded.exchange(true))
        return;
    initCatalogueResources();
    for (IDeviceFactory *factory : factories())
        factory->catalogue().load(factory->catalogueFile());
    loadCatalogueFolder(AppHelper::programDir() + QStringLiteral("/config/catalogue"));
}

int IDeviceFactory::loadCatalogueFolder(const QString &folder)
{
    int added = 0;
    for (IDeviceFactory *factory : factories()) {
        const QString path = folder + QLatin1Char('/') + QFileInfo(factory->catalogueFile()).fileName();
        if (!QFileInfo::exists(path))
            continue;
        added += qMax(0, factory->catalogue().load(path));
    }
    return added;
}

DeviceContext *IDeviceFactory::createContext(std::unique_ptr<DeviceHardwareInfo> hardware, const ProductInfo *product)
{
    auto *context = new DeviceContext;
    context->factory = this;
    context->hardwareInfo = hardware.release();
    context->product = product;
    context->logic = createLogic(context);
    context->setting = bindSetting(context);
    QLOG_INFO() << name() << "matched" << (context->hardwareInfo ? context->hardwareInfo->toString() : QString())
                << "as" << (product ? product->toString() : QStringLiteral("unknown product"));
    return context;
}

BaseSetting *IDeviceFactory::bindSetting(DeviceContext *context)
{
    if (!context || context->key().isEmpty())
        return nullptr;
    DeviceConfigHelper &store = DeviceConfigHelper::instance();
    const QString key = context->key();
    BaseSetting *record = store.setting(key);
    if (!record) {
        std::unique_ptr<BaseSetting> fresh = context->logic ? context->logic->createSetting()
                                                            : std::make_unique<BaseSetting>();
        record = store.addSetting(key, std::move(fresh));
        QLOG_INFO() << "new settings record for device" << key;
    }
    const QString serial = context->hardwareInfo ? context->hardwareInfo->serialNumber : QString();
    if (record && !serial.isEmpty())
        record->setValue(QStringLiteral("serialNumber"), serial);
    return record;
}
