#include "config/Configurations.h"
#include "logging/Logger.h"
#include "logic/businessLogic/login/LoginBL.h"
#include "orm/client/ApiClient.h"
#include "orm/data/UserVO.h"
#include "support/FullDisk.h"
#include "support/LoopbackHttpServer.h"
#include "support/TestHome.h"
#include "support/ToastRecorder.h"

#include <QFile>
#include <QJsonObject>
#include <QtTest>
#include <memory>

namespace {
struct Result {
    int calls = 0;
    QString message;
    int code = -1000;
};

LoginBL::Callback record(Result *r)
{
    return [r](const QString &message, int code) {
        ++r->calls;
        r->message = message;
        r->code = code;
    };
}

QJsonObject userJson(qint64 id, const QString &name)
{
    return {{QStringLiteral("id"), double(id)}, {QStringLiteral("name"), name},
            {QStringLiteral("phone"), QStringLiteral("13800138000")}, {QStringLiteral("token"), QStringLiteral("tok-XYZ")}};
}
} // namespace

class TestLoginBL : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void accountPatterns_data();
    void accountPatterns();

    void verifyCodeRefusesInvalidAccount();
    void verifyCodeRequests_data();
    void verifyCodeRequests();
    void verifyCodeWithoutCallbackShowsToast();
    void verifyCodeFailure_data();
    void verifyCodeFailure();

    void loginRefusesEmptyInput_data();
    void loginRefusesEmptyInput();
    void loginSuccessCachesUser();
    void cachedUserSurvivesRestart();
    void unreadableCacheIsKeptAside();
    void aUserCachedOnAFullDiskKeepsTheFile();
    void loginFailure_data();
    void loginFailure();
    void loginWithDeletedContextStillLogsIn();

    void registerRequests_data();
    void registerRequests();
    void registerFailure();
    void registerRefusesInvalidAccount();

    void resetRequests_data();
    void resetRequests();
    void resetFailure();

    void logoutClearsUser();
    void replyAfterLogoutIsDropped();
    void tokenTravelsWithLaterCalls();
    void secretsNeverLogged();

private:
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<LoopbackHttpServer> m_server;
};

void TestLoginBL::init()
{
    m_home = std::make_unique<TestHome>();
    m_server = std::make_unique<LoopbackHttpServer>();
    Configurations::instance().setValue(QStringLiteral("/Server/ApiBaseUrl"), m_server->baseUrl() + QStringLiteral("/api/"));
    LoginBL::instance().reloadFromDisk();
}

void TestLoginBL::cleanup()
{
    LoginBL::instance().reloadFromDisk();
    m_server.reset();
    m_home.reset();
}

void TestLoginBL::accountPatterns_data()
{
    QTest::addColumn<QString>("account");
    QTest::addColumn<bool>("mobile");
    QTest::addColumn<bool>("email");
    for (const char *m : {"13800138000", "14512345678", "15012345678", "15912345678", "16612345678", "17012345678",
                          "17812345678", "18812345678", "19012345678", "19912345678"})
        QTest::newRow(m) << QString::fromLatin1(m) << true << false;
    for (const char *m : {"12800138000", "1380013800", "138001380000", "14412345678", "15412345678", "16412345678",
                          "17912345678", "19412345678", "+8613800138000", " 13800138000", "13800138000 ",
                          "1380013800a", "２3800138000"})
        QTest::newRow(m) << QString::fromUtf8(m) << false << false;
    for (const char *e : {"a@b.cn", "first.last@mail.qq.com", "x_y-z@sub-domain.example.org", "A1@B2.COM",
                          "user@host.abcdef"})
        QTest::newRow(e) << QString::fromLatin1(e) << false << true;
    for (const char *e : {"a@b", "a@b.c", "a b@c.com", "a@b.abcdefg", "@b.com", "a@@b.com", "a@b..com", "a@.com",
                          "用户@b.com", "a@b.com\n", ""})
        QTest::newRow(e) << QString::fromUtf8(e) << false << false;
}

void TestLoginBL::accountPatterns()
{
    QFETCH(QString, account);
    QFETCH(bool, mobile);
    QFETCH(bool, email);
    QCOMPARE(LoginBL::isMobileNumber(account), mobile);
    QCOMPARE(LoginBL::isEmailAddress(account), email);
}

void TestLoginBL::verifyCodeRefusesInvalidAccount()
{
    ToastRecorder toasts;
    Result r;
    LoginBL::instance().sendVerifyCode(false, QStringLiteral("12345"), record(&r));
    QTest::qWait(100);
    QCOMPARE(r.calls, 0);
    QCOMPARE(toasts.entries.size(), 1);
    QCOMPARE(toasts.entries[0].type, 2);
    QCOMPARE(toasts.entries[0].text, QStringLiteral("请输入手机号或者邮箱号"));
    QCOMPARE(toasts.entries[0].msec, 1500);
    QCOMPARE(m_server->requests.size(), 0);
}

void TestLoginBL::verifyCodeRequests_data()
{
    QTest::addColumn<bool>("forRegister");
    QTest::addColumn<QString>("account");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("mark"); // "-": no mark parameter
    QTest::addColumn<QString>("message");
    QTest::newRow("mobile, login") << false << "13800138000" << "/api/getLoginVerifyCode.json" << "update"
                                   << "验证码短信已发出!";
    QTest::newRow("mobile, register") << true << "13800138000" << "/api/getLoginVerifyCode.json" << "-"
                                      << "验证码短信已发出!";
    QTest::newRow("mail, login") << false << "me@example.com" << "/api/mailVerifyCode" << "-" << "验证码邮件已发出!";
    QTest::newRow("mail, register") << true << "me@example.com" << "/api/mailVerifyCode" << "-" << "验证码邮件已发出!";
}

void TestLoginBL::verifyCodeRequests()
{
    QFETCH(bool, forRegister);
    QFETCH(QString, account);
    QFETCH(QString, path);
    QFETCH(QString, mark);
    QFETCH(QString, message);
    m_server->setEnvelope(path, 0, QStringLiteral("sent"));
    ToastRecorder toasts;
    Result r;
    LoginBL::instance().sendVerifyCode(forRegister, account, record(&r));
    QTRY_COMPARE(r.calls, 1);
    QCOMPARE(r.message, message);
    QCOMPARE(r.code, 0);
    QCOMPARE(toasts.entries.size(), 0); // the caller shows it
    const auto req = m_server->last(path);
    if (path.endsWith(QLatin1String(".json"))) {
        QCOMPARE(req.param(QStringLiteral("phone")), account);
        QCOMPARE(req.param(QStringLiteral("country")), QStringLiteral("86"));
    } else {
        QCOMPARE(req.param(QStringLiteral("account")), account);
    }
    QCOMPARE(req.hasParam(QStringLiteral("mark")), mark != QLatin1String("-"));
    if (mark != QLatin1String("-"))
        QCOMPARE(req.param(QStringLiteral("mark")), mark);
}

void TestLoginBL::verifyCodeWithoutCallbackShowsToast()
{
    m_server->setEnvelope(QStringLiteral("/api/mailVerifyCode"), 0, QString());
    ToastRecorder toasts;
    LoginBL::instance().sendVerifyCode(true, QStringLiteral("me@example.com"));
    QTRY_COMPARE(toasts.entries.size(), 1);
    QCOMPARE(toasts.entries[0].type, 0);
    QCOMPARE(toasts.entries[0].text, QStringLiteral("验证码邮件已发出!"));
    QCOMPARE(toasts.entries[0].msec, 2000);
}

void TestLoginBL::verifyCodeFailure_data()
{
    QTest::addColumn<bool>("serverUp");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("code");
    QTest::newRow("refused") << true << "发送太频繁" << 4001;
    QTest::newRow("not configured") << false << "服务器地址未配置 (/Server/ApiBaseUrl)" << -1;
}

void TestLoginBL::verifyCodeFailure()
{
    QFETCH(bool, serverUp);
    QFETCH(QString, message);
    QFETCH(int, code);
    if (serverUp)
        m_server->setEnvelope(QStringLiteral("/api/getLoginVerifyCode.json"), code, message);
    else
        Configurations::instance().setValue(QStringLiteral("/Server/ApiBaseUrl"), QString());
    ToastRecorder toasts;
    Result r;
    LoginBL::instance().sendVerifyCode(false, QStringLiteral("13800138000"), [&](const QString &m, int c) {
        QCOMPARE(toasts.entries.size(), 1); // the toast comes first
        record(&r)(m, c);
    });
    QTRY_COMPARE(r.calls, 1);
    QCOMPARE(r.message, message);
    QCOMPARE(r.code, code);
    QVERIFY(r.code != 0);
    QCOMPARE(toasts.entries[0].type, 1);
    QCOMPARE(toasts.entries[0].text, message);
    QCOMPARE(toasts.entries[0].msec, 2000);
}

void TestLoginBL::loginRefusesEmptyInput_data()
{
    QTest::addColumn<QString>("account");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("code");
    QTest::newRow("no account") << "" << "pw" << "1234";
    QTest::newRow("no password, no code") << "13800138000" << "" << "";
}

void TestLoginBL::loginRefusesEmptyInput()
{
    QFETCH(QString, account);
    QFETCH(QString, password);
    QFETCH(QString, code);
    ToastRecorder toasts;
    Result r;
    LoginBL::instance().login(account, password, code, record(&r));
    QTest::qWait(100);
    QCOMPARE(r.calls, 0);
    QCOMPARE(m_server->requests.size(), 0);
    QCOMPARE(toasts.entries.size(), 1);
    QCOMPARE(toasts.entries[0].type, 2);
    QCOMPARE(toasts.entries[0].text, QStringLiteral("账号，密码或验证码无效!"));
    QCOMPARE(toasts.entries[0].msec, 2000);
}

void TestLoginBL::loginSuccessCachesUser()
{
    m_server->setEnvelope(QStringLiteral("/api/recordLogin.json"), 0, QStringLiteral("ok"), userJson(77, QStringLiteral("小明")));
    QStringList order;
    Result r;
    auto c = connect(&LoginBL::instance(), &ILoginBL::userLogin, this, [&](UserVO *user) {
        order << QStringLiteral("signal");
        QVERIFY(user);
        QCOMPARE(user->id, 77);
    });
    LoginBL::instance().login(QStringLiteral("13800138000"), QStringLiteral("pw+&1"), QString(),
                              [&](const QString &m, int code) {
                                  order << QStringLiteral("callback");
                                  record(&r)(m, code);
                              });
    QTRY_COMPARE(order.size(), 2);
    disconnect(c);
    QCOMPARE(order, (QStringList{QStringLiteral("callback"), QStringLiteral("signal")}));
    QCOMPARE(r.message, QStringLiteral("登录成功!"));
    QCOMPARE(r.code, 0);

    const auto req = m_server->last(QStringLiteral("/api/recordLogin.json"));
    QCOMPARE(req.param(QStringLiteral("name")), QStringLiteral("13800138000"));
    QCOMPARE(req.param(QStringLiteral("password")), QStringLiteral("pw+&1"));
    QVERIFY(req.hasParam(QStringLiteral("code")));
    QCOMPARE(req.param(QStringLiteral("code")), QString());

    QVERIFY(LoginBL::instance().isLogin());
    QCOMPARE(LoginBL::instance().getUser()->name, QStringLiteral("小明"));
    const QString path = m_home->file(QStringLiteral("config/user"));
    QVERIFY(QFile::exists(path));
    QCOMPARE(QFile::permissions(path) & 0x7777,
             QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser);
    const QJsonObject cached = QJsonDocument::fromJson(m_home->read(QStringLiteral("config/user"))).object();
    QCOMPARE(cached.value(QStringLiteral("id")).toDouble(), 77.0);
}

void TestLoginBL::cachedUserSurvivesRestart()
{
    m_server->setEnvelope(QStringLiteral("/api/recordLogin.json"), 0, QString(), userJson(9007199254740, QStringLiteral("Ann")));
    Result r;
    LoginBL::instance().login(QStringLiteral("ann@example.com"), QString(), QStringLiteral("123456"), record(&r));
    QTRY_COMPARE(r.calls, 1);
    QCOMPARE(r.code, 0);

    LoginBL::instance().reloadFromDisk(); // as a new program start
    m_home->reload();
    UserVO *user = LoginBL::instance().getUser();
    QVERIFY(user);
    QCOMPARE(user->id, Q_INT64_C(9007199254740));
    QCOMPARE(user->name, QStringLiteral("Ann"));
    QCOMPARE(user->phone, QStringLiteral("13800138000"));
    QVERIFY(LoginBL::instance().isLogin());
}

void TestLoginBL::aUserCachedOnAFullDiskKeepsTheFile()
{
    FullDisk disk(m_home->path());
    Configurations::instance().setValue(QStringLiteral("/Server/ApiBaseUrl"), m_server->baseUrl() + QStringLiteral("/api/"));
    const QString path = m_home->file(QStringLiteral("config/user"));
    m_server->setEnvelope(QStringLiteral("/api/recordLogin.json"), 0, QString(), userJson(77, QStringLiteral("小明")));
    Result r;
    LoginBL::instance().login(QStringLiteral("13800138000"), QStringLiteral("pw"), QString(), record(&r));
    QTRY_COMPARE(r.calls, 1);
    QFile cache(path);
    QVERIFY(cache.open(QIODevice::ReadOnly));
    const QByteArray before = cache.readAll();
    cache.close();
    QVERIFY(before.contains("tok-XYZ"));

    m_server->setEnvelope(QStringLiteral("/api/recordLogin.json"), 0, QString(), userJson(77, QStringLiteral("Ming")));
    disk.fill();
    LoginBL::instance().login(QStringLiteral("13800138000"), QStringLiteral("pw"), QString(), record(&r));
    QTRY_COMPARE(r.calls, 2);
    QCOMPARE(r.code, 0);
    disk.free();
    QVERIFY(cache.open(QIODevice::ReadOnly));
    QCOMPARE(cache.readAll(), before);
}

void TestLoginBL::unreadableCacheIsKeptAside()
{
    m_home->write(QStringLiteral("config/user"), "{\"id\": 5, \"name\": ");
    QVERIFY(!LoginBL::instance().getUser());
    QVERIFY(!LoginBL::instance().isLogin());
    QVERIFY(!m_home->exists(QStringLiteral("config/user")));
    QCOMPARE(m_home->read(QStringLiteral("config/user.bad")), QByteArray("{\"id\": 5, \"name\": "));

    m_home->write(QStringLiteral("config/user"), "{\"id\": 0, \"name\": \"x\"}");
    LoginBL::instance().reloadFromDisk();
    QVERIFY(LoginBL::instance().getUser());
    QVERIFY(!LoginBL::instance().isLogin()); // id 0 is no valid user
}

void TestLoginBL::loginFailure_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("httpStatus");
    QTest::addColumn<QString>("message");
    QTest::newRow("wrong password") << QByteArray(R"({"status":1,"msg":"密码错误"})") << 200 << "登录失败: 密码错误";
    QTest::newRow("html page") << QByteArray("<html>oops</html>") << 200 << "登录失败: 服务器返回的数据无效";
    QTest::newRow("server error") << QByteArray("boom") << 500 << "登录失败: 服务器错误 (HTTP 500)";
    QTest::newRow("no user in data") << QByteArray(R"({"status":0,"msg":"ok","data":null})") << 200
                                     << "登录失败: 服务器返回的数据无效";
    QTest::newRow("user without id") << QByteArray(R"({"status":0,"data":{"name":"x"}})") << 200
                                     << "登录失败: 服务器返回的用户信息无效";
}

void TestLoginBL::loginFailure()
{
    QFETCH(QByteArray, body);
    QFETCH(int, httpStatus);
    QFETCH(QString, message);
    m_server->setReply(QStringLiteral("/api/recordLogin.json"), LoopbackHttpServer::raw(httpStatus, body, "application/json"));
    QSignalSpy logins(&LoginBL::instance(), &ILoginBL::userLogin);
    Result r;
    LoginBL::instance().login(QStringLiteral("13800138000"), QStringLiteral("pw"), QString(), record(&r));
    QTRY_COMPARE(r.calls, 1);
    QCOMPARE(r.message, message);
    QCOMPARE(r.code, 1);
    QCOMPARE(logins.count(), 0);
    QVERIFY(!m_home->exists(QStringLiteral("config/user")));
    QVERIFY(!LoginBL::instance().isLogin());
}

void TestLoginBL::loginWithDeletedContextStillLogsIn()
{
    auto reply = LoopbackHttpServer::envelope(0, QString(), userJson(3, QStringLiteral("c")));
    reply.mode = LoopbackHttpServer::Mode::Slow;
    reply.chunkSize = 16;
    reply.chunkDelayMs = 20;
    m_server->setReply(QStringLiteral("/api/recordLogin.json"), reply);
    QSignalSpy logins(&LoginBL::instance(), &ILoginBL::userLogin);
    auto *dialog = new QObject;
    Result r;
    LoginBL::instance().login(QStringLiteral("13800138000"), QStringLiteral("pw"), QString(), record(&r), dialog);
    QVERIFY(m_server->waitForRequests(1));
    delete dialog;
    QTRY_COMPARE(logins.count(), 1);
    QCOMPARE(r.calls, 0);
    QVERIFY(LoginBL::instance().isLogin());
}

void TestLoginBL::registerRequests_data()
{
    QTest::addColumn<QString>("account");
    QTest::addColumn<QString>("key");
    QTest::newRow("mobile") << "13912345678" << "phone";
    QTest::newRow("mail") << "new@example.com" << "account";
}

void TestLoginBL::registerRequests()
{
    QFETCH(QString, account);
    QFETCH(QString, key);
    m_server->setEnvelope(QStringLiteral("/api/registerAndModifyPwd"), 0, QString(), userJson(41, QStringLiteral("new")));
    QSignalSpy logins(&LoginBL::instance(), &ILoginBL::userLogin);
    Result r;
    LoginBL::instance().registerUser(account, QStringLiteral("secret1"), QStringLiteral("5555"), record(&r));
    QTRY_COMPARE(r.calls, 1);
    QCOMPARE(r.message, QStringLiteral("注册成功!"));
    QCOMPARE(r.code, 0);
    QCOMPARE(logins.count(), 1);
    const auto req = m_server->last(QStringLiteral("/api/registerAndModifyPwd"));
    QCOMPARE(req.param(key), account);
    QVERIFY(req.hasParam(QStringLiteral("mark")));
    QCOMPARE(req.param(QStringLiteral("mark")), QString());
    QCOMPARE(req.param(QStringLiteral("password")), QStringLiteral("secret1"));
    QCOMPARE(req.param(QStringLiteral("code")), QStringLiteral("5555"));
    QCOMPARE(LoginBL::instance().getUser()->id, 41);
    QVERIFY(m_home->exists(QStringLiteral("config/user")));
}

void TestLoginBL::registerFailure()
{
    m_server->setEnvelope(QStringLiteral("/api/registerAndModifyPwd"), 2, QStringLiteral("账号已存在"));
    Result r;
    LoginBL::instance().registerUser(QStringLiteral("13912345678"), QStringLiteral("pw"), QStringLiteral("1"), record(&r));
    QTRY_COMPARE(r.calls, 1);
    QCOMPARE(r.message, QStringLiteral("注册失败:账号已存在"));
    QCOMPARE(r.code, 1);
    QVERIFY(!LoginBL::instance().isLogin());
}

void TestLoginBL::registerRefusesInvalidAccount()
{
    ToastRecorder toasts;
    Result r;
    LoginBL::instance().registerUser(QStringLiteral("not-an-account"), QStringLiteral("pw"), QStringLiteral("1"), record(&r));
    LoginBL::instance().resetPassword(QStringLiteral("1234"), QStringLiteral("pw"), QStringLiteral("1"), record(&r));
    QTest::qWait(100);
    QCOMPARE(r.calls, 0);
    QCOMPARE(m_server->requests.size(), 0);
    QCOMPARE(toasts.entries.size(), 2);
    for (const auto &e : toasts.entries) {
        QCOMPARE(e.type, 2);
        QCOMPARE(e.text, QStringLiteral("请输入有效的手机号或者邮箱"));
        QCOMPARE(e.msec, 1000);
    }
}

void TestLoginBL::resetRequests_data()
{
    QTest::addColumn<QString>("account");
    QTest::addColumn<QString>("path");
    QTest::newRow("mobile") << "13912345678" << "/api/registerAndModifyPwd";
    QTest::newRow("mail") << "me@example.com" << "/api/mailForgetPwd";
}

void TestLoginBL::resetRequests()
{
    QFETCH(QString, account);
    QFETCH(QString, path);
    m_server->setEnvelope(path, 0, QString());
    QSignalSpy logins(&LoginBL::instance(), &ILoginBL::userLogin);
    Result r;
    LoginBL::instance().resetPassword(account, QStringLiteral("newpw"), QStringLiteral("8888"), record(&r));
    QTRY_COMPARE(r.calls, 1);
    QCOMPARE(r.message, QStringLiteral("密码重置成功!"));
    QCOMPARE(r.code, 0);
    QCOMPARE(logins.count(), 0);
    QVERIFY(!LoginBL::instance().getUser());
    const auto req = m_server->last(path);
    QCOMPARE(req.param(QStringLiteral("password")), QStringLiteral("newpw"));
    QCOMPARE(req.param(QStringLiteral("code")), QStringLiteral("8888"));
    if (path.endsWith(QLatin1String("mailForgetPwd"))) {
        QCOMPARE(req.param(QStringLiteral("account")), account);
    } else {
        QCOMPARE(req.param(QStringLiteral("phone")), account);
        QCOMPARE(req.param(QStringLiteral("mark")), QStringLiteral("updatePwd"));
    }
}

void TestLoginBL::resetFailure()
{
    m_server->setEnvelope(QStringLiteral("/api/mailForgetPwd"), 9, QStringLiteral("验证码已过期"));
    Result r;
    LoginBL::instance().resetPassword(QStringLiteral("me@example.com"), QStringLiteral("pw"), QStringLiteral("1"), record(&r));
    QTRY_COMPARE(r.calls, 1);
    QCOMPARE(r.message, QStringLiteral("密码重置失败:验证码已过期"));
    QCOMPARE(r.code, 1);
}

void TestLoginBL::logoutClearsUser()
{
    m_server->setEnvelope(QStringLiteral("/api/recordLogin.json"), 0, QString(), userJson(8, QStringLiteral("z")));
    Result r;
    LoginBL::instance().login(QStringLiteral("13800138000"), QStringLiteral("pw"), QString(), record(&r));
    QTRY_COMPARE(r.calls, 1);
    QVERIFY(LoginBL::instance().isLogin());
    QSignalSpy logouts(&LoginBL::instance(), &ILoginBL::userLogout);
    LoginBL::instance().logout();
    QCOMPARE(logouts.count(), 1);
    QVERIFY(!LoginBL::instance().getUser());
    QVERIFY(!m_home->exists(QStringLiteral("config/user")));
    LoginBL::instance().reloadFromDisk();
    QVERIFY(!LoginBL::instance().isLogin());
}

void TestLoginBL::replyAfterLogoutIsDropped()
{
    LoopbackHttpServer::Reply slow;
    slow.body = QJsonDocument(QJsonObject{{"status", 0}, {"msg", ""}, {"rc", "0"},
                                          {"data", QJsonObject{{"id", 9}, {"name", "late"}}}})
                    .toJson(QJsonDocument::Compact);
    slow.mode = LoopbackHttpServer::Mode::Slow;
    slow.chunkSize = 8;
    slow.chunkDelayMs = 20;
    m_server->setReply(QStringLiteral("/api/recordLogin.json"), slow);
    QSignalSpy logins(&LoginBL::instance(), &ILoginBL::userLogin);
    Result r;
    LoginBL::instance().login(QStringLiteral("13800138000"), QStringLiteral("pw"), QString(), record(&r));
    QTRY_COMPARE(m_server->requests.size(), 1);
    LoginBL::instance().logout(); // the user gave up before the server answered
    QTest::qWait(slow.body.size() / slow.chunkSize * slow.chunkDelayMs + 300);
    QCOMPARE(r.calls, 0);
    QCOMPARE(logins.count(), 0);
    QVERIFY(!LoginBL::instance().isLogin());
    QVERIFY(!m_home->exists(QStringLiteral("config/user")));
}

void TestLoginBL::tokenTravelsWithLaterCalls()
{
    m_server->setEnvelope(QStringLiteral("/api/recordLogin.json"), 0, QString(), userJson(8, QStringLiteral("z")));
    m_server->setEnvelope(QStringLiteral("/api/deleteRecord"), 0, QString());
    Result r;
    LoginBL::instance().login(QStringLiteral("13800138000"), QStringLiteral("pw"), QString(), record(&r));
    QTRY_COMPARE(r.calls, 1);
    QVERIFY(!m_server->last(QStringLiteral("/api/recordLogin.json")).headers.contains("authorization"));

    int done = 0;
    ApiClient::instance().deleteRecord(1)->complete([&] { ++done; });
    QTRY_COMPARE(done, 1);
    QCOMPARE(m_server->last(QStringLiteral("/api/deleteRecord")).headers.value("authorization"), QByteArray("Bearer tok-XYZ"));

    LoginBL::instance().logout();
    ApiClient::instance().deleteRecord(1)->complete([&] { ++done; });
    QTRY_COMPARE(done, 2);
    QVERIFY(!m_server->last(QStringLiteral("/api/deleteRecord")).headers.contains("authorization"));
}

void TestLoginBL::secretsNeverLogged()
{
    auto &logger = QsLogging::Logger::instance();
    const auto level = logger.loggingLevel();
    logger.setLoggingLevel(QsLogging::TraceLevel);
    logger.setFileDestination(m_home->file(QStringLiteral("log/log.txt")), 1 << 20, 1);

    m_server->setEnvelope(QStringLiteral("/api/recordLogin.json"), 0, QString(), userJson(8, QStringLiteral("z")));
    m_server->setEnvelope(QStringLiteral("/api/mailForgetPwd"), 3, QStringLiteral("nope"));
    Result r;
    LoginBL::instance().login(QStringLiteral("13800138000"), QStringLiteral("Pa55-word!"), QStringLiteral("918273"), record(&r));
    QTRY_COMPARE(r.calls, 1);
    LoginBL::instance().resetPassword(QStringLiteral("me@example.com"), QStringLiteral("Pa55-word!"),
                                      QStringLiteral("918273"), record(&r));
    QTRY_COMPARE(r.calls, 2);
    logger.flush();
    logger.setFileDestination(QString(), 0, 0);
    logger.setLoggingLevel(level);

    const QByteArray log = m_home->read(QStringLiteral("log/log.txt"));
    QVERIFY(log.contains("logged in")); // the log was written
    QVERIFY(!log.contains("Pa55-word!"));
    QVERIFY(!log.contains("918273"));
    QVERIFY(!log.contains("tok-XYZ"));
}

QTEST_MAIN(TestLoginBL)
#include "tst_loginbl.moc"
