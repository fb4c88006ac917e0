#include "logic/businessLogic/workflow/device/DeviceAudioDevice.h"

DeviceAudioDevice::DeviceAudioDevice(QObject *parent) : IAudioDevice(parent) {}

QString DeviceAudioDevice::name() const
{
    return QStringLiteral("device-microphone");
}

bool DeviceAudioDevice::start()
{
    if (!m_running) {
        m_buffer.clear();
        m_running = true;
        emit deviceStateChanged(true);
    }
    return true;
}

void DeviceAudioDevice::stop()
{
    if (!m_running)
        return;
    m_running = false;
    // The tail shorter than a block is still speech: pass it on.
    if (!m_buffer.isEmpty())
        emit handleData(m_buffer);
    m_buffer.clear();
    emit deviceStateChanged(false);
}

void DeviceAudioDevice::feed(const QByteArray &pcm)
{
    if (!m_running)
        return;
    m_buffer.append(pcm);
    while (m_buffer.size() >= BlockBytes) {
        emit handleData(m_buffer.left(BlockBytes));
        m_buffer.remove(0, BlockBytes);
    }
}
