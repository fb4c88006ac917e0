#pragma once

#include "logic/businessLogic/workflow/device/IAudioDevice.h"

#include <QAudioDeviceInfo>
#include <QAudioFormat>

class AudioData;
class QAudioInput;

// Captures one chosen PC input for the microphone test. It asks for 16 kHz mono signed 16-bit
// samples; a device that cannot give them is opened with its nearest format, and every block is
// converted to signed 16-bit little-endian mono before it is passed on through handleData.
class MicrophoneVolumeTest : public IAudioDevice
{
    Q_OBJECT
public:
    static constexpr int BufferBytes = 40960;

    // A null device means the system's default input.
    explicit MicrophoneVolumeTest(const QAudioDeviceInfo &device, QObject *parent = nullptr);
    ~MicrophoneVolumeTest() override;

    static QAudioFormat requestedFormat();
    // One block of the given format as signed 16-bit little-endian samples of its first
    // channel; an unsupported format gives an empty block.
    static QByteArray toPcm16(const QByteArray &block, const QAudioFormat &format);

    QString name() const override;
    bool start() override;
    void stop() override;
    bool isRunning() const override { return m_input != nullptr; }
    QAudioFormat format() const { return m_format; }

private:
    void fail(const QString &message);

    QAudioDeviceInfo m_device;
    QAudioFormat m_format;
    AudioData *m_sink = nullptr;
    QAudioInput *m_input = nullptr;
};
