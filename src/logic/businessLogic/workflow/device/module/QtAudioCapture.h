#pragma once

#include "logic/businessLogic/workflow/device/AudioModule.h"

#include <QAudioDeviceInfo>
#include <QObject>

class AudioData;
class QAudioInput;

// One PC input through QAudioInput, pushing into an AudioData sink.
class QtAudioCapture : public QObject, public AudioCapture
{
public:
    explicit QtAudioCapture(const QAudioDeviceInfo &device);
    ~QtAudioCapture() override;

    QString deviceName() const override;
    StartResult start(const PcmFormat &requested, bool nearestAllowed, int bufferBytes, Data onData, Stopped onStopped,
                      PcmFormat *actual, QString *detail) override;
    void stop() override;

private:
    QAudioDeviceInfo m_device;
    AudioData *m_sink;
    QAudioInput *m_input = nullptr;
};
