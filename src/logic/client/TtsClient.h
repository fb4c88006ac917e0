#pragma once

#include "config/language/Languages.h"

#include <QObject>
#include <QPointer>
#include <functional>

class AudioPlayback;
class QNetworkAccessManager;
class QTemporaryFile;

// Speaks a text through the text-to-speech server ("/Server/TtsUrl").
//
// Request: POST, JSON {"text": "<text>", "language": "<speech-synthesis code>",
// "format": "wav"}. Answer: the audio itself, played through the audio module (PCM WAVE as it
// is, any other format decoded from a file). Starting a new text ends the one playing.
class TtsClient : public QObject
{
    Q_OBJECT
public:
    using Done = std::function<void(bool played)>;

    static TtsClient &instance();
    explicit TtsClient(QObject *parent = nullptr);
    ~TtsClient() override;

    // done is called once: when playing ends, or at once on a failure (toast and log).
    void play(const QString &text, const Languages::LangugeSection *language, Done done);
    void stop();
    bool isBusy() const { return bool(m_done); }

signals:
    void failed(const QString &message);

private:
    void playAudio(const QByteArray &audio);
    void finish(bool played);
    void fail(const QString &message);
    void releasePlayers();

    QNetworkAccessManager *m_network;
    AudioPlayback *m_playback = nullptr; // created on the first playing, kept
    QTemporaryFile *m_file = nullptr;
    Done m_done;
    quint64 m_generation = 0;
};

// Speaks text in a speech-synthesis language (Languages type 5); done is called when playing
// ends or failed.
void playTranslateTts(const QString &text, const Languages::LangugeSection *language,
                      std::function<void()> done);
