#include "logic/businessLogic/AsrEngine/XfIatAsrEngine.h"

#include "config/Configurations.h"
#include "logging/QsLog.h"
#include "util/TrContexts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QMessageAuthenticationCode>
#include <QWebSocket>

namespace {
QString ini(const char *key)
{
    return Configurations::instance().value(QLatin1String(key)).toString().trimmed();
}

void sendJson(QWebSocket *socket, const QJsonObject &obj)
{
    socket->sendTextMessage(QString::fromUtf8(QJsonDocument(obj).toJson(QJsonDocument::Compact)));
}
} // namespace

XfIatAsrEngine::XfIatAsrEngine(const QString &language, const QString &accent, QObject *parent)
    : StreamingAsrEngine(parent), m_language(language), m_accent(accent)
{
}

QString XfIatAsrEngine::name() const
{
    return TMsg::tr("讯飞语音听写");
}

QString XfIatAsrEngine::rfc1123(const QDateTime &utc)
{
    return QLocale::c().toString(utc.toUTC(), QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'"));
}

QUrl XfIatAsrEngine::signedUrl(const QUrl &base, const QString &apiKey, const QString &apiSecret,
                               const QDateTime &utc)
{
    const QString date = rfc1123(utc);
    const QString host = base.host();
    const QString path = base.path().isEmpty() ? QStringLiteral("/") : base.path();
    const QString origin =
        QStringLiteral("host: %1\ndate: %2\nGET %3 HTTP/1.1").arg(host, date, path);
    const QByteArray signature = QMessageAuthenticationCode::hash(origin.toUtf8(), apiSecret.toUtf8(),
                                                                  QCryptographicHash::Sha256)
                                     .toBase64();
    const QString authorization =
        QStringLiteral("api_key=\"%1\", algorithm=\"hmac-sha256\", headers=\"host date request-line\", "
                       "signature=\"%2\"")
            .arg(apiKey, QString::fromLatin1(signature));
    const QByteArray query = "authorization=" + QUrl::toPercentEncoding(QString::fromLatin1(authorization.toUtf8().toBase64()))
                             + "&date=" + QUrl::toPercentEncoding(date)
                             + "&host=" + QUrl::toPercentEncoding(host);
    QUrl url(base);
    url.setQuery(QString::fromLatin1(query), QUrl::StrictMode);
    return url;
}

bool XfIatAsrEngine::checkConfig(QString *reason) const
{
    const QUrl url(ini("/Xf/IatUrl"));
    const bool urlOk = url.isValid() && (url.scheme() == QLatin1String("ws") || url.scheme() == QLatin1String("wss"));
    if (!urlOk || ini("/Xf/AppId").isEmpty() || ini("/Xf/ApiKey").isEmpty() || ini("/Xf/ApiSecret").isEmpty()) {
        *reason = TMsg::tr("讯飞语音听写未配置");
        return false;
    }
    return true;
}

QUrl XfIatAsrEngine::sessionUrl() const
{
    return signedUrl(QUrl(ini("/Xf/IatUrl")), ini("/Xf/ApiKey"), ini("/Xf/ApiSecret"),
                     QDateTime::currentDateTimeUtc());
}

void XfIatAsrEngine::sendStart(QWebSocket *socket)
{
    Q_UNUSED(socket)
    m_segments.clear(); // the first audio frame carries the session parameters
}

void XfIatAsrEngine::sendAudio(QWebSocket *socket, const QByteArray &chunk, bool first)
{
    QJsonObject data{{"status", first ? 0 : 1},
                     {"format", "audio/L16;rate=16000"},
                     {"encoding", "raw"},
                     {"audio", QString::fromLatin1(chunk.toBase64())}};
    QJsonObject frame{{"data", data}};
    if (first) {
        QJsonObject business{{"language", m_language}, {"domain", "iat"}, {"dwa", "wpgs"}};
        if (!m_accent.isEmpty())
            business.insert("accent", m_accent);
        frame.insert("common", QJsonObject{{"app_id", ini("/Xf/AppId")}});
        frame.insert("business", business);
    }
    sendJson(socket, frame);
}

void XfIatAsrEngine::sendEnd(QWebSocket *socket)
{
    sendJson(socket, QJsonObject{{"data", QJsonObject{{"status", 2},
                                                      {"format", "audio/L16;rate=16000"},
                                                      {"encoding", "raw"},
                                                      {"audio", ""}}}});
}

void XfIatAsrEngine::parseText(const QString &message)
{
    const QJsonObject obj = QJsonDocument::fromJson(message.toUtf8()).object();
    const int code = obj.value("code").toInt(-1);
    if (code != 0) {
        failRun(code, obj.value("message").toString());
        return;
    }
    const QJsonObject data = obj.value("data").toObject();
    const QJsonObject result = data.value("result").toObject();
    if (!result.isEmpty()) {
        QString words;
        const QJsonArray ws = result.value("ws").toArray();
        for (const QJsonValue &w : ws) {
            const QJsonArray cw = w.toObject().value("cw").toArray();
            if (!cw.isEmpty())
                words += cw.first().toObject().value("w").toString();
        }
        const int sn = result.value("sn").toInt();
        if (result.value("pgs").toString() == QLatin1String("rpl")) {
            const QJsonArray rg = result.value("rg").toArray();
            for (int i = rg.at(0).toInt(); i <= rg.at(1).toInt(); ++i)
                m_segments.remove(i);
        }
        m_segments.insert(sn, words);
    }
    QString text;
    for (const QString &p : qAsConst(m_segments))
        text += p;
    if (data.value("status").toInt() == 2)
        sessionDone(text);
    else if (!result.isEmpty())
        sentenceResult(text, false);
}
