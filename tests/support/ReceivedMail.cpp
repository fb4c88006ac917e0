#include "support/ReceivedMail.h"

#include "config/Configurations.h"
#include "support/SmtpTestServer.h"
#include "util/SmtpHelper.h"

namespace {
const QString kAccount = QStringLiteral("feedback@example.com");
const QString kPassword = QStringLiteral("mail-Pa55");

// RFC 2047 "B" words (UTF-8) joined, folding undone; plain text kept.
QString decodeWords(QByteArray value)
{
    value.replace("\r\n ", " ");
    QString out;
    bool previousWasWord = false;
    for (const QByteArray &token : value.split(' ')) {
        const bool word = token.startsWith("=?UTF-8?B?") && token.endsWith("?=");
        if (!out.isEmpty() && !(word && previousWasWord))
            out += QLatin1Char(' ');
        out += word ? QString::fromUtf8(QByteArray::fromBase64(token.mid(10, token.size() - 12)))
                    : QString::fromUtf8(token);
        previousWasWord = word;
    }
    return out;
}

QMap<QByteArray, QByteArray> headersOf(const QByteArray &head)
{
    QByteArray unfolded = head;
    unfolded.replace("\r\n ", " ");
    QMap<QByteArray, QByteArray> headers;
    for (QByteArray line : unfolded.split('\n')) {
        line = line.trimmed();
        const int colon = line.indexOf(':');
        if (colon > 0)
            headers.insert(line.left(colon).toLower(), line.mid(colon + 1).trimmed());
    }
    return headers;
}

QByteArray param(const QByteArray &header, const QByteArray &name)
{
    const int at = header.indexOf(name + "=\"");
    if (at < 0)
        return QByteArray();
    const int start = at + name.size() + 2;
    return header.mid(start, header.indexOf('"', start) - start);
}
} // namespace

ReceivedMail ReceivedMail::parse(const QByteArray &data)
{
    ReceivedMail mail;
    const int split = data.indexOf("\r\n\r\n");
    const auto headers = headersOf(data.left(split));
    mail.subject = decodeWords(headers.value("subject"));
    const QByteArray boundary = "--" + param(headers.value("content-type"), "boundary");
    const QList<QByteArray> sections = data.mid(split + 4).split('\n');
    QByteArray current;
    bool inside = false;
    auto finishPart = [&mail](const QByteArray &raw) {
        const int at = raw.indexOf("\r\n\r\n");
        const auto partHeaders = headersOf(raw.left(at));
        const QByteArray content = QByteArray::fromBase64(raw.mid(at + 4));
        const QByteArray disposition = partHeaders.value("content-disposition");
        if (disposition.startsWith("attachment")) {
            const QString name = decodeWords(param(disposition, "filename"));
            mail.attachmentNames << name;
            mail.attachments.insert(name, content);
        } else {
            mail.body = QString::fromUtf8(content);
        }
    };
    for (QByteArray line : sections) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line == boundary || line == boundary + "--") {
            if (inside)
                finishPart(current);
            current.clear();
            inside = line == boundary;
            continue;
        }
        if (inside)
            current += line + "\r\n";
    }
    return mail;
}

void ReceivedMail::configure(SmtpTestServer &server)
{
    server.setCredentials(kAccount, kPassword);
    SmtpHelper::setExtraCaCertificates(SmtpTestServer::caCertificates());
    SmtpHelper::setLimits({5000, 5000, 5000});
    auto &config = Configurations::instance();
    config.setValue(QStringLiteral("/Mail/Host"), QStringLiteral("127.0.0.1"));
    config.setValue(QStringLiteral("/Mail/Port"), server.serverPort());
    config.setValue(QStringLiteral("/Mail/Account"), kAccount);
    config.setValue(QStringLiteral("/Mail/Password"), kPassword);
}

void ReceivedMail::reset()
{
    SmtpHelper::setExtraCaCertificates({});
    SmtpHelper::setLimits({});
}
