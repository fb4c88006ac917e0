#include "orm/http/HttpClient.h"

#include "logging/QsLog.h"
#include "orm/http/BoundedInflater.h"
#include "orm/http/EnvelopeInterceptor.h"
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

constexpr qint64 ReadBufferBytes = 256 * 1024;

// One running request: owns the interceptor, the reply and the deadline; deletes itself
// after the interceptor's completion.
class HttpCall : public QObject
{
public:
    HttpCall(IHttpInterceptor *interceptor, const QUrl &url, const QByteArray &method)
        : QObject(QCoreApplication::instance())
        , m_interceptor(interceptor)
        , m_url(url)
        , m_currentUrl(url)
        , m_method(method)
    {
    }

    void run(const QNetworkRequest &request, const QByteArray &body, bool hasBody, int timeoutMs)
    {
        // A request that carries a body or a token may follow a redirect only to its own origin:
        // a 307/308 would hand the password or the token to whoever the first server names.
        m_carriesCredentials = hasBody || request.hasRawHeader("Authorization");
        QNetworkAccessManager *nam = HttpHelper::networkManager();
        if (hasBody)
            m_reply = nam->sendCustomRequest(request, m_method, body);
        else
            m_reply = nam->sendCustomRequest(request, m_method);
        m_reply->setParent(this);
        // Bounded buffering: the reply is read as it arrives and counted against the cap.
        m_reply->setReadBufferSize(ReadBufferBytes);
        connect(m_reply, &QNetworkReply::metaDataChanged, this, [this] { checkAnnouncedSize(); });
        connect(m_reply, &QNetworkReply::readyRead, this, [this] { readAvailable(); });
        connect(m_reply, &QNetworkReply::redirected, this, [this](const QUrl &to) { onRedirect(to); });
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
            // A request without an address names none rather than leaving a gap in the line.
            const QString where = m_url.isEmpty() ? QStringLiteral("(no address)") : HttpHelper::loggableUrl(m_url);
            QLOG_WARN() << m_method << where << "not sent:" << failure.msg;
            deliver([&] { m_interceptor->onFailure(failure); });
        });
    }

private:
    void checkAnnouncedSize()
    {
        const qint64 announced = m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
        if (announced > HttpClient::MaxReplyBytes)
            refuse(Refusal::TooLarge, QString::number(announced) + QStringLiteral(" bytes announced"));
    }

    void readAvailable()
    {
        if (m_refusal != Refusal::None)
            return;
        const int http = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (http >= 300 && http < 400)
            return; // the body of a redirect
        if (!m_encodingKnown) {
            m_encodingKnown = true;
            const QByteArray encoding = m_reply->rawHeader("Content-Encoding").trimmed().toLower();
            if (encoding == "gzip" || encoding == "x-gzip" || encoding == "deflate")
                m_inflater = std::make_unique<BoundedInflater>(HttpClient::MaxReplyBytes + 1);
        }
        // Counted as received and, for a compressed reply, as inflated: neither may pass the cap.
        const QByteArray chunk = m_reply->read(HttpClient::MaxReplyBytes + 1 - m_received);
        m_received += chunk.size();
        if (m_inflater) {
            if (!m_inflater->feed(chunk, &m_body) && m_body.size() <= HttpClient::MaxReplyBytes) {
                refuse(Refusal::Corrupt, QStringLiteral("compressed body is corrupt"));
                return;
            }
        } else {
            m_body += chunk;
        }
        if (m_received > HttpClient::MaxReplyBytes || m_body.size() > HttpClient::MaxReplyBytes)
            refuse(Refusal::TooLarge, QStringLiteral("more than ") + QString::number(HttpClient::MaxReplyBytes) + QStringLiteral(" bytes"));
    }

    void onRedirect(const QUrl &to)
    {
        // The reply already names the new address; the hop is judged from where it was.
        const QUrl from = m_currentUrl;
        const bool sameOrigin = HttpHelper::sameOrigin(m_url, to);
        const bool downgrade = from.scheme() == QLatin1String("https") && to.scheme() != QLatin1String("https");
        const bool webScheme = to.scheme() == QLatin1String("http") || to.scheme() == QLatin1String("https");
        if (webScheme && !downgrade && (sameOrigin || !m_carriesCredentials)) {
            m_currentUrl = to;
            emit m_reply->redirectAllowed();
            return;
        }
        m_redirectTarget = to;
        refuse(Refusal::Redirect, HttpHelper::loggableUrl(from) + QStringLiteral(" -> ") + HttpHelper::loggableUrl(to));
    }

    enum class Refusal { None, TooLarge, Redirect, Corrupt };

    void refuse(Refusal why, const QString &detail)
    {
        if (m_refusal != Refusal::None)
            return;
        m_refusal = why;
        QLOG_WARN() << m_method << HttpHelper::loggableUrl(m_url) << "reply refused:" << detail;
        m_body.clear();
        m_body.squeeze();
        m_reply->abort();
    }

    void finished()
    {
        m_timer.stop();
        const int http = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const QNetworkReply::NetworkError error = m_reply->error();
        readAvailable();
        const QByteArray body = m_body;
        const QString where = HttpHelper::loggableUrl(m_url);

        if (m_refusal == Refusal::TooLarge) {
            fail(Response::failure(Response::NetworkError, HttpHelper::replyTooLargeMessage()));
            return;
        }
        if (m_refusal == Refusal::Corrupt) {
            fail(Response::failure(Response::MalformedReply, HttpRequest::malformedReplyMessage(QStringLiteral("corrupt compression"))));
            return;
        }
        if (m_refusal == Refusal::Redirect) {
            fail(Response::failure(Response::NetworkError, HttpHelper::redirectRefusedMessage(m_redirectTarget)));
            return;
        }
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
    QUrl m_currentUrl;
    QByteArray m_method;
    QNetworkReply *m_reply = nullptr;
    QTimer m_timer;
    int m_timedOutMs = 0;
    QByteArray m_body;
    qint64 m_received = 0;
    bool m_encodingKnown = false;
    std::unique_ptr<BoundedInflater> m_inflater;
    bool m_carriesCredentials = false;
    Refusal m_refusal = Refusal::None;
    QUrl m_redirectTarget;
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
    // Named by us, so the network layer hands the body over compressed and the call inflates
    // it within the reply limit.
    request.setRawHeader("Accept-Encoding", "gzip, deflate");
    // Every redirect is checked by the call itself (same origin for credentials, no downgrade).
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
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
