#pragma once

#include <QByteArray>
#include <memory>

// Inflates a gzip or zlib body as it arrives, refusing to produce more than a set number of
// bytes: a small compressed reply may not expand without bound.
class BoundedInflater
{
public:
    explicit BoundedInflater(qint64 maxOutput);
    ~BoundedInflater();
    BoundedInflater(const BoundedInflater &) = delete;
    BoundedInflater &operator=(const BoundedInflater &) = delete;

    // Appends the inflated bytes of input to out; false when the data is corrupt or out would
    // grow beyond the limit (out then holds no more than the limit).
    bool feed(const QByteArray &input, QByteArray *out);
    bool failed() const { return m_failed; }

private:
    struct Stream;
    std::unique_ptr<Stream> m_stream;
    qint64 m_maxOutput;
    bool m_failed = false;
    bool m_ended = false;
};
