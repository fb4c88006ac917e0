#include "logic/client/BaiduClient.h"

#include "config/Configurations.h"
#include "logging/QsLog.h"
#include "orm/http/HttpHelper.h"
#include "qui/Toast.h"
#include "util/TrContexts.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QRandomGenerator>
#include <QUrlQuery>

BaiduClient::BaiduClient(QObject *parent) : QObject(parent), m_network(new QNetworkAccessManager(this)) {}

QString BaiduClient::sign(const QString &appId, const QString &text, const QString &salt, const QString &secret)
{
    const QByteArray source = (appId + text + salt + secret).toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(source, QCryptographicHash::Md5).toHex());
}

void BaiduClient::report(const QString &message, const FailCallback &fail)
{
    QLOG_ERROR() << "translation failed:" << message;
    emit failed(message);
    // The caller is asked first: a dropped request shows nothing.
    if (fail && !fail(message))
        return;
    Toast::instance().showMessage(2, TNotify::tr("翻译失败：%1").arg(message), 2000);
}

QString BaiduClient::failureMessage(QNetworkReply *reply, const QByteArray &body)
{
    const QJsonObject obj = QJsonDocument::fromJson(body).object();
    const QString serverMessage = obj.value(QLatin1String("error_msg")).toString().trimmed();
    if (!serverMessage.isEmpty())
        return serverMessage;
    const int http = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (http >= 400)
        return HttpHelper::httpErrorMessage(http);
    switch (reply->error()) {
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError: // the transfer timeout aborts the reply
        return HttpHelper::timeoutMessage(TimeoutMs);
    default:
        return TNotify::tr("无法连接翻译服务");
    }
}

void BaiduClient::translate(const QString &text, const QString &from, const QString &to, Callback done,
                            QObject *context, FailCallback fail)
{
    auto &config = Configurations::instance();
    const QUrl url(config.value(QStringLiteral("/Baidu/TranslateUrl")).toString().trimmed());
    const QString appId = config.value(QStringLiteral("/Baidu/AppId")).toString().trimmed();
    const QString secret = config.value(QStringLiteral("/Baidu/Secret")).toString().trimmed();
    if (!url.isValid() || url.host().isEmpty() || appId.isEmpty() || secret.isEmpty()) {
        report(TNotify::tr("百度翻译未配置"), fail);
        return;
    }
    if (text.trimmed().isEmpty()) {
        report(TNotify::tr("没有要翻译的文本"), fail);
        return;
    }
    const QString salt = QString::number(QRandomGenerator::global()->bounded(10000, 99999999));
    QUrlQuery form;
    // Baidu expects form encoding: '+' and '&' in the text must be escaped.
    auto enc = [](const QString &v) { return QString::fromLatin1(QUrl::toPercentEncoding(v)); };
    form.addQueryItem(QStringLiteral("q"), enc(text));
    form.addQueryItem(QStringLiteral("from"), enc(from.isEmpty() ? QStringLiteral("auto") : from));
    form.addQueryItem(QStringLiteral("to"), enc(to));
    form.addQueryItem(QStringLiteral("appid"), enc(appId));
    form.addQueryItem(QStringLiteral("salt"), salt);
    form.addQueryItem(QStringLiteral("sign"), sign(appId, text, salt, secret));

    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/x-www-form-urlencoded"));
    request.setTransferTimeout(TimeoutMs);
    QNetworkReply *reply = m_network->post(request, form.query(QUrl::FullyEncoded).toLatin1());
    QPointer<QObject> guard(context);
    const bool hasContext = context != nullptr;
    connect(reply, &QNetworkReply::finished, this, [this, reply, done, fail, guard, hasContext] {
        reply->deleteLater();
        if (hasContext && !guard)
            return; // the caller is gone
        const QByteArray body = reply->readAll();
        if (reply->error() != QNetworkReply::NoError) {
            // Qt's text names the request's address: for the log only.
            QLOG_WARN() << "translation reply:" << HttpHelper::loggableUrl(reply->url()) << reply->error();
            report(failureMessage(reply, body), fail);
            return;
        }
        const QJsonObject obj = QJsonDocument::fromJson(body).object();
        if (obj.contains(QLatin1String("error_code"))) {
            const QJsonValue code = obj.value("error_code");
            const QString codeText = code.isString() ? code.toString() : QString::number(code.toInt());
            report(QStringLiteral("%1 %2").arg(codeText, obj.value("error_msg").toString()), fail);
            return;
        }
        QStringList lines;
        const QJsonArray results = obj.value("trans_result").toArray();
        for (const QJsonValue &v : results)
            lines << v.toObject().value("dst").toString();
        if (lines.isEmpty()) {
            report(TNotify::tr("翻译结果为空"), fail);
            return;
        }
        if (done)
            done(lines.join(QLatin1Char('\n')), obj.value("from").toString(), obj.value("to").toString());
    });
}
