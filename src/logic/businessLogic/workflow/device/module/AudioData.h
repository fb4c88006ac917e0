#pragma once

#include <QIODevice>

// The sink a QAudioInput pushes into: every written block is passed on as a signal and
// nothing is kept. Reading gives nothing.
class AudioData : public QIODevice
{
    Q_OBJECT
public:
    using QIODevice::QIODevice;

signals:
    void goWriteData(const char *data, qlonglong len);

protected:
    qint64 readData(char *data, qint64 maxlen) override;
    qint64 writeData(const char *data, qint64 len) override;
};
