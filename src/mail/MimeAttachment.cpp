#include "mail/MimeAttachment.h"

#include "mail/MimeEncoding.h"

#include <QFile>
#include <QFileInfo>

MimeAttachment::MimeAttachment(const QString &fileName, const QByteArray &content, const QByteArray &contentType)
    : m_fileName(fileName)
    , m_content(content)
    , m_contentType(contentType)
{
}

bool MimeAttachment::fromFile(const QString &path, MimeAttachment **out, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    *out = new MimeAttachment(QFileInfo(path).fileName(), file.readAll());
    return true;
}

QByteArray MimeAttachment::headers() const
{
    // Quotes and backslashes would end the quoted name early.
    QString name = MimeEncoding::headerSafe(m_fileName);
    name.remove(QLatin1Char('"'));
    name.remove(QLatin1Char('\\'));
    const QByteArray encoded = MimeEncoding::encodeHeader(name);
    return "Content-Type: " + m_contentType + "; name=\"" + encoded + "\"\r\n"
           "Content-Transfer-Encoding: base64\r\n"
           "Content-Disposition: attachment; filename=\"" + encoded + "\"\r\n";
}

QByteArray MimeAttachment::encodedContent() const
{
    return MimeEncoding::base64Lines(m_content);
}
