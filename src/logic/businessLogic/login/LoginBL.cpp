#include "logic/businessLogic/login/LoginBL.h"

#include "logging/QsLog.h"
#include "orm/client/ApiClient.h"
#include "orm/data/UserVO.h"
#include "qui/Toast.h"
#include "util/AppHelper.h"
#include "util/AtomicFile.h"
#include "util/JsonHelper.h"
#include "util/TrContexts.h"

#include <QFile>
#include <QPointer>
#include <QRegularExpression>

using namespace HttpRequest;

namespace {

// The caller's callback, dropped once its context object is gone.
ILoginBL::Callback guarded(ILoginBL::Callback callback, QObject *context)
{
    if (!callback || !context)
        return callback;
    QPointer<QObject> ctx(context);
    return [callback, ctx](const QString &message, int code) {
        if (ctx)
            callback(message, code);
    };
}

QString serverMessage(const Response &r)
{
    return r.msg.isEmpty() ? TMsg::tr("请求失败 (%1)").arg(r.status) : r.msg;
}

} // namespace

LoginBL &LoginBL::instance()
{
    static LoginBL bl;
    return bl;
}

LoginBL::LoginBL()
{
    qRegisterMetaType<UserVO *>();
}
LoginBL::~LoginBL() = default;

bool LoginBL::isMobileNumber(const QString &account)
{
    // Anchored as a whole: "$" alone would also accept a trailing line break.
    static const QRegularExpression re(QRegularExpression::anchoredPattern(
        QStringLiteral("^1(3\\d|4[5-9]|5[0-35-9]|6[567]|7[0-8]|8\\d|9[0-35-9])\\d{8}$")));
    return re.match(account).hasMatch();
}

bool LoginBL::isEmailAddress(const QString &account)
{
    // Domain labels separated by dots, the last of 2 to 6 letters or digits.
    static const QRegularExpression re(QRegularExpression::anchoredPattern(
        QStringLiteral("^[a-zA-Z0-9_.-]+@[a-zA-Z0-9-]+(\\.[a-zA-Z0-9-]+)*\\.[a-zA-Z0-9]{2,6}$")));
    return re.match(account).hasMatch();
}

QString LoginBL::userFilePath()
{
    return AppHelper::programDir() + QStringLiteral("/config/user");
}

void LoginBL::reloadFromDisk()
{
    m_user.reset();
    ApiClient::instance().setBearerToken(QString());
}

bool LoginBL::isLogin()
{
    UserVO *user = getUser();
    const qint64 id = user ? user->id : 0;
    if (id > 0)
        return true;
    QLOG_INFO() << "登录的user id无效:" << id;
    return false;
}

UserVO *LoginBL::getUser()
{
    if (m_user)
        return m_user.get();
    const QString path = userFilePath();
    QFile file(path);
    if (!file.exists())
        return nullptr;
    if (!file.open(QIODevice::ReadOnly)) {
        QLOG_ERROR() << "cannot read the cached user" << path << file.errorString();
        return nullptr;
    }
    const QByteArray text = file.readAll();
    file.close();
    bool ok = false;
    const QJsonObject object = JsonHelper::parseObject(text, false, &ok);
    if (!ok || object.isEmpty()) {
        const QString kept = AppHelper::keepAside(path);
        QLOG_ERROR() << "cached user cannot be parsed, kept as" << kept;
        return nullptr;
    }
    auto user = std::make_unique<UserVO>();
    user->fromJson(object);
    m_user = std::move(user);
    ApiClient::instance().setBearerToken(m_user->token);
    return m_user.get();
}

void LoginBL::logout()
{
    ++m_generation;
    m_user.reset();
    ApiClient::instance().setBearerToken(QString());
    const QString path = userFilePath();
    if (QFile::exists(path) && !QFile::remove(path)) {
        QLOG_ERROR() << "cannot remove the cached user" << path;
    }
    QLOG_INFO() << "user logged out";
    emit userLogout();
}

bool LoginBL::storeUser(const UserVO &user)
{
    const QString path = userFilePath();
    // Private from its first byte: it holds the token.
    QString error;
    if (!AtomicFile::write(path, user.toJsonText(), &error, QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        QLOG_ERROR() << "cannot write the cached user" << path << error;
        return false;
    }
    return true;
}

void LoginBL::acceptUser(quint64 generation, const UserVO &user, const QString &message,
                         const Callback &callback, const std::function<void(const QString &)> &failed)
{
    if (generation != m_generation) {
        QLOG_INFO() << "account reply dropped: a newer login or a logout came first";
        return;
    }
    if (user.id <= 0) {
        failed(TMsg::tr("服务器返回的用户信息无效"));
        return;
    }
    loggedIn(user, message, callback);
}

void LoginBL::loggedIn(const UserVO &user, const QString &message, const Callback &callback)
{
    storeUser(user);
    m_user = std::make_unique<UserVO>(user);
    // Later calls carry the session token when the server issued one.
    ApiClient::instance().setBearerToken(user.token);
    QLOG_INFO() << "user logged in, id" << user.id;
    if (callback)
        callback(message, 0);
    // The caller may have logged out again inside its callback.
    if (m_user)
        emit userLogin(m_user.get());
}

void LoginBL::sendVerifyCode(bool forRegister, const QString &account, Callback callback, QObject *context)
{
    const bool mobile = isMobileNumber(account);
    if (!mobile && !isEmailAddress(account)) {
        Toast::instance().showMessage(2, TNotify::tr("请输入手机号或者邮箱号"), 1500);
        return;
    }
    const QString sent = mobile ? TMsg::tr("验证码短信已发出!") : TMsg::tr("验证码邮件已发出!");
    DefaultHttpInterceptor *r = mobile
        ? ApiClient::instance().getLoginVerifyCode(account, QStringLiteral("86"),
                                                   forRegister ? QString() : QStringLiteral("update"))
        : ApiClient::instance().mailVerifyCode(account);
    const bool hasCallback = bool(callback);
    const Callback cb = guarded(std::move(callback), context);
    r->context(this)
        .success([cb, sent, hasCallback](const Response &) {
            if (hasCallback)
                cb(sent, 0);
            else
                Toast::instance().showMessage(0, sent, 2000);
        })
        .fail([cb](const Response &response, int code) {
            const QString msg = serverMessage(response);
            QLOG_WARN() << "verification code refused:" << code << msg;
            Toast::instance().showMessage(1, msg, 2000);
            if (cb)
                cb(msg, code != 0 ? code : 1);
        });
}

void LoginBL::login(const QString &account, const QString &password, const QString &code, Callback callback,
                    QObject *context)
{
    if (account.isEmpty() || (password.isEmpty() && code.isEmpty())) {
        Toast::instance().showMessage(2, TNotify::tr("账号，密码或验证码无效!"), 2000);
        return;
    }
    const Callback cb = guarded(std::move(callback), context);
    auto failed = [cb](const QString &msg) {
        QLOG_WARN() << "login failed:" << msg;
        if (cb)
            cb(TMsg::tr("登录失败:") + QLatin1Char(' ') + msg, 1);
    };
    const quint64 generation = ++m_generation;
    ApiClient::instance()
        .recordLogin(account, password, code)
        ->context(this)
        .success([this, cb, failed, generation](const Response &, const UserVO &user) {
            acceptUser(generation, user, TMsg::tr("登录成功!"), cb, failed);
        })
        .fail([failed](const Response &response, int) { failed(serverMessage(response)); });
}

void LoginBL::registerUser(const QString &account, const QString &password, const QString &code,
                           Callback callback, QObject *context)
{
    const bool mobile = isMobileNumber(account);
    if (!mobile && !isEmailAddress(account)) {
        Toast::instance().showMessage(2, TNotify::tr("请输入有效的手机号或者邮箱"), 1000);
        return;
    }
    const Callback cb = guarded(std::move(callback), context);
    auto failed = [cb](const QString &msg) {
        QLOG_WARN() << "registration failed:" << msg;
        if (cb)
            cb(TMsg::tr("注册失败:") + msg, 1);
    };
    const quint64 generation = ++m_generation;
    ApiClient::instance()
        .registerAccount(mobile ? QStringLiteral("phone") : QStringLiteral("account"), account, password, code)
        ->context(this)
        .success([this, cb, failed, generation](const Response &, const UserVO &user) {
            acceptUser(generation, user, TMsg::tr("注册成功!"), cb, failed);
        })
        .fail([failed](const Response &response, int) { failed(serverMessage(response)); });
}

void LoginBL::resetPassword(const QString &account, const QString &password, const QString &code,
                            Callback callback, QObject *context)
{
    const bool mobile = isMobileNumber(account);
    if (!mobile && !isEmailAddress(account)) {
        Toast::instance().showMessage(2, TNotify::tr("请输入有效的手机号或者邮箱"), 1000);
        return;
    }
    const Callback cb = guarded(std::move(callback), context);
    DefaultHttpInterceptor *r = mobile ? ApiClient::instance().modifyPassword(account, password, code)
                                       : ApiClient::instance().mailForgetPwd(account, password, code);
    r->context(this)
        .success([cb](const Response &) {
            QLOG_INFO() << "password reset";
            if (cb)
                cb(TMsg::tr("密码重置成功!"), 0);
        })
        .fail([cb](const Response &response, int) {
            const QString msg = serverMessage(response);
            QLOG_WARN() << "password reset failed:" << msg;
            if (cb)
                cb(TMsg::tr("密码重置失败:") + msg, 1);
        });
}
