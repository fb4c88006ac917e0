#include "orm/http/HttpClient.h"

#include "logging/QsLog.h"
#include "orm/http/HttpHelper.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <memory>

using HttpRequest::IHttpInterceptor;
using HttpRequest::Response;

namespace {

// One running request: owns the interceptor, the reply and the deadline; deletes itself
// after the interceptor's completion.
class HttpCall : public QObject
{
public:
    HttpCall(IHttpInterceptor *interceptor, const QUrl &url, const QByteArray &method)
        : QObject(QCoreApplication::instance())
        , m_interceptor(interceptor)
        , m_url(url)
        , m_method(method)
    {
    }

    void run(const QNetworkRequest &request, const QByteArray &body, bool hasBody, int timeoutMs)
    {
        QNetworkAccessManager *nam = HttpHelper::networkManager();
        if (hasBody)
            m_reply = nam->sendCustomRequest(request, m_method, body);
        else
            m_reply = nam->sendCustomRequest(request, m_method);
        m_reply->setParent(this);
        connect(m_reply, &QNetworkReply::finished, this, [this] { finished(); });
        m_timer.setSingleShot(true);
        connect(&m_timer, &QTimer::timeout, this, [this, timeoutMs] {
            m_timedOutMs = timeoutMs;
            if (m_reply)
                m_reply->abort();
        });
        m_timer.start(timeoutMs);
    }

    // Fails without sending, after the caller has had the chance to set its callbacks.
    void failLater(const Response &failure)
    {
        QTimer::singleShot(0, this, [this, failure] {
            QLOG_WARN() << m_method << HttpHelper::loggableUrl(m_url) << "not sent:" << failure.msg;
            deliver([&] { m_interceptor->onFailure(failure); });
        });
    }

private:
    void finished()
    {
        m_timer.stop();
        const int http = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const QNetworkReply::NetworkError error = m_reply->error();
        const QByteArray body = m_reply->readAll();
        const QString where = HttpHelper::loggableUrl(m_url);

        if (m_timedOutMs > 0) {
            QLOG_WARN() << m_method << where << "timed out after" << m_timedOutMs << "ms";
            fail(Response::failure(Response::Timeout, HttpHelper::timeoutMessage(m_timedOutMs)));
            return;
        }
        if (http == 0 || (error != QNetworkReply::NoError && http >= 200 && http < 300)) {
            QLOG_WARN() << m_method << where << "failed:" << error << m_reply->errorString();
            fail(Response::failure(Response::NetworkError,
                                   HttpHelper::networkErrorMessage(m_reply->errorString())));
            return;
        }
        if (http < 200 || http >= 300) {
            // A refusal may still come as an envelope with its own message; use it then.
            Response r;
            if (Response::parse(body, m_interceptor->envelopeKeys(), &r, nullptr) && !r.isSuccess()) {
                r.httpStatus = http;
                QLOG_WARN() << m_method << where << "HTTP" << http << "status" << r.status << "rc" << r.rc;
                fail(r);
            } else {
                QLOG_WARN() << m_method << where << "HTTP" << http;
                fail(Response::failure(Response::HttpError, HttpHelper::httpErrorMessage(http), http));
            }
            return;
        }
        QLOG_DEBUG() << m_method << where << "HTTP" << http << body.size() << "bytes";
        deliver([&] { m_interceptor->onSuccess(body, http); });
    }

    void fail(const Response &failure)
    {
        deliver([&] { m_interceptor->onFailure(failure); });
    }

    template <class F> void deliver(F &&callback)
    {
        if (!m_interceptor->isContextGone()) {
            callback();
            if (!m_interceptor->isContextGone())
                m_interceptor->onComplete();
        }
        deleteLater();
    }

    std::unique_ptr<IHttpInterceptor> m_interceptor;
    QUrl m_url;
    QByteArray m_method;
    QNetworkReply *m_reply = nullptr;
    QTimer m_timer;
    int m_timedOutMs = 0;
};

} // namespace

HttpClient::HttpClient(const QString &url)
    : m_rawUrl(url.trimmed())
    , m_url(QUrl(url.trimmed()))
{
}

HttpClient &HttpClient::param(const QString &name, const QString &value)
{
    m_params.append({name, value});
    return *this;
}

HttpClient &HttpClient::header(const QByteArray &name, const QByteArray &value)
{
    m_headers.append({name, value});
    return *this;
}

HttpClient &HttpClient::bearerToken(const QString &token)
{
    if (!token.isEmpty())
        header("Authorization", "Bearer " + token.toUtf8());
    return *this;
}

HttpClient &HttpClient::json(const QJsonObject &object)
{
    return body(QJsonDocument(object).toJson(QJsonDocument::Compact), "application/json; charset=utf-8");
}

HttpClient &HttpClient::body(const QByteArray &data, const QByteArray &contentType)
{
    m_body = data;
    m_contentType = contentType;
    m_hasBody = true;
    return *this;
}

HttpClient &HttpClient::timeout(int ms)
{
    m_timeoutMs = ms > 0 ? ms : DefaultTimeoutMs;
    return *this;
}

HttpClient &HttpClient::configKey(const QString &iniKey)
{
    m_configKey = iniKey;
    return *this;
}

void HttpClient::start(const QByteArray &method, IHttpInterceptor *interceptor)
{
    auto *call = new HttpCall(interceptor, m_url, method);
    if (m_rawUrl.isEmpty()) {
        call->failLater(Response::failure(Response::NotConfigured, HttpHelper::notConfiguredMessage(
                                                                       m_configKey.isEmpty() ? QStringLiteral("URL") : m_configKey)));
        return;
    }
    const QString scheme = m_url.scheme().toLower();
    if (!m_url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")) || m_url.host().isEmpty()) {
        call->failLater(Response::failure(Response::NotConfigured, HttpHelper::invalidAddressMessage(m_rawUrl)));
        return;
    }

    QUrl url = m_url;
    QByteArray body = m_body;
    QByteArray contentType = m_contentType;
    bool hasBody = m_hasBody;
    const bool formBody = !m_hasBody && method != "GET" && method != "DELETE" && method != "HEAD";
    if (formBody) {
        body = encodeParams(m_params);
        contentType = "application/x-www-form-urlencoded";
        hasBody = true;
    } else if (!m_params.isEmpty()) {
        const QString old = url.query(QUrl::FullyEncoded);
        const QString added = QString::fromLatin1(encodeParams(m_params));
        url.setQuery(old.isEmpty() ? added : old + QLatin1Char('&') + added, QUrl::TolerantMode);
    }

    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    if (hasBody)
        request.setHeader(QNetworkRequest::ContentTypeHeader, contentType);
    for (const auto &h : qAsConst(m_headers))
        request.setRawHeader(h.first, h.second);
    call->run(request, body, hasBody, m_timeoutMs);
}

void HttpClient::failLater(IHttpInterceptor *interceptor, const Response &failure)
{
    (new HttpCall(interceptor, QUrl(), "-"))->failLater(failure);
}

QByteArray HttpClient::encodeParams(const QList<QPair<QString, QString>> &params)
{
    QByteArray out;
    for (const auto &p : params) {
        if (!out.isEmpty())
            out += '&';
        out += QUrl::toPercentEncoding(p.first) + '=' + QUrl::toPercentEncoding(p.second);
    }
    return out;
}
