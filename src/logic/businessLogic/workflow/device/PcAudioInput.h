#pragma once

#include "logic/businessLogic/workflow/device/IAudioDevice.h"
#include "logic/businessLogic/workflow/device/PcmFormat.h"

#include <memory>

class AudioCapture;

// One of the PC's sound inputs, captured through the audio module, passing on 16 kHz mono
// signed 16-bit blocks. A failure to start or an input that stops by itself is reported
// through failed() with the user's message.
class PcAudioInput : public IAudioDevice
{
    Q_OBJECT
public:
    ~PcAudioInput() override;

    bool start() override;
    void stop() override;
    bool isRunning() const override { return m_running; }
    // The format the input really captures in, once started.
    PcmFormat format() const { return m_format; }

protected:
    // inputName empty: the system's default input. nearestAllowed: a device that cannot give
    // 16 kHz mono 16-bit is opened in its nearest format and every block converted (the
    // sampling rate stays the device's). bufferBytes 0: the backend's choice.
    PcAudioInput(const QString &inputName, bool nearestAllowed, int bufferBytes, QObject *parent);
    QString inputName() const { return m_inputName; }
    QString captureName() const;

private:
    void fail(const QString &message);

    QString m_inputName;
    bool m_nearestAllowed;
    int m_bufferBytes;
    PcmFormat m_format;
    std::unique_ptr<AudioCapture> m_capture;
    bool m_running = false;
};
