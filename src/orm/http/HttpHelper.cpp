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
