#pragma once

#include "logic/businessLogic/workflow/device/IAudioDevice.h"
#include "logic/businessLogic/workflow/device/PcmFormat.h"

#include <memory>

class AudioCapture;

// Captures one chosen PC input for the microphone test, through the audio module. It asks for
// 16 kHz mono signed 16-bit samples; a device that cannot give them is opened with its nearest
// format, and every block is converted to signed 16-bit little-endian mono before it is passed
// on through handleData.
class MicrophoneVolumeTest : public IAudioDevice
{
    Q_OBJECT
public:
    static constexpr int BufferBytes = 40960;

    // An empty name means the system's default input.
    explicit MicrophoneVolumeTest(const QString &inputName, QObject *parent = nullptr);
    ~MicrophoneVolumeTest() override;

    static PcmFormat requestedFormat() { return PcmFormat::speech(); }

    QString name() const override;
    bool start() override;
    void stop() override;
    bool isRunning() const override { return m_running; }
    // The format the input really captures in, once started.
    PcmFormat format() const { return m_format; }

private:
    void fail(const QString &message);

    QString m_inputName;
    PcmFormat m_format;
    std::unique_ptr<AudioCapture> m_capture;
    bool m_running = false;
};
