#pragma once

#include "mail/MimePart.h"

#include <QString>

// A file attached as Base64, named by its file name.
class MimeAttachment : public MimePart
{
public:
    MimeAttachment(const QString &fileName, const QByteArray &content,
                   const QByteArray &contentType = "application/octet-stream");
    // Reads the file; false (with the reason) when it cannot be read.
    static bool fromFile(const QString &path, MimeAttachment **out, QString *error);

    const QString &fileName() const { return m_fileName; }

protected:
    QByteArray headers() const override;
    QByteArray encodedContent() const override;

private:
    QString m_fileName;
    QByteArray m_content;
    QByteArray m_contentType;
};
