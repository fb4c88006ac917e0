#include "AccountFixture.h"
#include "TourPicture.h"

#include "form/dialog/LoginDialog.h"
#include "form/dialog/RegisterDialog.h"
#include "form/panel/NavForm.h"

#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

// Pictures of the account dialogs and the navigation column, under build/ui-tour/accounts/.
class TestTourAccounts : public QObject
{
    Q_OBJECT

    std::unique_ptr<AccountFixture> m_fx;

private slots:
    void initTestCase()
    {
        TourPicture::useProgramStyle();
    }
    void init() { m_fx = std::make_unique<AccountFixture>(); }
    void cleanup() { m_fx.reset(); }

    void loginPasswordTab()
    {
        auto *dialog = new LoginDialog;
        AccountFixture::type(dialog, "leUserName1", QStringLiteral("13800138000"));
        AccountFixture::type(dialog, "lePassword", QStringLiteral("secret"));
        TourPicture::save(dialog, QStringLiteral("LoginDialog-password"));
        // The tab bar must not cover the first field's border.
        auto *tabs = AccountFixture::child<QTabWidget>(dialog, "tabWidget");
        auto *user = AccountFixture::child<QLineEdit>(dialog, "leUserName1");
        QVERIFY(user->mapTo(tabs, QPoint(0, 0)).y() > tabs->tabBar()->geometry().bottom());
        // Both links under the tabs share one look.
        auto *toRegister = AccountFixture::child<QLabel>(dialog, "lbToRegister");
        auto *toReset = AccountFixture::child<QLabel>(dialog, "lbToForgetPwd");
        QCOMPARE(toReset->palette().color(QPalette::WindowText), toRegister->palette().color(QPalette::WindowText));
        QCOMPARE(toReset->geometry().top(), toRegister->geometry().top());
        QCOMPARE(toReset->contentsRect().top(), toRegister->contentsRect().top());
    }

    void loginCodeTabCounting()
    {
        m_fx->server.setEnvelope(QStringLiteral("/api/getLoginVerifyCode.json"), 0, QString());
        auto *dialog = new LoginDialog;
        AccountFixture::child<QTabWidget>(dialog, "tabWidget")->setCurrentIndex(1);
        AccountFixture::type(dialog, "leUserName2", QStringLiteral("13800138000"));
        dialog->setAttribute(Qt::WA_DontShowOnScreen);
        dialog->show();
        AccountFixture::child<QPushButton>(dialog, "btnGetCode")->click();
        QTRY_COMPARE(AccountFixture::child<QPushButton>(dialog, "btnGetCode")->text(), QStringLiteral("60s"));
        TourPicture::save(dialog, QStringLiteral("LoginDialog-code"));
    }

    void registerDialog()
    {
        auto *dialog = new RegisterDialog(false);
        TourPicture::save(dialog, QStringLiteral("RegisterDialog-register"));
    }

    void resetDialog()
    {
        auto *dialog = new RegisterDialog(true);
        dialog->setUserName(QStringLiteral("me@example.com"));
        TourPicture::save(dialog, QStringLiteral("RegisterDialog-reset"));
    }

    void navigationLoggedIn()
    {
        m_fx->home.write(QStringLiteral("config/user"),
                         QStringLiteral("{\"id\":7,\"name\":\"小明\",\"entityType\":\"UserVO\"}").toUtf8());
        LoginBL::instance().reloadFromDisk();
        NavForm nav;
        if (TourLanguage::code().isEmpty())
            QCOMPARE(nav.userLine(), QStringLiteral("用户: 小明"));
        nav.resize(210, 600);
        TourPicture::save(&nav, QStringLiteral("NavForm-loggedIn"));
    }
};

QTEST_MAIN(TestTourAccounts)
#include "tst_tour_accounts.moc"
