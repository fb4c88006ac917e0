#pragma once

#include "logic/businessLogic/workflow/device/IAudioDevice.h"

// Audio from the device itself: the decoder feeds PCM (queued from its thread); it is passed
// on in blocks of 1024 bytes while the source runs and dropped otherwise.
class DeviceAudioDevice : public IAudioDevice
{
    Q_OBJECT
public:
    static constexpr int BlockBytes = 1024;

    explicit DeviceAudioDevice(QObject *parent = nullptr);

    QString name() const override;
    bool start() override;
    void stop() override;
    bool isRunning() const override { return m_running; }

public slots:
    void feed(const QByteArray &pcm);

private:
    QByteArray m_buffer;
    bool m_running = false;
};
