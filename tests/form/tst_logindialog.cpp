#include "AccountFixture.h"

#include "form/dialog/CodeCountdown.h"
#include "form/dialog/LoginDialog.h"
#include "form/dialog/RegisterDialog.h"
#include "orm/data/UserVO.h"
#include "platform/IKeySender.h"
#include "platform/VirtualKeys.h"
#include "qui/control/ClickableLabel.h"
#include "support/ToastRecorder.h"
#include "util/Clock.h"
#include "support/InterfaceLanguage.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

namespace {
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    UrlCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open"); }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

const QString kLogin = QStringLiteral("/api/recordLogin.json");
const QString kCode = QStringLiteral("/api/getLoginVerifyCode.json");

// A login dialog styled as the program styles it.
LoginDialog *styledDialog()
{
    QFile css(QStringLiteral(":/customization.css"));
    if (!css.open(QIODevice::ReadOnly))
        return nullptr;
    auto *dialog = new LoginDialog;
    dialog->setStyleSheet(QString::fromUtf8(css.readAll()));
    dialog->show();
    return dialog;
}
} // namespace

class TestLoginDialog : public QObject
{
    Q_OBJECT

    std::unique_ptr<AccountFixture> m_fx;
    QPointer<LoginDialog> m_dialog;

    QPushButton *button(const char *name) { return AccountFixture::child<QPushButton>(m_dialog, name); }
    QLineEdit *edit(const char *name) { return AccountFixture::child<QLineEdit>(m_dialog, name); }
    void type(const char *name, const QString &text) { AccountFixture::type(m_dialog, name, text); }
    void setTab(int index) { AccountFixture::child<QTabWidget>(m_dialog, "tabWidget")->setCurrentIndex(index); }

private slots:
    // The line edits' clear buttons fade in: let the last fade end before the program does.
    void cleanupTestCase() { QTest::qWait(300); }

    void init()
    {
        m_fx = std::make_unique<AccountFixture>();
        m_dialog = new LoginDialog;
        m_dialog->show();
    }

    void cleanup()
    {
        Clock::setOverride({});
        Clock::setMonotonicOverride({});
        m_fx.reset();
        QVERIFY(!m_dialog);
    }

    // The fields show their border unfocused, and the clear button sits level with the text
    // even below the field's top margin.
    void fieldsShowABorderAndTheClearButtonSitsLevelWithTheText()
    {
        LoginDialog *dialog = styledDialog();
        QVERIFY(dialog);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        for (const char *name : {"leUserName1", "lePassword"}) {
            auto *field = AccountFixture::child<QLineEdit>(dialog, name);
            field->setText(QStringLiteral("secret"));
            auto *clear = field->findChild<QToolButton *>();
            QVERIFY(clear);
            QStyleOptionFrame option;
            option.initFrom(field);
            option.rect = field->rect();
            const QRect text = field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
            QVERIFY2(qAbs(clear->geometry().center().y() - text.center().y()) <= 1,
                     qPrintable(QStringLiteral("%1: button at %2, text at %3")
                                    .arg(QLatin1String(name)).arg(clear->geometry().center().y())
                                    .arg(text.center().y())));
            dialog->setFocus();
            const QImage look = field->grab().toImage();
            QVERIFY2(look.pixelColor(0, text.center().y()) != QColor(Qt::white), name);
        }
    }

    // "获取验证码" and its translations keep a margin inside the button.
    void getCodeButtonFitsItsTextWithAMargin_data()
    {
        InterfaceLanguage::addRows();
    }

    void getCodeButtonFitsItsTextWithAMargin()
    {
        QFETCH(QString, lang);
        InterfaceLanguage language(lang);
        QVERIFY(language.isReady());
        LoginDialog *dialog = styledDialog();
        language.uninstall();
        QVERIFY(dialog);
        AccountFixture::child<QTabWidget>(dialog, "tabWidget")->setCurrentIndex(1);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        auto *getCode = AccountFixture::child<QPushButton>(dialog, "btnGetCode");
        const int textWidth = getCode->fontMetrics().horizontalAdvance(getCode->text());
        const int leftMargin = 15;
        QVERIFY2(getCode->width() - leftMargin >= textWidth + 2 * 10,
                 qPrintable(QStringLiteral("%1: %2 px for %3 px of text").arg(getCode->text())
                                .arg(getCode->width() - leftMargin).arg(textWidth)));
    }

    void passwordLoginCachesTheUserUntilLogout()
    {
        m_fx->server.setEnvelope(kLogin, 0, QStringLiteral("ok"), AccountFixture::user(12, QStringLiteral("小明")));
        ToastRecorder toasts;
        type("leUserName1", QStringLiteral("13800138000"));
        type("lePassword", QStringLiteral("pw 1"));
        button("btnLogin1")->click();
        QTRY_VERIFY(!m_dialog);
        QCOMPARE(toasts.entries.last().type, 0);
        QCOMPARE(toasts.entries.last().text, QStringLiteral("登录成功"));
        const auto request = m_fx->server.last(kLogin);
        QCOMPARE(request.param(QStringLiteral("name")), QStringLiteral("13800138000"));
        QCOMPARE(request.param(QStringLiteral("password")), QStringLiteral("pw 1"));
        QCOMPARE(request.param(QStringLiteral("code")), QString());
        QVERIFY(LoginBL::instance().isLogin());
        const QString file = m_fx->home.file(QStringLiteral("config/user"));
        QCOMPARE(int(QFile::permissions(file) & 0x0077), 0); // nobody but the owner
        QVERIFY(QFile::permissions(file) & QFileDevice::ReadOwner);
        LoginBL::instance().logout();
        QVERIFY(!QFile::exists(file));
    }

    void codeTabSendsTheCodeAndNeverThePassword()
    {
        m_fx->server.setEnvelope(kLogin, 0, QString(), AccountFixture::user(5, QStringLiteral("Ann")));
        type("lePassword", QStringLiteral("secret"));
        setTab(1);
        type("leUserName2", QStringLiteral("ann@example.com"));
        type("leCode", QStringLiteral("123456"));
        button("btnLogin1")->click();
        QTRY_VERIFY(!m_dialog);
        const auto request = m_fx->server.last(kLogin);
        QCOMPARE(request.param(QStringLiteral("name")), QStringLiteral("ann@example.com"));
        QCOMPARE(request.param(QStringLiteral("password")), QString());
        QCOMPARE(request.param(QStringLiteral("code")), QStringLiteral("123456"));
    }

    void codeTabWithoutCodeIsRefusedEvenWithAPassword()
    {
        ToastRecorder toasts;
        type("leUserName1", QStringLiteral("13800138000"));
        type("lePassword", QStringLiteral("secret"));
        setTab(1);
        button("btnLogin1")->click();
        QTest::qWait(100);
        QCOMPARE(toasts.texts(), QStringList{QStringLiteral("账号，密码或验证码无效!")});
        QCOMPARE(m_fx->server.requests.size(), 0);
        QVERIFY(button("btnLogin1")->isEnabled());
    }

    void refusedLoginShowsWhyAndKeepsTheInput_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("httpStatus");
        QTest::addColumn<QString>("message");
        QTest::newRow("wrong password") << QByteArray(R"({"status":1,"msg":"密码错误"})") << 200 << "登录失败: 密码错误";
        QTest::newRow("server error") << QByteArray("boom") << 500 << "登录失败: 服务器错误 (HTTP 500)";
        QTest::newRow("malformed reply") << QByteArray("<html>") << 200 << "登录失败: 服务器返回的数据无效";
    }

    void refusedLoginShowsWhyAndKeepsTheInput()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, httpStatus);
        QFETCH(QString, message);
        m_fx->server.setReply(kLogin, LoopbackHttpServer::raw(httpStatus, body, "application/json"));
        ToastRecorder toasts;
        type("leUserName1", QStringLiteral("13800138000"));
        type("lePassword", QStringLiteral("pw"));
        button("btnLogin1")->click();
        QTRY_VERIFY(!toasts.entries.isEmpty());
        QCOMPARE(toasts.entries.last().type, 2);
        QCOMPARE(toasts.entries.last().text, message);
        QVERIFY(m_dialog && m_dialog->isVisible());
        QCOMPARE(edit("lePassword")->text(), QStringLiteral("pw"));
        QVERIFY(button("btnLogin1")->isEnabled());
        QVERIFY(!LoginBL::instance().isLogin());
        QVERIFY(!m_fx->home.exists(QStringLiteral("config/user")));
    }

    void accountFieldsMirrorEachOther()
    {
        type("leUserName1", QStringLiteral("13800138000"));
        QCOMPARE(edit("leUserName2")->text(), QStringLiteral("13800138000"));
        setTab(1);
        type("leUserName2", QStringLiteral("a@b.cn"));
        setTab(0);
        QCOMPARE(edit("leUserName1")->text(), QStringLiteral("a@b.cn"));
    }

    void agreementBlocksSignInButNotTheCode()
    {
        m_fx->server.setEnvelope(kCode, 0, QString());
        ToastRecorder toasts;
        AccountFixture::child<QCheckBox>(m_dialog, "cbAgreed")->setChecked(false);
        type("leUserName1", QStringLiteral("13800138000"));
        type("lePassword", QStringLiteral("pw"));
        button("btnLogin1")->click();
        QCOMPARE(toasts.entries.size(), 1);
        QCOMPARE(toasts.entries[0].type, 1);
        QCOMPARE(toasts.entries[0].text, QStringLiteral("请同意用户协议和隐私协议!"));
        setTab(1);
        button("btnGetCode")->click();
        QVERIFY(m_fx->server.waitForRequests(1));
        QCOMPARE(m_fx->server.count(kLogin), 0);
        QCOMPARE(m_fx->server.count(kCode), 1);
    }

    void codeButtonCountsDownAMinuteOnce()
    {
        qint64 now = Q_INT64_C(5000000);
        Clock::setMonotonicOverride([&now] { return now; });
        m_fx->server.setEnvelope(kCode, 0, QString());
        ToastRecorder toasts;
        setTab(1);
        type("leUserName2", QStringLiteral("13800138000"));
        QPushButton *code = button("btnGetCode");
        code->click();
        code->click(); // the request runs: no second one
        QTRY_COMPARE(code->text(), QStringLiteral("60s"));
        QCOMPARE(toasts.entries.last().text, QStringLiteral("验证码短信已发出!"));
        QVERIFY(!code->isEnabled());
        code->click();
        now += 30500;
        QTRY_COMPARE(code->text(), QStringLiteral("30s"));
        now += 29500;
        QTRY_COMPARE(code->text(), QStringLiteral("获取验证码"));
        QVERIFY(code->isEnabled());
        QCOMPARE(m_fx->server.count(kCode), 1);
    }

    void enterInTheCodeTabSignsInAndNeverRequestsACode()
    {
        m_fx->server.setEnvelope(kLogin, 1, QStringLiteral("验证码错误"));
        m_fx->server.setEnvelope(kCode, 0, QString());
        setTab(1);
        type("leUserName2", QStringLiteral("13800138000"));
        type("leCode", QStringLiteral("123456"));
        QTest::keyClick(edit("leUserName2"), Qt::Key_Return);
        QVERIFY(m_fx->server.waitForRequests(1));
        QTRY_VERIFY(button("btnLogin1")->isEnabled());
        QTest::keyClick(edit("leCode"), Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(m_fx->server.waitForRequests(2));
        QTest::qWait(100);
        QCOMPARE(m_fx->server.count(kLogin), 2);
        QCOMPARE(m_fx->server.count(kCode), 0);
        QCOMPARE(m_fx->server.last(kLogin).param(QStringLiteral("code")), QStringLiteral("123456"));
        QCOMPARE(button("btnGetCode")->text(), QStringLiteral("获取验证码"));
    }

    void codeButtonIsFreeAMinuteAfterTheRequestWhenTheClockIsSetBack()
    {
        qint64 wall = Q_INT64_C(1700000000000);
        qint64 monotonic = Q_INT64_C(5000000);
        Clock::setOverride([&wall] { return wall; });
        Clock::setMonotonicOverride([&monotonic] { return monotonic; });
        m_fx->server.setEnvelope(kCode, 0, QString());
        setTab(1);
        type("leUserName2", QStringLiteral("13800138000"));
        QPushButton *code = button("btnGetCode");
        code->click();
        QTRY_COMPARE(code->text(), QStringLiteral("60s"));
        wall += 10000;
        monotonic += 10000;
        QTRY_COMPARE(code->text(), QStringLiteral("50s"));
        wall -= 3600000; // the clock set back an hour
        QTest::qWait(CodeCountdown::TickMs + 100);
        QCOMPARE(code->text(), QStringLiteral("50s"));
        wall += 50000;
        monotonic += 50000;
        QTRY_COMPARE(code->text(), QStringLiteral("获取验证码"));
        QVERIFY(code->isEnabled());
    }

    void refusedCodeRequestLeavesTheButtonIdle()
    {
        m_fx->server.setEnvelope(kCode, 4001, QStringLiteral("发送太频繁"));
        ToastRecorder toasts;
        type("leUserName2", QStringLiteral("13800138000"));
        button("btnGetCode")->click();
        QTRY_VERIFY(button("btnGetCode")->isEnabled());
        QCOMPARE(toasts.entries.last().type, 1);
        QCOMPARE(toasts.entries.last().text, QStringLiteral("发送太频繁"));
        QCOMPARE(button("btnGetCode")->text(), QStringLiteral("获取验证码"));
    }

    void invalidAccountForACodeLeavesTheButtonUsable()
    {
        ToastRecorder toasts;
        type("leUserName2", QStringLiteral("12345"));
        button("btnGetCode")->click();
        QCOMPARE(toasts.texts(), QStringList{QStringLiteral("请输入手机号或者邮箱号")});
        QVERIFY(button("btnGetCode")->isEnabled());
    }

    void doubleClickSendsOneLogin()
    {
        auto reply = LoopbackHttpServer::envelope(1, QStringLiteral("密码错误"));
        reply.mode = LoopbackHttpServer::Mode::Slow;
        reply.chunkSize = 8;
        reply.chunkDelayMs = 20;
        m_fx->server.setReply(kLogin, reply);
        type("leUserName1", QStringLiteral("13800138000"));
        type("lePassword", QStringLiteral("pw"));
        QTest::mouseClick(button("btnLogin1"), Qt::LeftButton);
        QTest::mouseClick(button("btnLogin1"), Qt::LeftButton);
        QVERIFY(m_fx->server.waitForRequests(1));
        QTRY_VERIFY(button("btnLogin1")->isEnabled());
        QCOMPARE(m_fx->server.count(kLogin), 1);
    }

    void closingDuringALoginLeavesTheLateReplyHarmless()
    {
        auto reply = LoopbackHttpServer::envelope(0, QString(), AccountFixture::user(3, QStringLiteral("c")));
        reply.mode = LoopbackHttpServer::Mode::Slow;
        reply.chunkSize = 16;
        reply.chunkDelayMs = 20;
        m_fx->server.setReply(kLogin, reply);
        ToastRecorder toasts;
        QSignalSpy logins(&LoginBL::instance(), &ILoginBL::userLogin);
        type("leUserName1", QStringLiteral("13800138000"));
        type("lePassword", QStringLiteral("pw"));
        button("btnLogin1")->click();
        QVERIFY(m_fx->server.waitForRequests(1));
        m_dialog->close();
        QTRY_VERIFY(!m_dialog);
        QTRY_COMPARE(logins.count(), 1);
        QVERIFY(!toasts.texts().contains(QStringLiteral("登录成功")));
    }

    void linksLeadToTheRegisterAndResetDialogs_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<bool>("reset");
        QTest::newRow("register") << "lbToRegister" << false;
        QTest::newRow("forgotten password") << "lbToForgetPwd" << true;
    }

    void linksLeadToTheRegisterAndResetDialogs()
    {
        QFETCH(QString, link);
        QFETCH(bool, reset);
        type("leUserName1", QStringLiteral("me@example.com"));
        QTest::mouseClick(m_dialog->findChild<ClickableLabel *>(link), Qt::LeftButton);
        QTRY_VERIFY(!m_dialog);
        auto *next = AccountFixture::shown<RegisterDialog>();
        QVERIFY(next);
        QCOMPARE(AccountFixture::child<QLineEdit>(next, "leUserName")->text(),
                 reset ? QStringLiteral("me@example.com") : QString());
        QCOMPARE(AccountFixture::child<QPushButton>(next, "btnLogin")->text(),
                 reset ? QStringLiteral("找回密码") : QStringLiteral("注册"));
    }

    void policyLinksOpenThePolicyPages()
    {
        UrlCatcher urls;
        auto *label = AccountFixture::child<QLabel>(m_dialog, "lbAgreement");
        QVERIFY(!label->openExternalLinks());
        const QString text = label->text();
        QVERIFY(text.startsWith(QStringLiteral("登录后代表您已同意")));
        for (const char *page : {"/user-policy.html", "/privacy-agreement.html"}) {
            const QString url = QStringLiteral("http://policy.example") + QLatin1String(page);
            QVERIFY2(text.contains(QStringLiteral("href=\"%1\"").arg(url)), qPrintable(text));
            emit label->linkActivated(url);
            QCOMPARE(urls.urls.last(), QUrl(url));
        }
    }

    void policyLinksWithoutAServerSaySo()
    {
        Configurations::instance().setValue(QStringLiteral("/Server/PolicyUrl"), QString());
        UrlCatcher urls;
        ToastRecorder toasts;
        LoginDialog dialog;
        auto *label = AccountFixture::child<QLabel>(&dialog, "lbAgreement");
        QVERIFY(label->text().contains(QStringLiteral("href=\"/user-policy.html\"")));
        emit label->linkActivated(QStringLiteral("/user-policy.html"));
        QVERIFY(urls.urls.isEmpty());
        QCOMPARE(toasts.texts(), QStringList{QStringLiteral("服务器地址未配置 (/Server/PolicyUrl)")});
    }

    // A user who types as soon as the window opens fills the account, and Tab leads on to the
    // password; each tab starts again in its own account field.
    void typingAtOnceFillsTheAccountAndEachTabStartsInItsAccountField()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("presses real keys on the X server: runs as tst_logindialog_x11");
        m_dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog));
        QVector<KeyRecord> keys;
        for (const QChar c : QStringLiteral("13800138000"))
            keys += IKeySender::taps(c.unicode(), 1);
        keys += IKeySender::taps(VirtualKeys::VK_TAB, 1);
        const QString password = QStringLiteral("secret");
        for (const QChar c : password.toUpper())
            keys += IKeySender::taps(c.unicode(), 1);
        QCOMPARE(IKeySender::instance()->send(keys), keys.size());
        QTRY_COMPARE(edit("lePassword")->text(), password);
        QCOMPARE(edit("leUserName1")->text(), QStringLiteral("13800138000"));
        auto *tabs = AccountFixture::child<QTabWidget>(m_dialog, "tabWidget");
        QCOMPARE(IKeySender::instance()->send(IKeySender::chord(VirtualKeys::VK_CONTROL, VirtualKeys::VK_TAB)), 4);
        QTRY_COMPARE(tabs->currentIndex(), 1);
        QTRY_VERIFY(edit("leUserName2")->hasFocus());
        QCOMPARE(IKeySender::instance()->send(IKeySender::chord(VirtualKeys::VK_CONTROL, VirtualKeys::VK_TAB)), 4);
        QTRY_COMPARE(tabs->currentIndex(), 0);
        QTRY_VERIFY(edit("leUserName1")->hasFocus());
    }

    void closingWithNoOtherWindowNeverEndsTheProgram()
    {
        QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
        m_dialog->close();
        QTRY_VERIFY(!m_dialog);
        QCOMPARE(lastClosed.count(), 0);
    }
};

QTEST_MAIN(TestLoginDialog)
#include "tst_logindialog.moc"
