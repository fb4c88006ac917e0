#pragma once

#include "logic/businessLogic/workflow/device/IAudioDevice.h"

// A source fed by the caller: replayed recordings and tests push PCM through it.
class InjectedAudioDevice : public IAudioDevice
{
    Q_OBJECT
public:
    explicit InjectedAudioDevice(QObject *parent = nullptr);

    QString name() const override { return QStringLiteral("injected"); }
    bool start() override;
    void stop() override;
    bool isRunning() const override { return m_running; }
    int startCount() const { return m_starts; }

public slots:
    // Passed on at once while running; dropped otherwise.
    void push(const QByteArray &pcm);

private:
    bool m_running = false;
    int m_starts = 0;
};
