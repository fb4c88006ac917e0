#include "logic/businessLogic/workflow/device/MicrophoneVolumeTest.h"

#include "logging/QsLog.h"
#include "logic/businessLogic/workflow/device/AudioModule.h"
#include "util/TrContexts.h"

MicrophoneVolumeTest::MicrophoneVolumeTest(const QString &inputName, QObject *parent)
    : IAudioDevice(parent)
    , m_inputName(inputName)
    , m_format(requestedFormat())
{
}

MicrophoneVolumeTest::~MicrophoneVolumeTest()
{
    stop();
}

QString MicrophoneVolumeTest::name() const
{
    return m_capture ? m_capture->deviceName() : m_inputName;
}

bool MicrophoneVolumeTest::start()
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
        requestedFormat(), true, BufferBytes,
        [this](const char *data, qint64 len) {
            emit handleData(m_format.isSpeech() ? QByteArray(data, int(len))
                                                : m_format.toPcm16(QByteArray::fromRawData(data, int(len))));
        },
        [this](const QString &why) {
            QLOG_ERROR() << "microphone:" << why;
            fail(TMsg::tr("麦克风无法打开"));
        },
        &actual, &detail);
    if (result == AudioCapture::Started) {
        if (actual != requestedFormat())
            QLOG_DEBUG() << "Default format not supported, trying to use the nearest.";
        m_format = actual;
        m_running = true;
        emit deviceStateChanged(true);
        return true;
    }
    QLOG_ERROR() << "microphone" << m_inputName << "did not start:" << detail;
    fail(result == AudioCapture::OpenFailed ? TMsg::tr("麦克风无法打开") : TMsg::tr("没有可用的麦克风"));
    return false;
}

void MicrophoneVolumeTest::stop()
{
    if (m_capture)
        m_capture->stop();
    if (!m_running)
        return;
    m_running = false;
    emit deviceStateChanged(false);
}

void MicrophoneVolumeTest::fail(const QString &message)
{
    stop();
    emit failed(message);
}
