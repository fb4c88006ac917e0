#include "logic/client/TtsClient.h"

#include "config/Configurations.h"
#include "logging/QsLog.h"
#include "logic/businessLogic/workflow/device/Wav.h"
#include "qui/Toast.h"
#include "util/TrContexts.h"

#include <QAudioDeviceInfo>
#include <QAudioOutput>
#include <QBuffer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMediaPlayer>
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
    QAudioFormat format;
    QByteArray pcm;
    if (Wav::parse(audio, &format, &pcm)) {
        const QAudioDeviceInfo device = QAudioDeviceInfo::defaultOutputDevice();
        if (device.isNull() || !device.isFormatSupported(format)) {
            fail(TNotify::tr("没有可用的扬声器"));
            return;
        }
        m_buffer = new QBuffer(this);
        m_buffer->setData(pcm);
        m_buffer->open(QIODevice::ReadOnly);
        m_output = new QAudioOutput(device, format, this);
        connect(m_output, &QAudioOutput::stateChanged, this, [this](QAudio::State state) {
            if (!m_output)
                return;
            if (state == QAudio::IdleState)
                finish(true);
            else if (state == QAudio::StoppedState && m_output->error() != QAudio::NoError)
                fail(TNotify::tr("播放失败"));
        });
        m_output->start(m_buffer);
        return;
    }
    // Compressed audio: QMediaPlayer decodes it from a file of its own.
    m_file = new QTemporaryFile(this);
    if (!m_file->open() || m_file->write(audio) != audio.size()) {
        fail(TNotify::tr("播放失败"));
        return;
    }
    m_file->flush();
    m_player = new QMediaPlayer(this);
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::EndOfMedia)
            finish(true);
        else if (status == QMediaPlayer::InvalidMedia)
            fail(TNotify::tr("播放失败"));
    });
    connect(m_player, QOverload<QMediaPlayer::Error>::of(&QMediaPlayer::error), this,
            [this](QMediaPlayer::Error) { fail(TNotify::tr("播放失败")); });
    m_player->setMedia(QUrl::fromLocalFile(m_file->fileName()));
    m_player->play();
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
    if (m_output) {
        QAudioOutput *output = m_output;
        m_output = nullptr;
        output->disconnect(this);
        output->stop();
        output->deleteLater();
    }
    if (m_buffer) {
        m_buffer->deleteLater();
        m_buffer = nullptr;
    }
    if (m_player) {
        QMediaPlayer *player = m_player;
        m_player = nullptr;
        player->disconnect(this);
        player->stop();
        player->deleteLater();
    }
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
