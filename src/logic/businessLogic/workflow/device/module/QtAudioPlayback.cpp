#include "QtAudioPlayback.h"

#include "QtAudioDevices.h"
#include "QtPcmFormat.h"

#include <QAudioOutput>
#include <QBuffer>
#include <QMediaPlayer>
#include <QUrl>

QtAudioPlayback::~QtAudioPlayback()
{
    stop();
    // Players waiting for their deferred deletion outlive us: we may be deleted from inside
    // their own signals.
    const QObjectList kids = children();
    for (QObject *child : kids)
        child->setParent(nullptr);
}

void QtAudioPlayback::playPcm(const QByteArray &pcm, const PcmFormat &format, Done done)
{
    stop();
    const QAudioFormat qtFormat = QtPcmFormat::toQt(format);
    const QAudioDeviceInfo device = QtAudioDevices::defaultDevice(QAudio::AudioOutput);
    if (device.isNull() || !device.isFormatSupported(qtFormat)) {
        done(NoOutput);
        return;
    }
    m_done = std::move(done);
    m_buffer = new QBuffer(this);
    m_buffer->setData(pcm);
    m_buffer->open(QIODevice::ReadOnly);
    m_output = new QAudioOutput(device, qtFormat, this);
    connect(m_output, &QAudioOutput::stateChanged, this, [this](QAudio::State state) {
        if (!m_output)
            return;
        if (state == QAudio::IdleState)
            end(Played);
        else if (state == QAudio::StoppedState && m_output->error() != QAudio::NoError)
            end(Failed);
    });
    m_output->start(m_buffer);
}

void QtAudioPlayback::playFile(const QString &path, Done done)
{
    stop();
    m_done = std::move(done);
    m_player = new QMediaPlayer(this);
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::EndOfMedia)
            end(Played);
        else if (status == QMediaPlayer::InvalidMedia)
            end(Failed);
    });
    connect(m_player, QOverload<QMediaPlayer::Error>::of(&QMediaPlayer::error), this,
            [this](QMediaPlayer::Error) { end(Failed); });
    m_player->setMedia(QUrl::fromLocalFile(path));
    m_player->play();
}

void QtAudioPlayback::end(End how)
{
    Done done = std::move(m_done);
    m_done = nullptr;
    stop();
    // Last: the owner may delete this object from inside the callback.
    if (done)
        done(how);
}

void QtAudioPlayback::stop()
{
    m_done = nullptr;
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
}
