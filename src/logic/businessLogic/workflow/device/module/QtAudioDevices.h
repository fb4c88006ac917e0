#pragma once

#include <QAudio>
#include <QAudioDeviceInfo>
#include <QList>

// The sound devices Qt's backends offer. A backend without its server (PulseAudio not
// running) still claims to be the default and offers a null device, and a nameless one in the
// lists: the default is then the first named device of another backend (ALSA's "default").
class QtAudioDevices
{
public:
    static QAudioDeviceInfo defaultDevice(QAudio::Mode mode);
    // Every device with a name, in Qt's order.
    static QList<QAudioDeviceInfo> named(QAudio::Mode mode);
};
