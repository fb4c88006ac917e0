#include "logic/businessLogic/workflow/device/PcAudioDevice.h"

#include "logging/QsLog.h"
#include "util/TrContexts.h"

#include <QAudioDeviceInfo>
#include <QAudioInput>

PcAudioDevice::PcAudioDevice(QObject *parent) : IAudioDevice(parent) {}

PcAudioDevice::~PcAudioDevice()
{
    stop();
}

QAudioFormat PcAudioDevice::pcmFormat()
{
    QAudioFormat format;
    format.setSampleRate(16000);
    format.setChannelCount(1);
    format.setSampleSize(16);
    format.setSampleType(QAudioFormat::SignedInt);
    format.setByteOrder(QAudioFormat::LittleEndian);
    format.setCodec(QStringLiteral("audio/pcm"));
    return format;
}

QString PcAudioDevice::name() const
{
    return QStringLiteral("pc-microphone");
}

bool PcAudioDevice::start()
{
    if (m_input)
        return true;
    const QAudioDeviceInfo info = QAudioDeviceInfo::defaultInputDevice();
    if (info.isNull() || !info.isFormatSupported(pcmFormat())) {
        QLOG_ERROR() << "no microphone for 16 kHz mono 16-bit capture";
        emit failed(TMsg::tr("没有可用的麦克风"));
        return false;
    }
    m_input = new QAudioInput(info, pcmFormat(), this);
    m_io = m_input->start();
    if (!m_io) {
        QLOG_ERROR() << "microphone did not start, error" << m_input->error();
        delete m_input;
        m_input = nullptr;
        emit failed(TMsg::tr("麦克风无法打开"));
        return false;
    }
    connect(m_io, &QIODevice::readyRead, this, [this] {
        if (m_io) {
            const QByteArray data = m_io->readAll();
            if (!data.isEmpty())
                emit handleData(data);
        }
    });
    emit deviceStateChanged(true);
    return true;
}

void PcAudioDevice::stop()
{
    if (!m_input)
        return;
    m_input->stop();
    m_input->deleteLater();
    m_input = nullptr;
    m_io = nullptr;
    emit deviceStateChanged(false);
}
