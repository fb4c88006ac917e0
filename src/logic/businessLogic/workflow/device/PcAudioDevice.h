#pragma once

#include "logic/businessLogic/workflow/device/IAudioDevice.h"
#include "logic/businessLogic/workflow/device/PcmFormat.h"

#include <memory>

class AudioCapture;

// The PC's default microphone, captured through the audio module.
class PcAudioDevice : public IAudioDevice
{
    Q_OBJECT
public:
    explicit PcAudioDevice(QObject *parent = nullptr);
    ~PcAudioDevice() override;

    static PcmFormat pcmFormat() { return PcmFormat::speech(); }

    QString name() const override;
    bool start() override;
    void stop() override;
    bool isRunning() const override { return m_running; }

private:
    void fail(const QString &message);

    std::unique_ptr<AudioCapture> m_capture;
    bool m_running = false;
};
