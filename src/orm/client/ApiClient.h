#pragma once

#include "orm/client/BaseClient.h"
#include "orm/data/AudioRecordVO.h"
#include "orm/data/UpgradeInfoVO.h"
#include "orm/data/UserVO.h"
#include "orm/http/ArrayInterceptor.h"
#include "orm/http/DataInterceptor.h"
#include "orm/http/DefaultHttpInterceptor.h"

// The calls of the maker's API ("/Server/ApiBaseUrl"). Every call is a POST whose parameters
// travel in a form body (secrets never appear in an address), except editiorSaveRecord, which
// posts the record as JSON. Each returns the request's interceptor, on which the caller sets
// its callbacks (and context) right away.
class ApiClient : public BaseClient
{
public:
    static ApiClient &instance();

    static const QString BaseUrlKey;    // "/Server/ApiBaseUrl"
    static const QString UpgradeUrlKey; // "/Server/UpgradeUrl"

    // Verification codes: a text message to a mainland mobile number (mark "update" for an
    // existing account, empty for a new one) or a mail.
    HttpRequest::DefaultHttpInterceptor *getLoginVerifyCode(const QString &phone, const QString &country,
                                                             const QString &mark);
    HttpRequest::DefaultHttpInterceptor *mailVerifyCode(const QString &account);

    HttpRequest::DataInterceptor<UserVO> *recordLogin(const QString &name, const QString &password,
                                                      const QString &code);
    // Registration; accountKey is "account" (mail) or "phone". Replies with the new user.
    HttpRequest::DataInterceptor<UserVO> *registerAccount(const QString &accountKey, const QString &account,
                                                          const QString &password, const QString &code);
    // Password reset of a mobile account (same request, mark "updatePwd").
    HttpRequest::DefaultHttpInterceptor *modifyPassword(const QString &phone, const QString &password,
                                                        const QString &code);
    HttpRequest::DefaultHttpInterceptor *mailForgetPwd(const QString &account, const QString &password,
                                                       const QString &code);
    HttpRequest::DataInterceptor<UserVO> *getUserInfo(qint64 userid);

    HttpRequest::ArrayInterceptor<AudioRecordVO> *getRecords(const QString &userid);
    HttpRequest::DefaultHttpInterceptor *deleteRecord(qint64 id);
    // ids joined by "|".
    HttpRequest::DefaultHttpInterceptor *deleteRecords(const QString &ids);
    // On success the reply's data text is the share code.
    HttpRequest::DefaultHttpInterceptor *generateRecordShareKey(qint64 id);
    HttpRequest::DataInterceptor<AudioRecordVO> *editiorSaveRecord(const AudioRecordVO *record);

    // The newest version from the upgrade server ("/Server/UpgradeUrl", a full address),
    // asked with the running version and the platform.
    HttpRequest::DataInterceptor<UpgradeInfoVO> *getUpgradeInfo(const QString &currentVersion);

    // The share page of a record on the API server's host: "http://<host>[:port]/record-share/
    // index.html?code=<code>"; empty when the base address is not configured.
    QString recordSharePageUrl(const QString &code) const;

private:
    ApiClient();
};
