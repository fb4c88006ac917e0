#pragma once

#include <QObject>
#include <functional>

class QNetworkAccessManager;

// Baidu general text translation. Endpoint and account from the ini file:
// "/Baidu/TranslateUrl", "/Baidu/AppId", "/Baidu/Secret". Failures are reported here
// (toast and log) and through failed(); the result callback only sees successes.
class BaiduClient : public QObject
{
    Q_OBJECT
public:
    using Callback = std::function<void(const QString &translated, const QString &from, const QString &to)>;
    using FailCallback = std::function<void(const QString &message)>;

    explicit BaiduClient(QObject *parent = nullptr);

    // Translates text from one language code of the Baidu table to another ("auto" allowed).
    // Callbacks are dropped when context (if given) is deleted before the answer.
    void translate(const QString &text, const QString &from, const QString &to, Callback done,
                   QObject *context = nullptr, FailCallback fail = {});

    // The documented signature: MD5 of appid + q + salt + secret, lower-case hex.
    static QString sign(const QString &appId, const QString &text, const QString &salt, const QString &secret);

signals:
    void failed(const QString &message);

private:
    void report(const QString &message, const FailCallback &fail);

    QNetworkAccessManager *m_network;
};
