#include "mail/MimeMessage.h"

#include "mail/MimeEncoding.h"
#include "mail/MimeText.h"

#include <QDateTime>
#include <QLocale>
#include <QUuid>

MimeMessage::MimeMessage(const QString &from, const QString &to, const QString &subject)
    : m_from(cleanAddress(from))
    , m_to(cleanAddress(to))
    , m_subject(subject)
{
}

QString MimeMessage::cleanAddress(const QString &address)
{
    QString a = MimeEncoding::headerSafe(address).trimmed();
    a.remove(QLatin1Char('<'));
    a.remove(QLatin1Char('>'));
    return a;
}

void MimeMessage::setText(const QString &text)
{
    m_body.addPart(new MimeText(text));
}

void MimeMessage::addAttachment(MimePart *attachment)
{
    m_body.addPart(attachment);
}

QByteArray MimeMessage::toBytes() const
{
    const QDateTime now = QDateTime::currentDateTime();
    const int offset = now.offsetFromUtc();
    const QByteArray zone = QByteArray(offset < 0 ? "-" : "+")
        + QByteArray::number(qAbs(offset) / 3600).rightJustified(2, '0')
        + QByteArray::number(qAbs(offset) % 3600 / 60).rightJustified(2, '0');
    const QByteArray dateHeader = QLocale::c().toString(now, QStringLiteral("ddd, dd MMM yyyy hh:mm:ss ")).toLatin1() + zone;
    const QByteArray domain = m_from.contains(QLatin1Char('@')) ? m_from.section(QLatin1Char('@'), 1).toUtf8()
                                                                 : QByteArray("localhost");
    QByteArray out;
    out += "Date: " + dateHeader + "\r\n";
    out += "From: <" + m_from.toUtf8() + ">\r\n";
    out += "To: <" + m_to.toUtf8() + ">\r\n";
    out += "Subject: " + MimeEncoding::encodeHeader(m_subject) + "\r\n";
    out += "Message-ID: <" + QUuid::createUuid().toByteArray(QUuid::WithoutBraces) + "@" + domain + ">\r\n";
    out += "MIME-Version: 1.0\r\n";
    out += m_body.toBytes();
    return out;
}
