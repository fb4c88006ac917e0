#pragma once

#include <QObject>

// An audio source: 16 kHz mono 16-bit little-endian PCM through handleData while running.
class IAudioDevice : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    virtual QString name() const = 0;
    virtual bool start() = 0; // false (and failed) when it cannot capture
    virtual void stop() = 0;
    virtual bool isRunning() const = 0;

signals:
    void handleData(const QByteArray &pcm);
    void deviceStateChanged(bool running);
    void failed(const QString &message);
};
