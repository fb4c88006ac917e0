#include "util/MediaHelper.h"

#include <QtEndian>
#include <cmath>
#include <cstdlib>

namespace MediaHelper {

int volumeDb(const char *data, qint64 lengthBytes)
{
    const qint64 count = lengthBytes / 2;
    if (!data || count <= 0)
        return 0;
    qint64 sum = 0;
    for (qint64 i = 0; i < count; ++i)
        sum += std::abs(int(qFromLittleEndian<qint16>(data + 2 * i)));
    const double mean = double(sum) / double(count);
    if (!(mean > 0))
        return 0;
    return int(20.0 * std::log10(mean));
}

} // namespace MediaHelper
