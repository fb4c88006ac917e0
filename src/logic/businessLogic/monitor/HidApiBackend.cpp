#include "logic/businessLogic/monitor/HidApiBackend.h"

#include "logging/QsLog.h"

#include <hidapi.h>

namespace {
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
    ~HidApiHandle() override { hid_close(m_device); }

    int read(unsigned char *buffer, int size, int timeoutMs) override
    {
        return hid_read_timeout(m_device, buffer, size_t(size), timeoutMs);
    }
    int write(const QByteArray &report) override
    {
        return hid_write(m_device, reinterpret_cast<const unsigned char *>(report.constData()), size_t(report.size()));
    }

private:
    hid_device *m_device;
};
} // namespace

HidApiBackend::HidApiBackend()
{
    m_ready = hid_init() == 0;
    if (!m_ready) {
        QLOG_ERROR() << "hidapi cannot start";
    }
}

HidApiBackend::~HidApiBackend()
{
    if (m_ready)
        hid_exit();
}

QVector<DeviceHardwareInfo> HidApiBackend::enumerate()
{
    QVector<DeviceHardwareInfo> out;
    if (!m_ready)
        return out;
    hid_device_info *list = hid_enumerate(0, 0);
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
    hid_free_enumeration(list);
    return out;
}

std::unique_ptr<IHidHandle> HidApiBackend::open(const QString &path)
{
    if (!m_ready)
        return nullptr;
    hid_device *device = hid_open_path(path.toLocal8Bit().constData());
    if (!device)
        return nullptr;
    return std::make_unique<HidApiHandle>(device);
}
