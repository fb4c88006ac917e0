#pragma once

#include <QAudioFormat>
#include <QByteArray>

// RIFF/WAVE with uncompressed PCM: the header of our recordings, and what the speech server
// may answer with.
namespace Wav {
// The 44-byte header for dataBytes of PCM in the given format.
QByteArray header(const QAudioFormat &format, quint32 dataBytes);
// The format and the PCM data of a PCM WAVE file; false when it is none.
bool parse(const QByteArray &file, QAudioFormat *format, QByteArray *pcm);
} // namespace Wav
