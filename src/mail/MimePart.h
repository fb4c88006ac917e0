#pragma once

#include <QByteArray>

// One part of a MIME message: its header lines and its encoded content.
class MimePart
{
public:
    virtual ~MimePart();
    // Header lines (each ended by CRLF), a blank line, the encoded content.
    QByteArray toBytes() const;

protected:
    virtual QByteArray headers() const = 0;
    virtual QByteArray encodedContent() const = 0;
};
