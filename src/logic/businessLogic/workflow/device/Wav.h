#pragma once

#include "logic/businessLogic/workflow/device/PcmFormat.h"

#include <QByteArray>

// RIFF/WAVE with uncompressed PCM: the header of our recordings, and what the speech server
// may answer with.
namespace Wav {
// The 44-byte header for dataBytes of PCM in the given format.
QByteArray header(const PcmFormat &format, quint32 dataBytes);
// The format and the PCM data of a PCM WAVE file; false when it is none.
bool parse(const QByteArray &file, PcmFormat *format, QByteArray *pcm);
} // namespace Wav
