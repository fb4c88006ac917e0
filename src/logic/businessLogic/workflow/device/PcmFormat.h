#pragma once

#include <QByteArray>

// Uncompressed PCM as our audio code describes it. The program does not link the multimedia
// library (it is loaded on first use, see AudioModule), so this plain form travels between
// the two instead of QAudioFormat.
struct PcmFormat {
    enum SampleType { SignedInt, UnSignedInt, Float };

    int sampleRate = 0;
    int channels = 0;
    int sampleBits = 0;
    SampleType sampleType = SignedInt;
    bool bigEndian = false;

    // 16 kHz mono signed 16-bit little endian: what speech runs, recordings and the level
    // meter work with.
    static PcmFormat speech();

    bool isValid() const { return sampleRate > 0 && channels > 0 && sampleBits > 0; }
    bool isSpeech() const { return *this == speech(); }
    bool operator==(const PcmFormat &other) const
    {
        return sampleRate == other.sampleRate && channels == other.channels && sampleBits == other.sampleBits
               && sampleType == other.sampleType && bigEndian == other.bigEndian;
    }
    bool operator!=(const PcmFormat &other) const { return !(*this == other); }

    // One block of this format as signed 16-bit little-endian samples of its first channel;
    // an unsupported sample size gives an empty block. The rate is kept.
    QByteArray toPcm16(const QByteArray &block) const;
};
