#pragma once

#include <QObject>
#include <functional>

class QNetworkAccessManager;
class QNetworkReply;

// Baidu general text translation. Endpoint and account from the ini file:
// "/Baidu/TranslateUrl", "/Baidu/AppId", "/Baidu/Secret". Failures are logged, told to the
// caller and through failed(), and shown as a toast in the program's own words unless the
// caller has dropped the request; the result callback only sees successes.
class BaiduClient : public QObject
{
    Q_OBJECT
public:
    using Callback = std::function<void(const QString &translated, const QString &from, const QString &to)>;
    // Gets the failure's message; returns false when the request no longer matters to the
    // user (a newer one replaced it), and then nothing is shown.
    using FailCallback = std::function<bool(const QString &message)>;
    // How long an answer may take.
    static constexpr int TimeoutMs = 10000;

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
    // What the user reads about a reply that failed: never an address or Qt's own error text.
    static QString failureMessage(QNetworkReply *reply, const QByteArray &body);

    QNetworkAccessManager *m_network;
};
