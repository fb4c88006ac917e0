#include "orm/http/BoundedInflater.h"

#include <zlib.h>

struct BoundedInflater::Stream {
    z_stream z{};
    bool ready = false;
};

BoundedInflater::BoundedInflater(qint64 maxOutput)
    : m_stream(std::make_unique<Stream>())
    , m_maxOutput(maxOutput)
{
    // 15 window bits plus 32: zlib or gzip, recognised by the header.
    m_stream->ready = inflateInit2(&m_stream->z, 15 + 32) == Z_OK;
    m_failed = !m_stream->ready;
}

BoundedInflater::~BoundedInflater()
{
    if (m_stream->ready)
        inflateEnd(&m_stream->z);
}

bool BoundedInflater::feed(const QByteArray &input, QByteArray *out)
{
    if (m_failed)
        return false;
    if (m_ended || input.isEmpty())
        return true;
    z_stream &z = m_stream->z;
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(input.constData()));
    z.avail_in = uInt(input.size());
    char buffer[16384];
    while (z.avail_in > 0) {
        z.next_out = reinterpret_cast<Bytef *>(buffer);
        z.avail_out = sizeof(buffer);
        const int rc = inflate(&z, Z_NO_FLUSH);
        if (rc != Z_OK && rc != Z_STREAM_END && rc != Z_BUF_ERROR) {
            m_failed = true;
            return false;
        }
        const qint64 produced = qint64(sizeof(buffer)) - z.avail_out;
        if (out->size() + produced > m_maxOutput) {
            out->append(buffer, int(m_maxOutput - out->size()));
            m_failed = true;
            return false;
        }
        out->append(buffer, int(produced));
        if (rc == Z_STREAM_END) {
            m_ended = true;
            break;
        }
        if (rc == Z_BUF_ERROR && produced == 0)
            break;
    }
    return true;
}
