#include "logic/businessLogic/workflow/device/InjectedAudioDevice.h"

InjectedAudioDevice::InjectedAudioDevice(QObject *parent) : IAudioDevice(parent) {}

bool InjectedAudioDevice::start()
{
    if (!m_running) {
        m_running = true;
        ++m_starts;
        emit deviceStateChanged(true);
    }
    return true;
}

void InjectedAudioDevice::stop()
{
    if (m_running) {
        m_running = false;
        emit deviceStateChanged(false);
    }
}

void InjectedAudioDevice::push(const QByteArray &pcm)
{
    if (m_running)
        emit handleData(pcm);
}
