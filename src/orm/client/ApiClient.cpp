#include "orm/client/ApiClient.h"

#include <QUrl>

using namespace HttpRequest;

const QString ApiClient::BaseUrlKey = QStringLiteral("/Server/ApiBaseUrl");
const QString ApiClient::UpgradeUrlKey = QStringLiteral("/Server/UpgradeUrl");

ApiClient &ApiClient::instance()
{
    static ApiClient client;
    return client;
}

ApiClient::ApiClient()
    : BaseClient(BaseUrlKey)
{
}

DefaultHttpInterceptor *ApiClient::getLoginVerifyCode(const QString &phone, const QString &country,
                                                      const QString &mark)
{
    HttpClient c = request(QStringLiteral("getLoginVerifyCode.json"));
    c.param(QStringLiteral("phone"), phone).param(QStringLiteral("country"), country);
    if (!mark.isEmpty())
        c.param(QStringLiteral("mark"), mark);
    return c.post(interceptor<DefaultHttpInterceptor>());
}

DefaultHttpInterceptor *ApiClient::mailVerifyCode(const QString &account)
{
    return request(QStringLiteral("mailVerifyCode"))
        .param(QStringLiteral("account"), account)
        .post(interceptor<DefaultHttpInterceptor>());
}

DataInterceptor<UserVO> *ApiClient::recordLogin(const QString &name, const QString &password, const QString &code)
{
    return request(QStringLiteral("recordLogin.json"))
        .param(QStringLiteral("name"), name)
        .param(QStringLiteral("password"), password)
        .param(QStringLiteral("code"), code)
        .post(interceptor<DataInterceptor<UserVO>>());
}

DataInterceptor<UserVO> *ApiClient::registerAccount(const QString &accountKey, const QString &account,
                                                    const QString &password, const QString &code)
{
    return request(QStringLiteral("registerAndModifyPwd"))
        .param(accountKey, account)
        .param(QStringLiteral("mark"), QString())
        .param(QStringLiteral("password"), password)
        .param(QStringLiteral("code"), code)
        .post(interceptor<DataInterceptor<UserVO>>());
}

DefaultHttpInterceptor *ApiClient::modifyPassword(const QString &phone, const QString &password, const QString &code)
{
    return request(QStringLiteral("registerAndModifyPwd"))
        .param(QStringLiteral("phone"), phone)
        .param(QStringLiteral("mark"), QStringLiteral("updatePwd"))
        .param(QStringLiteral("password"), password)
        .param(QStringLiteral("code"), code)
        .post(interceptor<DefaultHttpInterceptor>());
}

DefaultHttpInterceptor *ApiClient::mailForgetPwd(const QString &account, const QString &password, const QString &code)
{
    return request(QStringLiteral("mailForgetPwd"))
        .param(QStringLiteral("password"), password)
        .param(QStringLiteral("code"), code)
        .param(QStringLiteral("account"), account)
        .post(interceptor<DefaultHttpInterceptor>());
}

DataInterceptor<UserVO> *ApiClient::getUserInfo(qint64 userid)
{
    return request(QStringLiteral("getUserInfo"))
        .param(QStringLiteral("userid"), QString::number(userid))
        .post(interceptor<DataInterceptor<UserVO>>());
}

ArrayInterceptor<AudioRecordVO> *ApiClient::getRecords(const QString &userid)
{
    return request(QStringLiteral("getRecords.json"))
        .param(QStringLiteral("userid"), userid)
        .post(interceptor<ArrayInterceptor<AudioRecordVO>>());
}

DefaultHttpInterceptor *ApiClient::deleteRecord(qint64 id)
{
    return deleteRecords(QString::number(id));
}

DefaultHttpInterceptor *ApiClient::deleteRecords(const QString &ids)
{
    return request(QStringLiteral("deleteRecord"))
        .param(QStringLiteral("id"), ids)
        .post(interceptor<DefaultHttpInterceptor>());
}

DefaultHttpInterceptor *ApiClient::generateRecordShareKey(qint64 id)
{
    return request(QStringLiteral("generateRecordShareKey"))
        .param(QStringLiteral("id"), QString::number(id))
        .post(interceptor<DefaultHttpInterceptor>());
}

DataInterceptor<AudioRecordVO> *ApiClient::editiorSaveRecord(const AudioRecordVO *record)
{
    HttpClient c = request(QStringLiteral("editiorSaveRecord"));
    if (record)
        c.json(record->toJson());
    else
        c.json(QJsonObject());
    return c.post(interceptor<DataInterceptor<AudioRecordVO>>());
}

DataInterceptor<UpgradeInfoVO> *ApiClient::getUpgradeInfo(const QString &currentVersion)
{
    return requestAt(UpgradeUrlKey)
        .param(QStringLiteral("version"), currentVersion)
        .param(QStringLiteral("platform"), QStringLiteral("linux"))
        .post(interceptor<DataInterceptor<UpgradeInfoVO>>());
}

QString ApiClient::recordSharePageUrl(const QString &code) const
{
    const QUrl base(baseUrl());
    if (!base.isValid() || base.host().isEmpty())
        return QString();
    QUrl page;
    page.setScheme(QStringLiteral("http"));
    page.setHost(base.host());
    if (base.port() != -1)
        page.setPort(base.port());
    page.setPath(QStringLiteral("/record-share/index.html"));
    page.setQuery(QStringLiteral("code=") + QString::fromLatin1(QUrl::toPercentEncoding(code)), QUrl::TolerantMode);
    return page.toString(QUrl::FullyEncoded);
}
