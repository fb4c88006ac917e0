#include "logic/businessLogic/workflow/device/Wav.h"

#include <QtEndian>

namespace {
void put16(QByteArray &out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}
void put32(QByteArray &out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}
} // namespace

namespace Wav {

QByteArray header(const PcmFormat &format, quint32 dataBytes)
{
    const quint16 channels = quint16(format.channels);
    const quint16 bits = quint16(format.sampleBits);
    const quint32 rate = quint32(format.sampleRate);
    QByteArray out;
    out.reserve(44);
    out.append("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, channels);
    put32(out, rate);
    put32(out, rate * channels * bits / 8);
    put16(out, quint16(channels * bits / 8));
    put16(out, bits);
    out.append("data", 4);
    put32(out, dataBytes);
    return out;
}

bool parse(const QByteArray &file, PcmFormat *format, QByteArray *pcm)
{
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE")
        return false;
    const uchar *p = reinterpret_cast<const uchar *>(file.constData());
    int pos = 12;
    bool haveFormat = false;
    while (pos + 8 <= file.size()) {
        const QByteArray id = file.mid(pos, 4);
        const quint32 size = qFromLittleEndian<quint32>(p + pos + 4);
        const int body = pos + 8;
        if (id == "fmt " && size >= 16 && body + 16 <= file.size()) {
            if (qFromLittleEndian<quint16>(p + body) != 1)
                return false; // compressed
            format->channels = qFromLittleEndian<quint16>(p + body + 2);
            format->sampleRate = int(qMin<quint32>(qFromLittleEndian<quint32>(p + body + 4), 0x7fffffff));
            const int bits = qFromLittleEndian<quint16>(p + body + 14);
            format->sampleBits = bits;
            format->sampleType = bits == 8 ? PcmFormat::UnSignedInt : PcmFormat::SignedInt;
            format->bigEndian = false;
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return false;
            *pcm = file.mid(body, int(qMin<quint32>(size, quint32(file.size() - body))));
            return format->isValid();
        }
        pos = body + int(size) + int(size & 1);
        if (size > quint32(file.size()))
            return false;
    }
    return false;
}

} // namespace Wav
