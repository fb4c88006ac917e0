#pragma once

#include "logic/businessLogic/workflow/device/IAudioDevice.h"

#include <QAudioFormat>
#include <QPointer>

class QAudioInput;
class QIODevice;

// The PC's default microphone through QAudioInput.
class PcAudioDevice : public IAudioDevice
{
    Q_OBJECT
public:
    explicit PcAudioDevice(QObject *parent = nullptr);
    ~PcAudioDevice() override;

    static QAudioFormat pcmFormat();

    QString name() const override;
    bool start() override;
    void stop() override;
    bool isRunning() const override { return m_input != nullptr; }

private:
    QAudioInput *m_input = nullptr;
    QPointer<QIODevice> m_io;
};
