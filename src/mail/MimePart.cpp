#include "mail/MimePart.h"

MimePart::~MimePart() = default;

QByteArray MimePart::toBytes() const
{
    return headers() + "\r\n" + encodedContent();
}
