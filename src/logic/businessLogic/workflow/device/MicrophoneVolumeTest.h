#pragma once

#include "logic/businessLogic/workflow/device/PcAudioInput.h"

// Captures one chosen PC input for the microphone test. It asks for 16 kHz mono signed 16-bit
// samples; a device that cannot give them is opened with its nearest format, and every block is
// converted to signed 16-bit little-endian mono before it is passed on through handleData.
class MicrophoneVolumeTest : public PcAudioInput
{
    Q_OBJECT
public:
    static constexpr int BufferBytes = 40960;

    // An empty name means the system's default input.
    explicit MicrophoneVolumeTest(const QString &inputName, QObject *parent = nullptr)
        : PcAudioInput(inputName, true, BufferBytes, parent)
    {
    }

    static PcmFormat requestedFormat() { return PcmFormat::speech(); }

    QString name() const override { return captureName(); }
};
