#pragma once

#include "orm/http/IHttpInterceptor.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QUrl>

// One asynchronous HTTP request, built step by step and sent with an interceptor:
//
//   auto *r = HttpClient(url).param("id", "7").timeout(5000).post(new DefaultHttpInterceptor);
//   r->context(page).success([](const Response &) { ... }).fail(...);
//
// Sending never calls back before the caller regains control, so callbacks may be set on the
// returned interceptor right after the call. The request runs on the GUI thread's network
// manager; the interceptor is owned by the request and deleted after its completion.
//
// Parameters go into the query of a GET and into a form body (application/x-www-form-urlencoded)
// of a POST or PUT without a body of its own; with a JSON or raw body they go into the query.
// A redirect is followed only to http(s) without leaving https; a request carrying a body or an
// Authorization header follows it only within its own origin. Replies larger than MaxReplyBytes
// fail as soon as that is known.
// An empty address fails with "not configured" through the normal failure path, naming the
// ini key given with configKey().
class HttpClient
{
public:
    static constexpr int DefaultTimeoutMs = 15000;
    // The largest reply body taken (after decompression); a larger one fails the request.
    static constexpr qint64 MaxReplyBytes = 4 * 1024 * 1024;

    explicit HttpClient(const QString &url);

    HttpClient &param(const QString &name, const QString &value);
    HttpClient &header(const QByteArray &name, const QByteArray &value);
    HttpClient &bearerToken(const QString &token);
    HttpClient &json(const QJsonObject &object);
    HttpClient &body(const QByteArray &data, const QByteArray &contentType);
    HttpClient &timeout(int ms);
    HttpClient &configKey(const QString &iniKey);

    template <class I> I *get(I *interceptor) { return send("GET", interceptor); }
    template <class I> I *post(I *interceptor) { return send("POST", interceptor); }
    template <class I> I *put(I *interceptor) { return send("PUT", interceptor); }

    template <class I> I *send(const QByteArray &method, I *interceptor)
    {
        start(method, interceptor);
        return interceptor;
    }

    // Ends an interceptor with a failure that happened before anything could be sent, through
    // the same asynchronous path as every other failure.
    template <class I> static I *fail(I *interceptor, const HttpRequest::Response &failure)
    {
        failLater(interceptor, failure);
        return interceptor;
    }

    QUrl url() const { return m_url; }
    // "a=1&b=2" with every reserved character percent-encoded ('+' included).
    static QByteArray encodeParams(const QList<QPair<QString, QString>> &params);

private:
    void start(const QByteArray &method, HttpRequest::IHttpInterceptor *interceptor);
    static void failLater(HttpRequest::IHttpInterceptor *interceptor, const HttpRequest::Response &failure);

    QString m_rawUrl;
    QUrl m_url;
    QList<QPair<QString, QString>> m_params;
    QList<QPair<QByteArray, QByteArray>> m_headers;
    QByteArray m_body;
    QByteArray m_contentType;
    bool m_hasBody = false;
    int m_timeoutMs = DefaultTimeoutMs;
    QString m_configKey;
};
