#include "AudioData.h"

qint64 AudioData::readData(char *, qint64)
{
    return 0;
}

qint64 AudioData::writeData(const char *data, qint64 len)
{
    emit goWriteData(data, len);
    return len;
}
