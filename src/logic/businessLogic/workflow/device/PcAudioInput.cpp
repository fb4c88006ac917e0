#include "logic/businessLogic/workflow/device/PcAudioInput.h"

#include "logging/QsLog.h"
#include "logic/businessLogic/workflow/device/AudioModule.h"
#include "util/TrContexts.h"

PcAudioInput::PcAudioInput(const QString &inputName, bool nearestAllowed, int bufferBytes, QObject *parent)
    : IAudioDevice(parent)
    , m_inputName(inputName)
    , m_nearestAllowed(nearestAllowed)
    , m_bufferBytes(bufferBytes)
    , m_format(PcmFormat::speech())
{
}

PcAudioInput::~PcAudioInput()
{
    stop();
}

QString PcAudioInput::captureName() const
{
    return m_capture ? m_capture->deviceName() : m_inputName;
}

bool PcAudioInput::start()
{
    if (m_running)
        return true;
    AudioModule *module = AudioModule::instance();
    if (!module) {
        fail(AudioModule::unavailableMessage());
        return false;
    }
    if (!m_capture)
        m_capture.reset(module->createCapture(m_inputName));
    PcmFormat actual;
    QString detail;
    const AudioCapture::StartResult result = m_capture->start(
        PcmFormat::speech(), m_nearestAllowed, m_bufferBytes,
        [this](const char *data, qint64 len) {
            if (len <= 0)
                return;
            emit handleData(m_format.isSpeech() ? QByteArray(data, int(len))
                                                : m_format.toPcm16(QByteArray::fromRawData(data, int(len))));
        },
        [this](const QString &why) {
            QLOG_ERROR() << "microphone:" << why;
            fail(TMsg::tr("麦克风无法打开"));
        },
        &actual, &detail);
    if (result == AudioCapture::Started) {
        if (!actual.isSpeech())
            QLOG_DEBUG() << "Default format not supported, trying to use the nearest.";
        m_format = actual;
        m_running = true;
        emit deviceStateChanged(true);
        return true;
    }
    QLOG_ERROR() << "microphone" << captureName() << "did not start:" << detail;
    fail(result == AudioCapture::OpenFailed ? TMsg::tr("麦克风无法打开") : TMsg::tr("没有可用的麦克风"));
    return false;
}

void PcAudioInput::stop()
{
    if (m_capture)
        m_capture->stop();
    if (!m_running)
        return;
    m_running = false;
    emit deviceStateChanged(false);
}

void PcAudioInput::fail(const QString &message)
{
    stop();
    emit failed(message);
}
