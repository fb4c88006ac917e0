#include "logic/businessLogic/monitor/HidListener.h"

#include "logging/QsLog.h"
#include "logic/businessLogic/monitor/IHidBackend.h"

#include <QMutexLocker>
#include <QThread>

HidListener::HidListener(std::unique_ptr<IHidHandle> handle, QObject *parent)
    : IDeviceListener(parent)
    , m_handle(std::move(handle))
{
}

HidListener::~HidListener()
{
    stop();
}

void HidListener::start()
{
    if (m_thread || !m_handle)
        return;
    m_stop = false;
    m_thread.reset(QThread::create([this] { run(); }));
    m_thread->setObjectName(QStringLiteral("hid-listener"));
    m_thread->start();
}

bool HidListener::isRunning() const
{
    return m_thread && m_thread->isRunning();
}

void HidListener::stop()
{
    m_stop = true;
    if (!m_thread)
        return;
    if (QThread::currentThread() == m_thread.get())
        return; // asked from its own signal: the loop ends after this report
    m_thread->wait();
    m_thread.reset();
    QMutexLocker lock(&m_handleMutex);
    m_handle.reset();
}

bool HidListener::write(const QByteArray &data)
{
    QMutexLocker lock(&m_handleMutex);
    if (!m_handle || m_stop)
        return false;
    return m_handle->write(data) == data.size();
}

void HidListener::run()
{
    emit newDevice(m_context);
    unsigned char buffer[ReportSize];
    while (!m_stop) {
        const int n = m_handle->read(buffer, ReportSize, ReadTimeoutMs);
        if (n < 0) {
            if (!m_stop) {
                QLOG_WARN() << "HID read failed: the device is gone";
                emit deleteDevice(m_context);
            }
            break;
        }
        if (n > 0)
            emit notifyRowdata(QByteArray(reinterpret_cast<const char *>(buffer), n));
    }
}
