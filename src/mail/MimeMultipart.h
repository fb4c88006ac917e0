#pragma once

#include "mail/MimePart.h"

#include <memory>
#include <vector>

// A multipart/mixed body holding other parts, separated by a random boundary.
class MimeMultipart : public MimePart
{
public:
    MimeMultipart();
    ~MimeMultipart() override;

    void addPart(MimePart *part); // takes ownership
    int count() const { return int(m_parts.size()); }
    const QByteArray &boundary() const { return m_boundary; }

protected:
    QByteArray headers() const override;
    QByteArray encodedContent() const override;

private:
    QByteArray m_boundary;
    std::vector<std::unique_ptr<MimePart>> m_parts;
};
