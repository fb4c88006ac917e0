#include "logic/businessLogic/monitor/HidApiBackend.h"

#include "logging/QsLog.h"
#include "util/LibraryFunction.h"

#include <hidapi.h>

namespace {
// hidapi is loaded by the first device scan, which comes after the start.
struct HidApi
{
    int (*init)() = nullptr;
    int (*exit)() = nullptr;
    hid_device_info *(*enumerate)(unsigned short, unsigned short) = nullptr;
    void (*freeEnumeration)(hid_device_info *) = nullptr;
    hid_device *(*openPath)(const char *) = nullptr;
    int (*readTimeout)(hid_device *, unsigned char *, size_t, int) = nullptr;
    int (*write)(hid_device *, const unsigned char *, size_t) = nullptr;
    void (*close)(hid_device *) = nullptr;

    bool usable() const
    {
        return init && exit && enumerate && freeEnumeration && openPath && readTimeout && write && close;
    }
};

const HidApi &hidApi()
{
    static const HidApi api = [] {
        HidApi loaded;
        QLibrary library(QStringLiteral("hidapi-hidraw"), 0);
        if (!library.load()) {
            QLOG_ERROR() << "hidapi cannot be loaded:" << library.errorString();
            return loaded;
        }
        LibraryFunction::resolve(library, loaded.init, "hid_init");
        LibraryFunction::resolve(library, loaded.exit, "hid_exit");
        LibraryFunction::resolve(library, loaded.enumerate, "hid_enumerate");
        LibraryFunction::resolve(library, loaded.freeEnumeration, "hid_free_enumeration");
        LibraryFunction::resolve(library, loaded.openPath, "hid_open_path");
        LibraryFunction::resolve(library, loaded.readTimeout, "hid_read_timeout");
        LibraryFunction::resolve(library, loaded.write, "hid_write");
        LibraryFunction::resolve(library, loaded.close, "hid_close");
        if (!loaded.usable()) {
            QLOG_ERROR() << "hidapi lacks functions this program uses";
            return HidApi();
        }
        return loaded;
    }();
    return api;
}

QString fromWide(const wchar_t *text)
{
    return text ? QString::fromWCharArray(text) : QString();
}

class HidApiHandle : public IHidHandle
{
public:
    explicit HidApiHandle(hid_device *device)
        : m_device(device)
    {
    }
    ~HidApiHandle() override { hidApi().close(m_device); }

    int read(unsigned char *buffer, int size, int timeoutMs) override
    {
        return hidApi().readTimeout(m_device, buffer, size_t(size), timeoutMs);
    }
    int write(const QByteArray &report) override
    {
        return hidApi().write(m_device, reinterpret_cast<const unsigned char *>(report.constData()), size_t(report.size()));
    }

private:
    hid_device *m_device;
};
} // namespace

HidApiBackend::HidApiBackend()
{
    m_ready = hidApi().usable() && hidApi().init() == 0;
    if (!m_ready) {
        QLOG_ERROR() << "hidapi cannot start";
    }
}

HidApiBackend::~HidApiBackend()
{
    if (m_ready)
        hidApi().exit();
}

QVector<DeviceHardwareInfo> HidApiBackend::enumerate()
{
    QVector<DeviceHardwareInfo> out;
    if (!m_ready)
        return out;
    hid_device_info *list = hidApi().enumerate(0, 0);
    for (hid_device_info *d = list; d; d = d->next) {
        DeviceHardwareInfo info;
        info.path = QString::fromLocal8Bit(d->path);
        info.vendorId = d->vendor_id;
        info.productId = d->product_id;
        info.usagePage = d->usage_page;
        info.product = fromWide(d->product_string);
        info.manufacturer = fromWide(d->manufacturer_string);
        info.serialNumber = fromWide(d->serial_number);
        out << info;
    }
    hidApi().freeEnumeration(list);
    return out;
}

std::unique_ptr<IHidHandle> HidApiBackend::open(const QString &path)
{
    if (!m_ready)
        return nullptr;
    hid_device *device = hidApi().openPath(path.toLocal8Bit().constData());
    if (!device)
        return nullptr;
    return std::make_unique<HidApiHandle>(device);
}
