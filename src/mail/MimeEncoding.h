#pragma once

#include <QByteArray>
#include <QString>

// Encodings of mail text: RFC 2047 header words, Base64 bodies and header clean-up.
namespace MimeEncoding {
// Header text with CR and LF removed (they would start a new header).
QString headerSafe(const QString &text);
// The header value as is when it is short printable ASCII, else as RFC 2047 "B" encoded
// words (UTF-8, each at most 64 characters, never splitting a character), folded with CRLF SP.
QByteArray encodeHeader(const QString &text);
// Base64 in lines of 76 characters, each ended by CRLF.
QByteArray base64Lines(const QByteArray &data);
} // namespace MimeEncoding
