#include "mail/MimeText.h"

#include "mail/MimeEncoding.h"

MimeText::MimeText(const QString &text)
    : m_text(text)
{
}

QByteArray MimeText::headers() const
{
    return "Content-Type: text/plain; charset=\"utf-8\"\r\n"
           "Content-Transfer-Encoding: base64\r\n";
}

QByteArray MimeText::encodedContent() const
{
    return MimeEncoding::base64Lines(m_text.toUtf8());
}
