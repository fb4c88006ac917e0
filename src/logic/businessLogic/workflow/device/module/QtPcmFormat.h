#pragma once

#include "logic/businessLogic/workflow/device/PcmFormat.h"

#include <QAudioFormat>

// Between the program's plain PCM description and Qt's.
namespace QtPcmFormat {

inline QAudioFormat toQt(const PcmFormat &format)
{
    QAudioFormat out;
    out.setCodec(QStringLiteral("audio/pcm"));
    out.setSampleRate(format.sampleRate);
    out.setChannelCount(format.channels);
    out.setSampleSize(format.sampleBits);
    out.setByteOrder(format.bigEndian ? QAudioFormat::BigEndian : QAudioFormat::LittleEndian);
    switch (format.sampleType) {
    case PcmFormat::SignedInt:
        out.setSampleType(QAudioFormat::SignedInt);
        break;
    case PcmFormat::UnSignedInt:
        out.setSampleType(QAudioFormat::UnSignedInt);
        break;
    case PcmFormat::Float:
        out.setSampleType(QAudioFormat::Float);
        break;
    }
    return out;
}

inline PcmFormat fromQt(const QAudioFormat &format)
{
    PcmFormat out;
    out.sampleRate = format.sampleRate();
    out.channels = format.channelCount();
    out.sampleBits = format.sampleSize();
    out.bigEndian = format.byteOrder() == QAudioFormat::BigEndian;
    switch (format.sampleType()) {
    case QAudioFormat::UnSignedInt:
        out.sampleType = PcmFormat::UnSignedInt;
        break;
    case QAudioFormat::Float:
        out.sampleType = PcmFormat::Float;
        break;
    default:
        out.sampleType = PcmFormat::SignedInt;
        break;
    }
    return out;
}

} // namespace QtPcmFormat
