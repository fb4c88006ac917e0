#include "logic/client/TtsClient.h"

#include "config/Configurations.h"
#include "logging/QsLog.h"
#include "logic/businessLogic/workflow/device/AudioModule.h"
#include "logic/businessLogic/workflow/device/Wav.h"
#include "qui/Toast.h"
#include "util/TrContexts.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTemporaryFile>

TtsClient &TtsClient::instance()
{
    static TtsClient client;
    return client;
}

TtsClient::TtsClient(QObject *parent) : QObject(parent), m_network(new QNetworkAccessManager(this)) {}

TtsClient::~TtsClient()
{
    m_done = nullptr; // nobody to tell at exit
    releasePlayers();
    delete m_playback;
}

void TtsClient::play(const QString &text, const Languages::LangugeSection *language, Done done)
{
    stop();
    m_done = std::move(done);
    const quint64 generation = ++m_generation;
    const QUrl url(Configurations::instance().ttsServerUrl());
    if (!url.isValid() || url.host().isEmpty()) {
        fail(TNotify::tr("语音合成服务未配置"));
        return;
    }
    if (text.trimmed().isEmpty() || !language) {
        fail(TNotify::tr("没有播报的文本"));
        return;
    }
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    request.setTransferTimeout(15000);
    const QJsonObject body{{"text", text}, {"language", language->code}, {"format", "wav"}};
    QNetworkReply *reply = m_network->post(request, QJsonDocument(body).toJson(QJsonDocument::Compact));
    connect(reply, &QNetworkReply::finished, this, [this, reply, generation] {
        reply->deleteLater();
        if (generation != m_generation)
            return; // a newer text was asked for meanwhile
        if (reply->error() != QNetworkReply::NoError) {
            fail(reply->errorString());
            return;
        }
        const QByteArray audio = reply->readAll();
        if (audio.isEmpty()) {
            fail(TNotify::tr("语音合成结果为空"));
            return;
        }
        playAudio(audio);
    });
}

void TtsClient::playAudio(const QByteArray &audio)
{
    if (!m_playback) {
        AudioModule *module = AudioModule::instance();
        if (!module) {
            fail(AudioModule::unavailableMessage());
            return;
        }
        m_playback = module->createPlayback();
    }
    const quint64 generation = m_generation;
    const AudioPlayback::Done ended = [this, generation](AudioPlayback::End end) {
        if (generation != m_generation)
            return;
        if (end == AudioPlayback::Played)
            finish(true);
        else
            fail(end == AudioPlayback::NoOutput ? TNotify::tr("没有可用的扬声器") : TNotify::tr("播放失败"));
    };
    PcmFormat format;
    QByteArray pcm;
    if (Wav::parse(audio, &format, &pcm)) {
        m_playback->playPcm(pcm, format, ended);
        return;
    }
    // Compressed audio: decoded from a file of its own.
    m_file = new QTemporaryFile(this);
    if (!m_file->open() || m_file->write(audio) != audio.size()) {
        fail(TNotify::tr("播放失败"));
        return;
    }
    m_file->flush();
    m_playback->playFile(m_file->fileName(), ended);
}

void TtsClient::stop()
{
    ++m_generation;
    if (m_done)
        finish(false);
}

void TtsClient::fail(const QString &message)
{
    QLOG_ERROR() << "text to speech failed:" << message;
    Toast::instance().showMessage(2, message, 2000);
    emit failed(message);
    finish(false);
}

void TtsClient::finish(bool played)
{
    releasePlayers();
    Done done = std::move(m_done);
    m_done = nullptr;
    if (done)
        done(played);
}

void TtsClient::releasePlayers()
{
    if (m_playback)
        m_playback->stop();
    if (m_file) {
        m_file->deleteLater();
        m_file = nullptr;
    }
}

void playTranslateTts(const QString &text, const Languages::LangugeSection *language, std::function<void()> done)
{
    TtsClient::instance().play(text, language, [done](bool) {
        if (done)
            done();
    });
}
