#include "AccountFixture.h"

#include "form/dialog/LoginDialog.h"
#include "form/dialog/RegisterDialog.h"
#include "platform/IKeySender.h"
#include "qui/control/ClickableLabel.h"
#include "support/ToastRecorder.h"
#include "support/InterfaceLanguage.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {
const QString kRegister = QStringLiteral("/api/registerAndModifyPwd");
const QString kMailReset = QStringLiteral("/api/mailForgetPwd");
const QString kMailCode = QStringLiteral("/api/mailVerifyCode");
} // namespace

class TestRegisterDialog : public QObject
{
    Q_OBJECT

    std::unique_ptr<AccountFixture> m_fx;
    QPointer<RegisterDialog> m_dialog;

    void open(bool reset)
    {
        m_dialog = new RegisterDialog(reset);
        m_dialog->show();
    }
    QPushButton *button(const char *name) { return AccountFixture::child<QPushButton>(m_dialog, name); }
    void fill(const QString &account, const QString &code, const QString &pw1, const QString &pw2)
    {
        AccountFixture::type(m_dialog, "leUserName", account);
        AccountFixture::type(m_dialog, "leCode", code);
        AccountFixture::type(m_dialog, "lePassword1", pw1);
        AccountFixture::type(m_dialog, "lePassword2", pw2);
    }

private slots:
    // The line edits' clear buttons fade in: let the last fade end before the program does.
    void cleanupTestCase() { QTest::qWait(300); }

    void init() { m_fx = std::make_unique<AccountFixture>(); }

    void cleanup()
    {
        m_fx.reset();
        QVERIFY(!m_dialog);
    }

    // The account carried over from the login is filled in: the code typed at once goes to the
    // code field, not onto the end of the account.
    void resetWindowFromTheLoginTakesTheFirstKeysInTheCode()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("presses real keys on the X server: runs as tst_registerdialog_x11");
        auto *login = new LoginDialog;
        login->show();
        QVERIFY(QTest::qWaitForWindowActive(login));
        AccountFixture::type(login, "leUserName1", QStringLiteral("me@example.com"));
        QTest::mouseClick(AccountFixture::child<ClickableLabel>(login, "lbToForgetPwd"), Qt::LeftButton);
        QTRY_VERIFY(AccountFixture::shown<RegisterDialog>());
        m_dialog = AccountFixture::shown<RegisterDialog>();
        m_dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog));

        QVector<KeyRecord> keys;
        for (const QChar c : QStringLiteral("4821"))
            keys += IKeySender::taps(c.unicode(), 1);
        QCOMPARE(IKeySender::instance()->send(keys), keys.size());
        QTRY_COMPARE(AccountFixture::child<QLineEdit>(m_dialog, "leCode")->text(), QStringLiteral("4821"));
        QCOMPARE(AccountFixture::child<QLineEdit>(m_dialog, "leUserName")->text(), QStringLiteral("me@example.com"));
    }

    void fieldChecksComeFirst_data()
    {
        QTest::addColumn<bool>("reset");
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("pw1");
        QTest::addColumn<QString>("pw2");
        QTest::addColumn<bool>("agreed");
        QTest::addColumn<QString>("message");
        QTest::newRow("no account") << false << "" << "a" << "a" << false << "用户名不能为空!";
        QTest::newRow("first password empty") << false << "a@b.cn" << "" << "a" << true << "密码不能为空!";
        QTest::newRow("second password empty") << true << "a@b.cn" << "a" << "" << true << "密码不能为空!";
        QTest::newRow("trailing blank differs") << false << "a@b.cn" << "pw" << "pw " << false
                                                << "两次密码不一致, 请确认后再次输入!";
        QTest::newRow("agreement last") << false << "a@b.cn" << "pw" << "pw" << false << "请同意用户协议和隐私协议!";
    }

    void fieldChecksComeFirst()
    {
        QFETCH(bool, reset);
        QFETCH(QString, account);
        QFETCH(QString, pw1);
        QFETCH(QString, pw2);
        QFETCH(bool, agreed);
        QFETCH(QString, message);
        open(reset);
        AccountFixture::child<QCheckBox>(m_dialog, "cbAgreed")->setChecked(agreed);
        fill(account, QStringLiteral("1234"), pw1, pw2);
        ToastRecorder toasts;
        button("btnLogin")->click();
        QCOMPARE(toasts.entries.size(), 1);
        QCOMPARE(toasts.entries[0].type, 1);
        QCOMPARE(toasts.entries[0].text, message);
        QTest::qWait(50);
        QCOMPARE(m_fx->server.requests.size(), 0);
        QVERIFY(m_dialog->isVisible());
    }

    // The login dialog's line speaks of signing in; this one of registering.
    void agreementLineSpeaksOfRegisteringInEveryLanguage_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("opening");
        QTest::newRow("zh") << "" << QStringLiteral("登录后代表您已同意");
        QTest::newRow("en") << "en" << QStringLiteral("By registering you accept");
        QTest::newRow("ko") << "ko" << QStringLiteral("회원가입 시");
    }

    void agreementLineSpeaksOfRegisteringInEveryLanguage()
    {
        QFETCH(QString, lang);
        QFETCH(QString, opening);
        InterfaceLanguage language(lang);
        QVERIFY(language.isReady());
        open(false);
        const QString line = AccountFixture::child<QLabel>(m_dialog, "lbAgreement")->text();
        language.uninstall();
        QVERIFY2(line.startsWith(opening), qPrintable(line));
    }

    void resetModeNeverAsksForTheAgreement()
    {
        m_fx->server.setEnvelope(kMailReset, 1, QStringLiteral("验证码错误"));
        open(true);
        QVERIFY(AccountFixture::child<QWidget>(m_dialog, "fmAgreement")->isHidden());
        AccountFixture::child<QCheckBox>(m_dialog, "cbAgreed")->setChecked(false);
        fill(QStringLiteral("me@example.com"), QStringLiteral("9999"), QStringLiteral("new"), QStringLiteral("new"));
        ToastRecorder toasts;
        button("btnLogin")->click();
        QTRY_VERIFY(!toasts.entries.isEmpty());
        QCOMPARE(toasts.entries.last().type, 2);
        QCOMPARE(toasts.entries.last().text, QStringLiteral("密码重置失败:验证码错误"));
        QVERIFY(button("btnLogin")->isEnabled());
        QVERIFY(m_dialog->isVisible());
    }

    void registrationLogsTheUserIn()
    {
        m_fx->server.setEnvelope(kRegister, 0, QString(), AccountFixture::user(41, QStringLiteral("new")));
        open(false);
        QVERIFY(AccountFixture::child<QWidget>(m_dialog, "fmAgreement")->isVisibleTo(m_dialog));
        fill(QStringLiteral("13912345678"), QStringLiteral("5678"), QStringLiteral("pw"), QStringLiteral("pw"));
        ToastRecorder toasts;
        QTest::mouseClick(button("btnLogin"), Qt::LeftButton);
        QTest::mouseClick(button("btnLogin"), Qt::LeftButton); // a double click sends one request
        QTRY_VERIFY(!m_dialog);
        QCOMPARE(m_fx->server.count(kRegister), 1);
        QCOMPARE(toasts.entries.last().text, QStringLiteral("注册成功"));
        const auto request = m_fx->server.last(kRegister);
        QCOMPARE(request.param(QStringLiteral("phone")), QStringLiteral("13912345678"));
        QCOMPARE(request.param(QStringLiteral("code")), QStringLiteral("5678"));
        QVERIFY(LoginBL::instance().isLogin());
        QVERIFY(m_fx->home.exists(QStringLiteral("config/user")));
    }

    void refusedRegistrationKeepsTheDialog()
    {
        m_fx->server.setEnvelope(kRegister, 1, QStringLiteral("账号已存在"));
        open(false);
        fill(QStringLiteral("13912345678"), QStringLiteral("5678"), QStringLiteral("pw"), QStringLiteral("pw"));
        ToastRecorder toasts;
        button("btnLogin")->click();
        QTRY_VERIFY(button("btnLogin")->isEnabled());
        QCOMPARE(toasts.entries.last().type, 2);
        QCOMPARE(toasts.entries.last().text, QStringLiteral("注册失败:账号已存在"));
        QVERIFY(!LoginBL::instance().isLogin());
    }

    void resetReturnsToTheLoginAboutASecondLater()
    {
        m_fx->server.setEnvelope(kMailReset, 0, QString());
        open(true);
        fill(QStringLiteral("me@example.com"), QStringLiteral("9999"), QStringLiteral("new"), QStringLiteral("new"));
        ToastRecorder toasts;
        button("btnLogin")->click();
        QTRY_VERIFY(!toasts.entries.isEmpty());
        QElapsedTimer since;
        since.start();
        QCOMPARE(toasts.entries.last().type, 0);
        QCOMPARE(toasts.entries.last().text, QStringLiteral("重置成功, 返回登录页面登录!"));
        QCOMPARE(toasts.entries.last().msec, 1000);
        QVERIFY(!AccountFixture::shown<LoginDialog>());
        QTRY_VERIFY(AccountFixture::shown<LoginDialog>());
        QVERIFY(since.elapsed() >= 900);
        QTRY_VERIFY(!m_dialog);
        QVERIFY(!LoginBL::instance().isLogin()); // the user signs in with the new password
        const auto request = m_fx->server.last(kMailReset);
        QCOMPARE(request.param(QStringLiteral("account")), QStringLiteral("me@example.com"));
        QCOMPARE(request.param(QStringLiteral("password")), QStringLiteral("new"));
    }

    void backGivesAFreshEmptyLogin_data()
    {
        QTest::addColumn<bool>("reset");
        QTest::newRow("register") << false;
        QTest::newRow("reset") << true;
    }

    void backGivesAFreshEmptyLogin()
    {
        QFETCH(bool, reset);
        open(reset);
        fill(QStringLiteral("me@example.com"), QStringLiteral("1"), QStringLiteral("x"), QStringLiteral("x"));
        button("btnGoToLogin")->click();
        auto *login = AccountFixture::shown<LoginDialog>();
        QVERIFY(login);
        QVERIFY(!login->parentWidget());
        for (const char *field : {"leUserName1", "leUserName2", "lePassword", "leCode"})
            QVERIFY(AccountFixture::child<QLineEdit>(login, field)->text().isEmpty());
        QTRY_VERIFY(!m_dialog);
    }

    void backWhileARequestRunsDropsTheLateReply()
    {
        auto reply = LoopbackHttpServer::envelope(0, QString());
        reply.mode = LoopbackHttpServer::Mode::Slow;
        reply.chunkSize = 8;
        reply.chunkDelayMs = 20;
        m_fx->server.setReply(kMailCode, reply);
        m_fx->server.setReply(kMailReset, reply);
        open(true);
        fill(QStringLiteral("me@example.com"), QStringLiteral("9999"), QStringLiteral("new"), QStringLiteral("new"));
        ToastRecorder toasts;
        button("btnGetCode")->click();
        button("btnLogin")->click();
        QVERIFY(m_fx->server.waitForRequests(2));
        button("btnGoToLogin")->click();
        QTRY_VERIFY(!m_dialog);
        QTest::qWait(500);
        QVERIFY(toasts.entries.isEmpty());
        QVERIFY(AccountFixture::shown<LoginDialog>());
    }

    void enterRegistersOrResetsAndNeverRequestsACode_data()
    {
        QTest::addColumn<bool>("reset");
        QTest::addColumn<QString>("path");
        QTest::newRow("register") << false << kRegister;
        QTest::newRow("reset") << true << kMailReset;
    }

    void enterRegistersOrResetsAndNeverRequestsACode()
    {
        QFETCH(bool, reset);
        QFETCH(QString, path);
        m_fx->server.setEnvelope(path, 1, QStringLiteral("验证码错误"));
        open(reset);
        fill(QStringLiteral("me@example.com"), QStringLiteral("9999"), QStringLiteral("pw"), QStringLiteral("pw"));
        QTest::keyClick(AccountFixture::child<QLineEdit>(m_dialog, "leCode"), Qt::Key_Return);
        QVERIFY(m_fx->server.waitForRequests(1));
        QTest::qWait(100);
        QCOMPARE(m_fx->server.requests.size(), 1);
        QCOMPARE(m_fx->server.requests.first().path, path);
        QCOMPARE(button("btnGetCode")->text(), QStringLiteral("获取验证码"));
    }

    void codeRequestKindFollowsTheMode_data()
    {
        QTest::addColumn<bool>("reset");
        QTest::addColumn<bool>("marked");
        QTest::newRow("register") << false << false;
        QTest::newRow("reset") << true << true;
    }

    void codeRequestKindFollowsTheMode()
    {
        QFETCH(bool, reset);
        QFETCH(bool, marked);
        const QString path = QStringLiteral("/api/getLoginVerifyCode.json");
        m_fx->server.setEnvelope(path, 0, QString());
        open(reset);
        AccountFixture::type(m_dialog, "leUserName", QStringLiteral("13800138000"));
        button("btnGetCode")->click();
        QTRY_COMPARE(button("btnGetCode")->text(), QStringLiteral("60s"));
        QCOMPARE(m_fx->server.last(path).hasParam(QStringLiteral("mark")), marked);
    }
};

QTEST_MAIN(TestRegisterDialog)
#include "tst_registerdialog.moc"
