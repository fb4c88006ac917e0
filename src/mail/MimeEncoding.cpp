#include "mail/MimeEncoding.h"

namespace MimeEncoding {

QString headerSafe(const QString &text)
{
    QString out = text;
    out.remove(QLatin1Char('\r'));
    out.remove(QLatin1Char('\n'));
    return out;
}

QByteArray encodeHeader(const QString &text)
{
    const QString clean = headerSafe(text);
    bool plain = clean.size() <= 70 && !clean.contains(QLatin1String("=?"));
    for (const QChar c : clean) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e) {
            plain = false;
            break;
        }
    }
    if (plain)
        return clean.toLatin1();

    const QByteArray utf8 = clean.toUtf8();
    QByteArray out;
    int start = 0;
    while (start < utf8.size()) {
        // 39 bytes give words of 64 characters: "Subject: " and a word stay within 76.
        int end = qMin(start + 39, utf8.size());
        // Do not cut inside a multi-byte character: back up to a lead byte.
        while (end < utf8.size() && end > start && (quint8(utf8.at(end)) & 0xC0) == 0x80)
            --end;
        if (!out.isEmpty())
            out += "\r\n ";
        out += "=?UTF-8?B?" + utf8.mid(start, end - start).toBase64() + "?=";
        start = end;
    }
    return out;
}

QByteArray base64Lines(const QByteArray &data)
{
    const QByteArray b64 = data.toBase64();
    QByteArray out;
    out.reserve(b64.size() + b64.size() / 76 * 2 + 2);
    for (int i = 0; i < b64.size(); i += 76) {
        out += b64.mid(i, 76);
        out += "\r\n";
    }
    return out;
}

} // namespace MimeEncoding
