#include "FakeHid.h"

#include <chrono>
#include <cstring>

void FakeHidDevice::push(const QByteArray &report)
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        reports.push_back(report);
    }
    wake.notify_all();
}

void FakeHidDevice::unplug()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        unplugged = true;
    }
    wake.notify_all();
}

QByteArrayList FakeHidDevice::writtenReports()
{
    std::lock_guard<std::mutex> lock(mutex);
    return written;
}

bool FakeHidDevice::isClosed()
{
    std::lock_guard<std::mutex> lock(mutex);
    return closed;
}

FakeHidHandle::FakeHidHandle(std::shared_ptr<FakeHidDevice> device)
    : m_device(std::move(device))
{
}

FakeHidHandle::~FakeHidHandle()
{
    std::lock_guard<std::mutex> lock(m_device->mutex);
    m_device->closed = true;
}

int FakeHidHandle::read(unsigned char *buffer, int size, int timeoutMs)
{
    std::unique_lock<std::mutex> lock(m_device->mutex);
    ++m_device->reads;
    m_device->wake.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                            [this] { return m_device->unplugged || !m_device->reports.empty(); });
    if (m_device->unplugged)
        return -1;
    if (m_device->reports.empty())
        return 0;
    const QByteArray report = m_device->reports.front();
    m_device->reports.pop_front();
    const int n = qMin(size, report.size());
    std::memcpy(buffer, report.constData(), size_t(n));
    return n;
}

int FakeHidHandle::write(const QByteArray &report)
{
    std::lock_guard<std::mutex> lock(m_device->mutex);
    if (m_device->unplugged)
        return -1;
    m_device->written << report;
    return report.size();
}

std::unique_ptr<IHidHandle> FakeHidBackend::open(const QString &path)
{
    ++openCalls;
    if (refused.contains(path))
        return nullptr;
    auto &device = devices[path];
    if (!device)
        device = std::make_shared<FakeHidDevice>();
    return std::make_unique<FakeHidHandle>(device);
}

DeviceHardwareInfo fakeInterface(const QString &path, ushort vid, ushort pid, ushort usagePage,
                                 const QString &product, const QString &manufacturer)
{
    DeviceHardwareInfo info;
    info.path = path;
    info.vendorId = vid;
    info.productId = pid;
    info.usagePage = usagePage;
    info.product = product;
    info.manufacturer = manufacturer;
    info.serialNumber = QStringLiteral("SN-") + path.section(QLatin1Char('/'), -1);
    return info;
}
