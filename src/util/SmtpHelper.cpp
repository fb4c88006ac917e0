#include "util/SmtpHelper.h"

#include "config/Configurations.h"
#include "logging/QsLog.h"
#include "mail/MimeAttachment.h"
#include "mail/MimeMessage.h"
#include "mail/SmtpClient.h"
#include "util/TrContexts.h"

#include <QPointer>

namespace {
SmtpHelper::Limits &currentLimits()
{
    static SmtpHelper::Limits limits;
    return limits;
}

QList<QSslCertificate> &extraCertificates()
{
    static QList<QSslCertificate> certificates;
    return certificates;
}

QString setting(const QString &key)
{
    return Configurations::instance().value(key).toString().trimmed();
}
} // namespace

void SmtpHelper::setLimits(const Limits &limits)
{
    currentLimits() = limits;
}

SmtpHelper::Limits SmtpHelper::limits()
{
    return currentLimits();
}

void SmtpHelper::setExtraCaCertificates(const QList<QSslCertificate> &certificates)
{
    extraCertificates() = certificates;
}

void SmtpHelper::sendMail(const QString &subject, const QString &body, const QStringList &attachments,
                          const Callback &callback, QObject *context)
{
    const bool hasContext = context != nullptr;
    QPointer<QObject> ctx(context);
    auto finish = [&](int code, const QString &message) {
        QLOG_INFO() << "mail:" << message;
        if (callback && (!hasContext || ctx))
            callback(code, message);
    };
    const QString connectFailed = TMsg::tr("连接邮件服务器失败!");
    const QString authFailed = TMsg::tr("邮件服务器验证失败!");
    const QString sendFailed = TMsg::tr("邮件发送失败!");

    const QString host = setting(QStringLiteral("/Mail/Host"));
    const QString account = setting(QStringLiteral("/Mail/Account"));
    // The password is taken as written: blanks may belong to it.
    const QString password = Configurations::instance().value(QStringLiteral("/Mail/Password")).toString();
    bool portOk = false;
    const QString portText = setting(QStringLiteral("/Mail/Port"));
    int port = portText.isEmpty() ? 465 : portText.toInt(&portOk);
    if (portText.isEmpty())
        portOk = true;
    QStringList missing;
    for (const auto &[key, value] : {std::pair<QString, QString>{QStringLiteral("/Mail/Host"), host},
                                     {QStringLiteral("/Mail/Account"), account},
                                     {QStringLiteral("/Mail/Password"), password}}) {
        if (value.isEmpty())
            missing << key;
    }
    if (!missing.isEmpty()) {
        QLOG_ERROR() << "mail account not configured:" << missing;
        finish(1, TMsg::tr("邮件账号未配置 (%1)").arg(missing.join(QStringLiteral(", "))));
        return;
    }
    if (!portOk || port <= 0 || port > 65535) {
        QLOG_ERROR() << "mail port is not a port number: /Mail/Port =" << portText;
        finish(1, connectFailed);
        return;
    }

    MimeMessage message(account, account, subject);
    message.setText(body);
    for (const QString &path : attachments) {
        MimeAttachment *part = nullptr;
        QString error;
        if (!MimeAttachment::fromFile(path, &part, &error)) {
            QLOG_ERROR() << "cannot attach" << path << ":" << error;
            finish(1, sendFailed);
            return;
        }
        message.addAttachment(part);
    }
    const QByteArray data = message.toBytes();

    const Limits limits = currentLimits();
    SmtpClient client(host, quint16(port));
    client.addCaCertificates(extraCertificates());
    QLOG_INFO() << "sending mail via" << host << port << "with" << attachments.size() << "attachments";
    // A send the quitting program abandoned is nobody's error: no message while it exits.
    const auto failed = [&](const QString &why) {
        client.quit();
        if (client.abandoned()) {
            QLOG_INFO() << "mail abandoned: the program is quitting";
            return;
        }
        finish(1, why);
    };
    if (!client.connectToServer(limits.connectMs)) {
        failed(connectFailed);
        return;
    }
    if (!client.login(message.from(), password, limits.loginMs)) {
        failed(authFailed);
        return;
    }
    if (!client.sendMail(message.from(), {message.to()}, data, limits.sendMs)) {
        failed(sendFailed);
        return;
    }
    client.quit();
    finish(0, TMsg::tr("邮件发送成功!"));
}
