#include "QtAudioModule.h"

#include "QtAudioCapture.h"
#include "QtAudioDevices.h"
#include "QtAudioPlayback.h"

#include <QSet>
#include <algorithm>

QStringList QtAudioModule::inputNames()
{
    QStringList names;
    QSet<QString> seen;
    const QList<QAudioDeviceInfo> devices = QtAudioDevices::named(QAudio::AudioInput);
    for (const QAudioDeviceInfo &info : devices) {
        if (!seen.contains(info.deviceName())) {
            seen.insert(info.deviceName());
            names << info.deviceName();
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

AudioCapture *QtAudioModule::createCapture(const QString &inputName)
{
    if (inputName.isEmpty())
        return new QtAudioCapture(QtAudioDevices::defaultDevice(QAudio::AudioInput));
    const QList<QAudioDeviceInfo> devices = QtAudioDevices::named(QAudio::AudioInput);
    for (const QAudioDeviceInfo &info : devices) {
        if (info.deviceName() == inputName)
            return new QtAudioCapture(info);
    }
    // Gone since the list was read: a null device, which reports itself on start.
    return new QtAudioCapture(QAudioDeviceInfo());
}

AudioPlayback *QtAudioModule::createPlayback()
{
    return new QtAudioPlayback;
}

extern "C" Q_DECL_EXPORT AudioModule *vbCreateAudioModule()
{
    static QtAudioModule module;
    return &module;
}
