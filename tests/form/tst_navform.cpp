#include "form/dialog/LoginDialog.h"
#include "form/dialog/TypingMicDialog.h"
#include "form/floating/TextWidget.h"
#include "form/panel/LeftTabbarPanel.h"
#include "form/panel/NavForm.h"
#include "logic/businessLogic/login/LoginBL.h"
#include "orm/data/UserVO.h"
#include "platform/ICaretLocator.h"
#include "support/PromptRecorder.h"
#include "support/TestHome.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QtTest>
#include <memory>

namespace {
// A caret that is wherever the test says, or nowhere; counts the questions.
class PlacedCaret : public ICaretLocator
{
public:
    PlacedCaret() { ICaretLocator::setInstance(this); }
    ~PlacedCaret() override { ICaretLocator::setInstance(nullptr); }
    std::optional<QPoint> caretPosition() override
    {
        ++asked;
        return position;
    }
    std::optional<QPoint> position;
    int asked = 0;
};
} // namespace

class TestNavForm : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestHome> m_home;

    void cacheUser(qint64 id, const QString &name)
    {
        m_home->write(QStringLiteral("config/user"),
                      QStringLiteral("{\"id\":%1,\"name\":\"%2\",\"entityType\":\"UserVO\"}").arg(id).arg(name).toUtf8());
        LoginBL::instance().reloadFromDisk();
    }

private slots:
    void init()
    {
        m_home = std::make_unique<TestHome>();
        LoginBL::instance().reloadFromDisk();
    }

    void cleanup()
    {
        LoginBL::instance().reloadFromDisk();
        m_home.reset();
    }

    void formHasItsParts()
    {
        NavForm nav;
        QCOMPARE(nav.objectName(), QStringLiteral("NavForm"));
        QCOMPARE(nav.property("nav").toString(), QStringLiteral("left"));
        QVERIFY(nav.findChild<QLabel *>(QStringLiteral("lbExpiredInfo"))->isHidden());
        QVERIFY(nav.findChild<QLabel *>(QStringLiteral("lbUpgrade"))->isHidden());
        QVERIFY(nav.findChild<QPushButton *>(QStringLiteral("lbLogo1")));
        QVERIFY(nav.findChild<QLabel *>(QStringLiteral("lbLogo2")));
        QCOMPARE(nav.findChild<QStackedWidget *>(QStringLiteral("stackedWidgetTab"))->minimumHeight(), 370);
    }

    void userLineWithoutUser()
    {
        NavForm nav;
        QCOMPARE(nav.userLine(), QStringLiteral("请登录"));
    }

    void userLineFollowsLoginAndLogout()
    {
        cacheUser(7, QStringLiteral("小明"));
        NavForm nav;
        QCOMPARE(nav.userLine(), QStringLiteral("用户: 小明"));
        LoginBL::instance().logout();
        QCOMPARE(nav.userLine(), QStringLiteral("请登录"));
        cacheUser(8, QStringLiteral("小红"));
        emit LoginBL::instance().userLogin(LoginBL::instance().getUser());
        QCOMPARE(nav.userLine(), QStringLiteral("用户: 小红"));
    }

    void logoAsksBeforeLoggingOut_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("loggedIn");
        QTest::newRow("yes") << 16384 << false;
        QTest::newRow("no") << 65536 << true;
    }

    void logoAsksBeforeLoggingOut()
    {
        QFETCH(int, answer);
        QFETCH(bool, loggedIn);
        cacheUser(7, QStringLiteral("小明"));
        NavForm nav;
        PromptRecorder prompts(answer);
        nav.findChild<QPushButton *>(QStringLiteral("lbLogo1"))->click();
        QCOMPARE(prompts.texts, QStringList{QStringLiteral("是否要退出登录?")});
        QCOMPARE(LoginBL::instance().isLogin(), loggedIn);
        QCOMPARE(nav.userLine(), loggedIn ? QStringLiteral("用户: 小明") : QStringLiteral("请登录"));
    }

    void logoWithoutUserOpensTheLogin()
    {
        NavForm nav;
        PromptRecorder prompts;
        nav.findChild<QPushButton *>(QStringLiteral("lbLogo1"))->click();
        QVERIFY(prompts.texts.isEmpty());
        auto *login = nav.findChild<LoginDialog *>();
        QVERIFY(login && login->isVisible());
        login->close(); // deletes itself
        QTRY_VERIFY(!nav.findChild<LoginDialog *>());
    }

    void currentPageStaysInRange_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("current");
        QTest::newRow("-1") << -1 << 1;
        QTest::newRow("count") << 3 << 1;
        QTest::newRow("first") << 0 << 0;
        QTest::newRow("last") << 2 << 2;
    }

    void currentPageStaysInRange()
    {
        QFETCH(int, index);
        QFETCH(int, current);
        NavForm nav;
        QWidget a, b, c;
        nav.addPage(&a);
        nav.addPage(&b);
        nav.addPage(&c);
        nav.setCurrentPage(1);
        nav.setCurrentPage(index);
        QCOMPARE(nav.currentPage(), current);
        nav.removePage(0);
        nav.removePage(5); // nothing there
        QCOMPARE(nav.pageCount(), 2);
        nav.removePage(0);
        nav.removePage(0);
    }

    void tabbarIndexBeyondTheButtonsDoesNothing()
    {
        LeftTabbarPanel panel;
        panel.addButton(QStringLiteral(" 一"));
        panel.addButton(QStringLiteral(" 二"), QStringLiteral("btnTwo"));
        QSignalSpy shown(&panel, &LeftTabbarPanel::displayTab);
        panel.setCurrentIndex(2);
        panel.setCurrentIndex(-1);
        QCOMPARE(panel.currentIndex(), -1);
        panel.setCurrentIndex(1);
        QCOMPARE(panel.currentIndex(), 1);
        QCOMPARE(shown.count(), 0);
        panel.findChild<QAbstractButton *>(QStringLiteral("btnTwo"))->click();
        QCOMPARE(shown.count(), 1);
        QCOMPARE(shown.at(0).at(0).toInt(), 1);
        QCOMPARE(shown.at(0).at(1).toString(), QStringLiteral(" 二"));
    }

    void tipModes_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("title");
        QTest::newRow("voice typing") << 7 << "tip_mic.png" << "语音打字";
        QTest::newRow("translation typing") << 8 << "tip_translate.png" << "翻译打字";
        QTest::newRow("voice search") << 16 << "tip_search.png" << "语音搜索";
        QTest::newRow("other keeps the title") << 5 << "tip_mic.png" << "语音搜索";
    }

    void tipModes()
    {
        QFETCH(int, action);
        QFETCH(QString, picture);
        QFETCH(QString, title);
        TypingMicDialog tip(16, false);
        tip.setMode(action);
        QVERIFY(tip.micStyleSheet().contains(QStringLiteral(":/resource/image/") + picture));
        QCOMPARE(tip.title(), title);
        QVERIFY(QFile::exists(QStringLiteral(":/resource/image/") + picture));
    }

    void tipIsAFloatingDialog()
    {
        TypingMicDialog tip(7, true);
        QCOMPARE(tip.objectName(), QStringLiteral("TypingMicDialog"));
        QCOMPARE(int(tip.windowFlags() & ~Qt::WindowDoesNotAcceptFocus), 0x40803);
        QVERIFY(tip.windowFlags() & Qt::WindowDoesNotAcceptFocus);
        QVERIFY(tip.testAttribute(Qt::WA_ShowWithoutActivating));
        QCOMPARE(tip.windowOpacity(), 0.8);
        QVERIFY(tip.property("canMove").toBool());
        QCOMPARE(tip.minimumWidth(), 200);
        QVERIFY(tip.isHidden());
        QVERIFY(tip.textBox()->isHidden());
    }

    void tipMessageShowsAndHidesTheTextBox()
    {
        TypingMicDialog tip(7, false);
        tip.setMessage(QStringLiteral("你好"));
        QVERIFY(tip.textBox()->isVisible());
        QCOMPARE(tip.textBox()->text(), QStringLiteral("你好"));
        tip.setMessage(QString());
        QVERIFY(tip.textBox()->isHidden());
        tip.setVolume(7);
        QCOMPARE(tip.volume(), 7);
        tip.showTip();
        QCOMPARE(tip.volume(), 0);
        tip.setVolume(5);
        tip.setMessage(QStringLiteral("还在"));
        tip.hideTip();
        QCOMPARE(tip.volume(), 0);
        QVERIFY(tip.textBox()->text().isEmpty());
        QVERIFY(tip.isHidden());
        // No empty box stays on screen once the run is over.
        QVERIFY(tip.textBox()->isHidden());
    }

    void textBoxSitsUnderTheTipWithoutACaret()
    {
        PlacedCaret caret; // knows no caret
        TypingMicDialog tip(7, true);
        tip.move(400, 300);
        tip.showTip();
        tip.setMessage(QStringLiteral("你好"));
        QVERIFY(tip.textBox()->isVisible());
        QCOMPARE(tip.textBox()->pos(), QPoint(tip.x(), tip.y() + tip.height()));
        tip.hideTip();
    }

    void tipPictureKeepsItsShape_data()
    {
        QTest::addColumn<int>("action");
        QTest::newRow("voice typing") << 7;
        QTest::newRow("translation typing") << 8;
        QTest::newRow("voice search") << 16;
    }

    void tipPictureKeepsItsShape()
    {
        QFETCH(int, action);
        TypingMicDialog tip(action, false);
        tip.setMode(action);
        tip.showTip();
        const QLabel *picture = tip.findChild<QLabel *>(QStringLiteral("lbMic"));
        QVERIFY(picture);
        const QSize source = QImage(QStringLiteral(":/resource/image/tip_mic.png")).size();
        QCOMPARE(picture->width() * source.height(), picture->height() * source.width());
        tip.hideTip();
    }

    void tipFollowsTheCaretOnlyWhileShown()
    {
        PlacedCaret caret;
        caret.position = QPoint(100, 200);
        TypingMicDialog tip(7, true);
        QVERIFY(!tip.isFollowing());
        tip.showTip();
        QVERIFY(tip.isFollowing());
        QCOMPARE(tip.pos(), QPoint(105, 220));
        QCOMPARE(tip.textBox()->pos(), QPoint(105, 220 + tip.height()));
        caret.position = QPoint(300, 40);
        QTRY_COMPARE(tip.pos(), QPoint(305, 60));
        // No caret known: the tip stays where it is.
        caret.position.reset();
        const int asked = caret.asked;
        QTRY_VERIFY(caret.asked > asked);
        QCOMPARE(tip.pos(), QPoint(305, 60));
        tip.hideTip();
        QVERIFY(!tip.isFollowing());
        const int askedWhenHidden = caret.asked;
        QTest::qWait(3 * TypingMicDialog::FollowIntervalMs);
        QCOMPARE(caret.asked, askedWhenHidden);
        // Shown again, the one connection moves it once per tick, not twice.
        tip.showTip();
        const int start = caret.asked;
        QTest::qWait(TypingMicDialog::FollowIntervalMs * 5 + 50);
        QVERIFY(caret.asked - start <= 7);
        tip.hideTip();
    }

    void tipWithoutFollowingNeverPolls()
    {
        PlacedCaret caret;
        caret.position = QPoint(10, 10);
        TypingMicDialog tip(16, false);
        tip.showTip();
        QVERIFY(!tip.isFollowing());
        QCOMPARE(caret.asked, 1); // placed once when shown
        QTest::qWait(2 * TypingMicDialog::FollowIntervalMs + 50);
        QCOMPARE(caret.asked, 1);
    }
};

QTEST_MAIN(TestNavForm)
#include "tst_navform.moc"
