#include "mail/MimeMultipart.h"

#include <QRandomGenerator>

MimeMultipart::MimeMultipart()
{
    // Base64 and the boundary alphabet share no "=_", so no encoded line can match it.
    QByteArray random(12, Qt::Uninitialized);
    for (char &c : random)
        c = char(QRandomGenerator::global()->bounded(256));
    m_boundary = "=_vb_" + random.toHex();
}

MimeMultipart::~MimeMultipart() = default;

void MimeMultipart::addPart(MimePart *part)
{
    m_parts.emplace_back(part);
}

QByteArray MimeMultipart::headers() const
{
    return "Content-Type: multipart/mixed; boundary=\"" + m_boundary + "\"\r\n";
}

QByteArray MimeMultipart::encodedContent() const
{
    QByteArray out = "This is a multi-part message in MIME format.\r\n";
    for (const auto &part : m_parts)
        out += "\r\n--" + m_boundary + "\r\n" + part->toBytes();
    out += "\r\n--" + m_boundary + "--\r\n";
    return out;
}
