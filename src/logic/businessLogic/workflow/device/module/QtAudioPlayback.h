#pragma once

#include "logic/businessLogic/workflow/device/AudioModule.h"

#include <QObject>

class QAudioOutput;
class QBuffer;
class QMediaPlayer;

// PCM through QAudioOutput on the default output; anything else through QMediaPlayer.
class QtAudioPlayback : public QObject, public AudioPlayback
{
public:
    QtAudioPlayback() = default;
    ~QtAudioPlayback() override;

    void playPcm(const QByteArray &pcm, const PcmFormat &format, Done done) override;
    void playFile(const QString &path, Done done) override;
    void stop() override;

private:
    void end(End how);

    QAudioOutput *m_output = nullptr;
    QBuffer *m_buffer = nullptr;
    QMediaPlayer *m_player = nullptr;
    Done m_done;
};
