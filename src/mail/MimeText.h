#pragma once

#include "mail/MimePart.h"

#include <QString>

// A plain-text part in UTF-8, Base64 encoded.
class MimeText : public MimePart
{
public:
    explicit MimeText(const QString &text);

protected:
    QByteArray headers() const override;
    QByteArray encodedContent() const override;

private:
    QString m_text;
};
