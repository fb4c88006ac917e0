#include "logic/common/OssCloudHelper.h"

#include "config/Configurations.h"
#include "logging/QsLog.h"
#include "orm/http/HttpClient.h"
#include "orm/http/HttpHelper.h"
#include "orm/http/RawHttpInterceptor.h"
#include "util/TrContexts.h"

#include <QDateTime>
#include <QFile>
#include <QHostAddress>
#include <QLocale>
#include <QMessageAuthenticationCode>
#include <QUrl>

namespace {
const QString EndpointKey = QStringLiteral("/Oss/Endpoint");
const QString BucketKey = QStringLiteral("/Oss/Bucket");
const QString KeyIdKey = QStringLiteral("/Oss/AccessKeyId");
const QString SecretKey = QStringLiteral("/Oss/AccessKeySecret");

QString text(const QString &key)
{
    return Configurations::instance().value(key).toString().trimmed();
}

QByteArray canonicalResource(const OssCloudHelper::Settings &s, const QString &objectName)
{
    return "/" + s.bucket.toUtf8() + "/" + objectName.toUtf8();
}
} // namespace

OssCloudHelper::Settings OssCloudHelper::Settings::fromConfig()
{
    return {text(EndpointKey), text(BucketKey), text(KeyIdKey), text(SecretKey)};
}

QString OssCloudHelper::Settings::missingKey() const
{
    if (endpoint.isEmpty())
        return EndpointKey;
    if (bucket.isEmpty())
        return BucketKey;
    if (accessKeyId.isEmpty())
        return KeyIdKey;
    if (accessKeySecret.isEmpty())
        return SecretKey;
    return QString();
}

QByteArray OssCloudHelper::signature(const QString &secret, const QByteArray &stringToSign)
{
    return QMessageAuthenticationCode::hash(stringToSign, secret.toUtf8(), QCryptographicHash::Sha1).toBase64();
}

QString OssCloudHelper::objectUrl(const Settings &s, const QString &objectName)
{
    QString endpoint = s.endpoint;
    if (!endpoint.contains(QLatin1String("://")))
        endpoint = QStringLiteral("https://") + endpoint;
    const QUrl base(endpoint);
    const QString object = QString::fromLatin1(QUrl::toPercentEncoding(objectName, "/"));
    QString authority = base.host();
    QString path = QLatin1Char('/') + object;
    if (QHostAddress(base.host()).isNull())
        authority = s.bucket + QLatin1Char('.') + base.host();
    else
        path = QLatin1Char('/') + s.bucket + path;
    if (base.port() != -1)
        authority += QLatin1Char(':') + QString::number(base.port());
    return base.scheme() + QStringLiteral("://") + authority + path;
}

QString OssCloudHelper::generatePresignedUrl(const QString &objectName, qint64 expires, QString *error)
{
    const Settings s = Settings::fromConfig();
    const QString missing = s.missingKey();
    if (!missing.isEmpty()) {
        const QString why = HttpHelper::notConfiguredMessage(missing);
        QLOG_ERROR() << "cannot sign a storage link:" << why;
        if (error)
            *error = why;
        return QString();
    }
    const QByteArray toSign = "GET\n\n\n" + QByteArray::number(expires) + "\n" + canonicalResource(s, objectName);
    const QByteArray sig = signature(s.accessKeySecret, toSign);
    return objectUrl(s, objectName) + QStringLiteral("?OSSAccessKeyId=")
        + QString::fromLatin1(QUrl::toPercentEncoding(s.accessKeyId)) + QStringLiteral("&Expires=")
        + QString::number(expires) + QStringLiteral("&Signature=") + QString::fromLatin1(QUrl::toPercentEncoding(sig));
}

HttpRequest::RawHttpInterceptor *OssCloudHelper::uploadFile(const QString &objectName, const QString &localPath,
                                                            const QByteArray &contentType)
{
    auto *interceptor = new HttpRequest::RawHttpInterceptor;
    const Settings s = Settings::fromConfig();
    const QString missing = s.missingKey();
    if (!missing.isEmpty())
        return HttpClient(QString()).configKey(missing).put(interceptor);

    QFile file(localPath);
    if (!file.open(QIODevice::ReadOnly)) {
        QLOG_ERROR() << "cannot read" << localPath << "for upload:" << file.errorString();
        return HttpClient::fail(interceptor, HttpRequest::Response::failure(
                                                 HttpRequest::Response::NotConfigured,
                                                 TMsg::tr("无法读取文件: %1").arg(localPath)));
    }
    const QByteArray data = file.readAll();
    const QByteArray date = QLocale::c()
                                .toString(QDateTime::currentDateTimeUtc(), QStringLiteral("ddd, dd MMM yyyy hh:mm:ss"))
                                .toLatin1()
        + " GMT";
    const QByteArray toSign = "PUT\n\n" + contentType + "\n" + date + "\n" + canonicalResource(s, objectName);
    const QByteArray auth = "OSS " + s.accessKeyId.toUtf8() + ":" + signature(s.accessKeySecret, toSign);
    return HttpClient(objectUrl(s, objectName))
        .header("Date", date)
        .header("Authorization", auth)
        .body(data, contentType)
        .timeout(120000)
        .put(interceptor);
}
