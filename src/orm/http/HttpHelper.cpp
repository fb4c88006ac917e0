#include "orm/http/HttpHelper.h"

#include "logging/QsLog.h"
#include "orm/http/EnvelopeInterceptor.h"
#include "util/TrContexts.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QPointer>

namespace HttpHelper {

QNetworkAccessManager *networkManager()
{
    static QPointer<QNetworkAccessManager> manager;
    if (!manager) {
        manager = new QNetworkAccessManager(QCoreApplication::instance());
        // Each request sets its own policy; this one covers any that does not.
        manager->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
    }
    return manager;
}

QString notConfiguredMessage(const QString &iniKey)
{
    return TMsg::tr("服务器地址未配置 (%1)").arg(iniKey);
}

QString invalidAddressMessage(const QString &url)
{
    return TMsg::tr("服务器地址无效: %1").arg(loggableUrl(QUrl(url)));
}

QString timeoutMessage(int ms)
{
    return TMsg::tr("请求超时, 服务器在%1秒内没有响应").arg((ms + 999) / 1000);
}

QString networkErrorMessage(const QString &detail)
{
    return TMsg::tr("网络连接失败: %1").arg(detail);
}

QString httpErrorMessage(int httpStatus)
{
    return TMsg::tr("服务器错误 (HTTP %1)").arg(httpStatus);
}

QString replyTooLargeMessage()
{
    return TMsg::tr("服务器返回的数据过大, 已中止");
}

QString redirectRefusedMessage(const QUrl &target)
{
    return TMsg::tr("服务器将请求转到其他地址, 已拒绝: %1").arg(loggableUrl(target));
}

bool sameOrigin(const QUrl &a, const QUrl &b)
{
    auto defaultPort = [](const QUrl &u) { return u.scheme() == QLatin1String("https") ? 443 : 80; };
    return a.scheme().compare(b.scheme(), Qt::CaseInsensitive) == 0
        && a.host().compare(b.host(), Qt::CaseInsensitive) == 0
        && a.port(defaultPort(a)) == b.port(defaultPort(b));
}

QString loggableUrl(const QUrl &url)
{
    return url.adjusted(QUrl::RemoveQuery | QUrl::RemoveUserInfo | QUrl::RemoveFragment).toString();
}

QString joinUrl(const QString &base, const QString &name)
{
    QString b = base.trimmed();
    while (b.endsWith(QLatin1Char('/')))
        b.chop(1);
    QString n = name;
    while (n.startsWith(QLatin1Char('/')))
        n.remove(0, 1);
    return n.isEmpty() ? b : b + QLatin1Char('/') + n;
}

} // namespace HttpHelper

namespace HttpRequest {
QString malformedReplyMessage(const QString &why)
{
    QLOG_WARN() << "reply is no valid envelope:" << why;
    return TMsg::tr("服务器返回的数据无效");
}
} // namespace HttpRequest
