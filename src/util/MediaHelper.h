#pragma once

#include <QtGlobal>

namespace MediaHelper {
// Level of a block of 16-bit little-endian samples: the integer part of 20*log10 of the mean
// absolute sample; 0 for silence (at most 90 for 16-bit input).
int volumeDb(const char *data, qint64 lengthBytes);
} // namespace MediaHelper
