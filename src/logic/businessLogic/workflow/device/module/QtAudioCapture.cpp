#include "QtAudioCapture.h"

#include "AudioData.h"
#include "QtPcmFormat.h"

#include <QAudioInput>

QtAudioCapture::QtAudioCapture(const QAudioDeviceInfo &device) : m_device(device), m_sink(new AudioData(this)) {}

QtAudioCapture::~QtAudioCapture()
{
    stop();
    // An input still waiting for its deferred deletion outlives us: we may be deleted from
    // inside its own signal.
    const QObjectList kids = children();
    for (QObject *child : kids) {
        if (qobject_cast<QAudioInput *>(child))
            child->setParent(nullptr);
    }
}

QString QtAudioCapture::deviceName() const
{
    return m_device.deviceName();
}

AudioCapture::StartResult QtAudioCapture::start(const PcmFormat &requested, bool nearestAllowed, int bufferBytes,
                                                Data onData, Stopped onStopped, PcmFormat *actual, QString *detail)
{
    stop();
    if (m_device.isNull()) {
        *detail = QStringLiteral("no sound input");
        return NoDevice;
    }
    QAudioFormat format = QtPcmFormat::toQt(requested);
    if (!m_device.isFormatSupported(format)) {
        if (!nearestAllowed) {
            *detail = QStringLiteral("%1 cannot capture %2 Hz, %3 channel(s), %4 bits")
                          .arg(m_device.deviceName())
                          .arg(requested.sampleRate)
                          .arg(requested.channels)
                          .arg(requested.sampleBits);
            return FormatUnsupported;
        }
        format = m_device.nearestFormat(format);
    }
    *actual = QtPcmFormat::fromQt(format);
    m_input = new QAudioInput(m_device, format, this);
    if (bufferBytes > 0)
        m_input->setBufferSize(bufferBytes);
    // Direct: the block is only valid during the write.
    connect(m_sink, &AudioData::goWriteData, this,
            [onData](const char *data, qlonglong len) { onData(data, len); });
    m_sink->open(QIODevice::WriteOnly | QIODevice::Truncate);
    m_input->start(m_sink);
    if (m_input->error() != QAudio::NoError) {
        *detail = QStringLiteral("%1 did not start, error %2").arg(m_device.deviceName()).arg(int(m_input->error()));
        stop();
        return OpenFailed;
    }
    // A device that goes away while capturing stops the input with an error.
    connect(m_input, &QAudioInput::stateChanged, this, [this, onStopped](QAudio::State state) {
        if (!m_input || state != QAudio::StoppedState || m_input->error() == QAudio::NoError)
            return;
        const QString why = QStringLiteral("%1 stopped, error %2").arg(m_device.deviceName()).arg(int(m_input->error()));
        stop();
        // Last: the owner may delete this object from inside the callback.
        onStopped(why);
    });
    return Started;
}

void QtAudioCapture::stop()
{
    m_sink->disconnect(this);
    if (!m_input)
        return;
    QAudioInput *input = m_input;
    m_input = nullptr;
    input->disconnect(this);
    input->stop();
    // Later: stop() may run inside the input's own state signal.
    input->deleteLater();
    m_sink->close();
}
