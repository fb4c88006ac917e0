#include "QtAudioDevices.h"

QAudioDeviceInfo QtAudioDevices::defaultDevice(QAudio::Mode mode)
{
    const QAudioDeviceInfo preferred = mode == QAudio::AudioInput ? QAudioDeviceInfo::defaultInputDevice()
                                                                  : QAudioDeviceInfo::defaultOutputDevice();
    if (!preferred.isNull())
        return preferred;
    const QList<QAudioDeviceInfo> devices = named(mode);
    for (const QAudioDeviceInfo &info : devices) {
        if (info.deviceName() == QLatin1String("default"))
            return info;
    }
    return devices.isEmpty() ? QAudioDeviceInfo() : devices.first();
}

QList<QAudioDeviceInfo> QtAudioDevices::named(QAudio::Mode mode)
{
    QList<QAudioDeviceInfo> out;
    const QList<QAudioDeviceInfo> devices = QAudioDeviceInfo::availableDevices(mode);
    for (const QAudioDeviceInfo &info : devices) {
        if (!info.isNull() && !info.deviceName().isEmpty())
            out << info;
    }
    return out;
}
