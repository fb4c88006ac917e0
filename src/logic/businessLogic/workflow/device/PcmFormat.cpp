#include "logic/businessLogic/workflow/device/PcmFormat.h"

#include <QtEndian>
#include <QtGlobal>
#include <cmath>
#include <cstring>

namespace {
// One sample of the given format scaled to the signed 16-bit range.
qint16 sampleAt(const uchar *p, const PcmFormat &format)
{
    const bool little = !format.bigEndian;
    switch (format.sampleBits) {
    case 8:
        return format.sampleType == PcmFormat::UnSignedInt ? qint16((int(*p) - 128) << 8) : qint16(int(qint8(*p)) << 8);
    case 16: {
        const quint16 raw = little ? qFromLittleEndian<quint16>(p) : qFromBigEndian<quint16>(p);
        return format.sampleType == PcmFormat::UnSignedInt ? qint16(int(raw) - 32768) : qint16(raw);
    }
    case 32: {
        const quint32 raw = little ? qFromLittleEndian<quint32>(p) : qFromBigEndian<quint32>(p);
        if (format.sampleType == PcmFormat::Float) {
            float f;
            memcpy(&f, &raw, sizeof f);
            if (!std::isfinite(f))
                return 0;
            return qint16(qBound(-32768.0, double(f) * 32767.0, 32767.0));
        }
        if (format.sampleType == PcmFormat::UnSignedInt)
            return qint16((qint64(raw) - 2147483648LL) >> 16);
        return qint16(qint32(raw) >> 16);
    }
    default:
        return 0;
    }
}
} // namespace

PcmFormat PcmFormat::speech()
{
    PcmFormat format;
    format.sampleRate = 16000;
    format.channels = 1;
    format.sampleBits = 16;
    // Signed: silence is 0, so the level of a quiet room reads 0 rather than full scale.
    format.sampleType = SignedInt;
    format.bigEndian = false;
    return format;
}

QByteArray PcmFormat::toPcm16(const QByteArray &block) const
{
    const int bytes = sampleBits / 8;
    const int channelCount = qMax(1, channels);
    if (bytes != 1 && bytes != 2 && bytes != 4)
        return QByteArray();
    const int frame = bytes * channelCount;
    const int frames = block.size() / frame;
    QByteArray out(frames * 2, Qt::Uninitialized);
    const auto *in = reinterpret_cast<const uchar *>(block.constData());
    for (int i = 0; i < frames; ++i)
        qToLittleEndian<qint16>(sampleAt(in + i * frame, *this), out.data() + 2 * i);
    return out;
}
