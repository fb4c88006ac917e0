#pragma once

#include "mail/MimeMultipart.h"

#include <QString>

// A complete mail: the address headers, the RFC 2047 subject and a multipart body
// (the text first, then the attachments).
class MimeMessage
{
public:
    MimeMessage(const QString &from, const QString &to, const QString &subject);

    void setText(const QString &text);
    void addAttachment(MimePart *attachment); // takes ownership

    QString from() const { return m_from; }
    QString to() const { return m_to; }
    QByteArray toBytes() const;

    // The bare address with CR, LF and angle brackets removed.
    static QString cleanAddress(const QString &address);

private:
    QString m_from;
    QString m_to;
    QString m_subject;
    MimeMultipart m_body;
};
