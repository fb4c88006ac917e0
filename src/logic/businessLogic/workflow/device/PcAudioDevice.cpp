#include "logic/businessLogic/workflow/device/PcAudioDevice.h"

#include "logging/QsLog.h"
#include "logic/businessLogic/workflow/device/AudioModule.h"
#include "util/TrContexts.h"

PcAudioDevice::PcAudioDevice(QObject *parent) : IAudioDevice(parent) {}

PcAudioDevice::~PcAudioDevice()
{
    stop();
}

QString PcAudioDevice::name() const
{
    return QStringLiteral("pc-microphone");
}

bool PcAudioDevice::start()
{
    if (m_running)
        return true;
    AudioModule *module = AudioModule::instance();
    if (!module) {
        fail(AudioModule::unavailableMessage());
        return false;
    }
    if (!m_capture)
        m_capture.reset(module->createCapture(QString()));
    PcmFormat actual;
    QString detail;
    const AudioCapture::StartResult result = m_capture->start(
        pcmFormat(), false, 0,
        [this](const char *data, qint64 len) {
            if (len > 0)
                emit handleData(QByteArray(data, int(len)));
        },
        [this](const QString &why) {
            QLOG_ERROR() << "microphone:" << why;
            fail(TMsg::tr("麦克风无法打开"));
        },
        &actual, &detail);
    switch (result) {
    case AudioCapture::Started:
        m_running = true;
        emit deviceStateChanged(true);
        return true;
    case AudioCapture::NoDevice:
    case AudioCapture::FormatUnsupported:
        QLOG_ERROR() << "no microphone for 16 kHz mono 16-bit capture:" << detail;
        fail(TMsg::tr("没有可用的麦克风"));
        return false;
    case AudioCapture::OpenFailed:
        break;
    }
    QLOG_ERROR() << "microphone did not start:" << detail;
    fail(TMsg::tr("麦克风无法打开"));
    return false;
}

void PcAudioDevice::stop()
{
    if (m_capture)
        m_capture->stop();
    if (!m_running)
        return;
    m_running = false;
    emit deviceStateChanged(false);
}

void PcAudioDevice::fail(const QString &message)
{
    stop();
    emit failed(message);
}
