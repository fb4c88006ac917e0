#include "logic/businessLogic/workflow/device/MicrophoneVolumeTest.h"

#include "logging/QsLog.h"
#include "logic/businessLogic/workflow/device/AudioData.h"
#include "util/TrContexts.h"

#include <QAudioInput>
#include <QtEndian>
#include <cmath>
#include <cstring>

namespace {
// One sample of the given format scaled to the signed 16-bit range.
qint16 sampleAt(const uchar *p, const QAudioFormat &format)
{
    const bool little = format.byteOrder() == QAudioFormat::LittleEndian;
    switch (format.sampleSize()) {
    case 8:
        return format.sampleType() == QAudioFormat::UnSignedInt ? qint16((int(*p) - 128) << 8)
                                                                 : qint16(int(qint8(*p)) << 8);
    case 16: {
        const quint16 raw = little ? qFromLittleEndian<quint16>(p) : qFromBigEndian<quint16>(p);
        return format.sampleType() == QAudioFormat::UnSignedInt ? qint16(int(raw) - 32768) : qint16(raw);
    }
    case 32: {
        const quint32 raw = little ? qFromLittleEndian<quint32>(p) : qFromBigEndian<quint32>(p);
        if (format.sampleType() == QAudioFormat::Float) {
            float f;
            memcpy(&f, &raw, sizeof f);
            if (!std::isfinite(f))
                return 0;
            return qint16(qBound(-32768.0, double(f) * 32767.0, 32767.0));
        }
        if (format.sampleType() == QAudioFormat::UnSignedInt)
            return qint16((qint64(raw) - 2147483648LL) >> 16);
        return qint16(qint32(raw) >> 16);
    }
    default:
        return 0;
    }
}
} // namespace

MicrophoneVolumeTest::MicrophoneVolumeTest(const QAudioDeviceInfo &device, QObject *parent)
    : IAudioDevice(parent)
    , m_device(device.isNull() ? QAudioDeviceInfo::defaultInputDevice() : device)
    , m_format(requestedFormat())
    , m_sink(new AudioData(this))
{
    // Direct: the block is only valid during the write; what leaves here is a copy.
    connect(
        m_sink, &AudioData::goWriteData, this,
        [this](const char *data, qlonglong len) {
            const bool native = m_format.sampleSize() == 16 && m_format.sampleType() == QAudioFormat::SignedInt
                                && m_format.byteOrder() == QAudioFormat::LittleEndian && m_format.channelCount() == 1;
            emit handleData(native ? QByteArray(data, int(len))
                                   : toPcm16(QByteArray::fromRawData(data, int(len)), m_format));
        },
        Qt::DirectConnection);
}

MicrophoneVolumeTest::~MicrophoneVolumeTest()
{
    stop();
}

QAudioFormat MicrophoneVolumeTest::requestedFormat()
{
    QAudioFormat format;
    format.setSampleRate(16000);
    format.setChannelCount(1);
    format.setSampleSize(16);
    format.setCodec(QStringLiteral("audio/pcm"));
    format.setByteOrder(QAudioFormat::LittleEndian);
    // Signed: silence is 0, so the level of a quiet room reads 0 rather than full scale.
    format.setSampleType(QAudioFormat::SignedInt);
    return format;
}

QByteArray MicrophoneVolumeTest::toPcm16(const QByteArray &block, const QAudioFormat &format)
{
    const int bytes = format.sampleSize() / 8;
    const int channels = qMax(1, format.channelCount());
    if (bytes <= 0 || (bytes != 1 && bytes != 2 && bytes != 4))
        return QByteArray();
    const int frame = bytes * channels;
    const int frames = block.size() / frame;
    QByteArray out(frames * 2, Qt::Uninitialized);
    const auto *in = reinterpret_cast<const uchar *>(block.constData());
    for (int i = 0; i < frames; ++i)
        qToLittleEndian<qint16>(sampleAt(in + i * frame, format), out.data() + 2 * i);
    return out;
}

QString MicrophoneVolumeTest::name() const
{
    return m_device.deviceName();
}

bool MicrophoneVolumeTest::start()
{
    if (m_input)
        return true;
    if (m_device.isNull()) {
        fail(TMsg::tr("没有可用的麦克风"));
        return false;
    }
    m_format = requestedFormat();
    if (!m_device.isFormatSupported(m_format)) {
        QLOG_DEBUG() << "Default format not supported, trying to use the nearest.";
        m_format = m_device.nearestFormat(m_format);
    }
    m_input = new QAudioInput(m_device, m_format, this);
    m_input->setBufferSize(BufferBytes);
    m_sink->open(QIODevice::WriteOnly | QIODevice::Truncate);
    m_input->start(m_sink);
    if (m_input->error() != QAudio::NoError) {
        QLOG_ERROR() << "microphone" << m_device.deviceName() << "did not start, error" << m_input->error();
        fail(TMsg::tr("麦克风无法打开"));
        return false;
    }
    // A device that goes away while capturing stops the input with an error.
    connect(m_input, &QAudioInput::stateChanged, this, [this](QAudio::State state) {
        if (m_input && state == QAudio::StoppedState && m_input->error() != QAudio::NoError) {
            QLOG_ERROR() << "microphone" << m_device.deviceName() << "stopped, error" << m_input->error();
            fail(TMsg::tr("麦克风无法打开"));
        }
    });
    emit deviceStateChanged(true);
    return true;
}

void MicrophoneVolumeTest::stop()
{
    if (!m_input)
        return;
    QAudioInput *input = m_input;
    m_input = nullptr;
    input->disconnect(this);
    input->stop();
    // Later: stop() may run inside the input's own state signal.
    input->deleteLater();
    m_sink->close();
    emit deviceStateChanged(false);
}

void MicrophoneVolumeTest::fail(const QString &message)
{
    stop();
    emit failed(message);
}
