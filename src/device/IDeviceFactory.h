#pragma once

#include "device/ProductCatalogue.h"

#include <QString>
#include <QVector>
#include <memory>

class BaseSetting;
class DeviceContext;
class IDeviceLogic;
struct DeviceHardwareInfo;

// Matches HID and Bluetooth devices against its product catalogue and creates their device
// logic. The factories register themselves in one static list before main runs; every
// matching loop takes the first factory that accepts.
class IDeviceFactory
{
public:
    virtual ~IDeviceFactory();

    // Short name for logs.
    virtual QString name() const = 0;
    // The embedded data file of the catalogue.
    virtual QString catalogueFile() const = 0;
    // A new device logic for the context (on the GUI thread; the context owns it).
    virtual IDeviceLogic *createLogic(DeviceContext *context) const = 0;

    ProductCatalogue &catalogue() { return m_catalogue; }
    const ProductCatalogue &catalogue() const { return m_catalogue; }
    bool supports(ushort vendorId, ushort productId, ushort usagePage) const;

    // A context for a matched device, on the GUI thread: hardware, product, logic and the
    // device's settings record (the stored one, else a new one the logic creates).
    DeviceContext *createContext(std::unique_ptr<DeviceHardwareInfo> hardware, const ProductInfo *product);
    // The stored record of the context's device, or a new one added to the settings store.
    static BaseSetting *bindSetting(DeviceContext *context);

    // The registered factories, in registration order.
    static const QVector<IDeviceFactory *> &factories();
    static void registerFactory(IDeviceFactory *factory);
    // The first factory that accepts the interface, or null; its product in *product.
    static IDeviceFactory *findFactory(ushort vendorId, ushort productId, ushort usagePage,
                                       const ProductInfo **product = nullptr);
    static IDeviceFactory *findByServiceUuid(const QString &uuid, const ProductInfo **product = nullptr);
    // Fills every catalogue from its embedded data file, then from the file of the same name
    // in config/catalogue/ below the program folder (products added on site); later calls
    // do nothing.
    static void loadCatalogues();
    // Adds the entries of the factories' data files found in the folder; the number added.
    static int loadCatalogueFolder(const QString &folder);

private:
    static QVector<IDeviceFactory *> &registry();

    ProductCatalogue m_catalogue;
};
