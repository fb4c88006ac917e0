#pragma once

#include <QList>
#include <QObject>
#include <QSslCertificate>
#include <QStringList>
#include <functional>

// Sends one mail from the program's feedback account to that same account, over SMTP with
// implicit TLS. Host, port (465 when unset), account and password come from the ini file:
// "/Mail/Host", "/Mail/Port", "/Mail/Account", "/Mail/Password".
class SmtpHelper
{
public:
    using Callback = std::function<void(int code, const QString &message)>;

    // The waits of each phase, in ms.
    struct Limits {
        int connectMs = 30000;
        int loginMs = 30000;
        int sendMs = 60000;
    };

    // Runs on the calling (GUI) thread, waiting in nested event loops, and calls the callback
    // once before it returns: (0, "邮件发送成功!") or (1, "连接邮件服务器失败!" / "邮件服务器验证失败!" /
    // "邮件发送失败!"). With a context the callback is skipped once the context is gone.
    // Missing settings open no connection: (1, "邮件账号未配置 (<keys>)"). Attachments that
    // cannot be read fail the sending, so no mail leaves without what the user meant to send.
    // When the program starts to quit during the send, the send is abandoned at once and the
    // callback is not called (no message while the program exits).
    static void sendMail(const QString &subject, const QString &body, const QStringList &attachments,
                         const Callback &callback, QObject *context = nullptr);

    static void setLimits(const Limits &limits);
    static Limits limits();
    // Certificates trusted besides the system's (tests use their own authority).
    static void setExtraCaCertificates(const QList<QSslCertificate> &certificates);
};
