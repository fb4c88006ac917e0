// The support page: the service picture by language and the log upload by mail.
#include "MailFixture.h"

#include "config/Configurations.h"
#include "form/tab/GuideTab.h"
#include "logic/businessLogic/login/LoginBL.h"
#include "qui/QUIHelper.h"
#include "qui/control/AnimationButton.h"
#include "support/ReceivedMail.h"
#include "support/ToastRecorder.h"
#include "util/AppHelper.h"
#include "util/SmtpHelper.h"

#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QTcpServer>
#include <QtTest>
#include <memory>

class TestGuideTab : public QObject
{
    Q_OBJECT

    std::unique_ptr<MailFixture> m_mail;

    static AnimationButton *upload(GuideTab &page) { return page.findChild<AnimationButton *>("btnUploadLog"); }

    void writePicture(const QString &relative, const QColor &colour)
    {
        QImage image(32, 32, QImage::Format_RGB32);
        image.fill(colour);
        QDir().mkpath(QFileInfo(m_mail->home.file(relative)).absolutePath());
        QVERIFY(image.save(m_mail->home.file(relative)));
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationVersion(QStringLiteral("3.1.4"));
        // The page's margins and paddings come from the application style sheet.
        QVERIFY(QUIHelper::setStyleSheetFile(QStringLiteral(":/customization.css")));
    }

    void init() { m_mail = std::make_unique<MailFixture>(); }
    void cleanup() { m_mail.reset(); }

    void pictureFollowsTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("chinese");
        QTest::newRow("zh") << "zh" << true;
        QTest::newRow("ZH") << "ZH" << true;
        QTest::newRow("en") << "en" << false;
        QTest::newRow("ko") << "ko" << false;
        QTest::newRow("tr") << "tr" << false;
    }

    void pictureFollowsTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(bool, chinese);
        writePicture(QStringLiteral("assets/vellobox/image/customer_service_zh.png"), Qt::red);
        writePicture(QStringLiteral("assets/vellobox/image/customer_service.png"), Qt::blue);
        Configurations::instance().setLanguage(language);
        GuideTab page;
        const QPixmap picture = page.findChild<QLabel *>("lbCustomerService")->pixmap(Qt::ReturnByValue);
        QVERIFY(!picture.isNull());
        QCOMPARE(picture.toImage().pixelColor(1, 1), QColor(chinese ? Qt::red : Qt::blue));
    }

    void pageIsLargeEnoughForTheWholePictureAndTheButton()
    {
        writePicture(QStringLiteral("assets/vellobox/image/customer_service_zh.png"), Qt::red);
        writePicture(QStringLiteral("assets/vellobox/image/customer_service.png"), Qt::blue);
        GuideTab page;
        page.ensurePolished();
        page.layout()->activate();
        auto *picture = page.findChild<QLabel *>("lbCustomerService");
        QCOMPARE(picture->size(), QSize(256, 256));
        const QRect button = upload(page)->geometry();
        QVERIFY(page.rect().contains(button));
        QVERIFY(button.top() >= picture->mapTo(&page, QPoint(0, picture->height())).y());
    }

    void missingPictureLeavesTheLabelEmpty()
    {
        GuideTab page;
        QVERIFY(page.findChild<QLabel *>("lbCustomerService")->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY(upload(page)->isVisible() || !page.isVisible());
    }

    void withoutItsPictureThePageShowsNoBoxAndNoInvitationToScan()
    {
        GuideTab page;
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QVERIFY(!page.findChild<QLabel *>("lbCustomerService")->isVisible());
        QVERIFY(!page.findChild<QLabel *>("label_4")->isVisible());
        QVERIFY(!page.findChild<QFrame *>("guideFrame")->isVisible());
        QVERIFY(upload(page)->isVisible());
    }

    void noLogsGivesANoticeAndNoMail()
    {
        ToastRecorder toasts;
        m_mail->home.write(QStringLiteral("log/old/log.txt.3"), "only in a subfolder");
        GuideTab page;
        page.show();
        page.on_btnUploadLog_clicked();
        QCOMPARE(toasts.texts(), QStringList{QStringLiteral("无日志生成, 请确定后上传!")});
        QCOMPARE(toasts.entries.first().type, 0);
        QTest::qWait(50);
        QVERIFY(m_mail->server.sessions.isEmpty());
        QVERIFY(upload(page)->isVisible());
    }

    void uploadMailsTopLevelLogsAndDumpsThenHidesTheButton_data()
    {
        QTest::addColumn<bool>("loggedIn");
        QTest::addColumn<QString>("first");
        QTest::newRow("nobody logged in") << false << "";
        QTest::newRow("logged in") << true << "李四";
    }

    void uploadMailsTopLevelLogsAndDumpsThenHidesTheButton()
    {
        QFETCH(bool, loggedIn);
        QFETCH(QString, first);
        ToastRecorder toasts;
        if (loggedIn) {
            m_mail->home.write(QStringLiteral("config/user"), R"({"id": 42, "name": "李四"})");
            LoginBL::instance().reloadFromDisk();
        }
        m_mail->home.write(QStringLiteral("log/log.txt"), "today");
        m_mail->home.write(QStringLiteral("log/old/log.txt.9"), "in a subfolder");
        m_mail->home.write(QStringLiteral("crash-1.dmp"), "dump");
        m_mail->home.write(QStringLiteral("dumps/crash-2.dmp"), "dump in a subfolder");
        GuideTab page;
        page.show();
        page.on_btnUploadLog_clicked();
        QCOMPARE(m_mail->server.sessions.size(), 1);
        const ReceivedMail mail = ReceivedMail::parse(m_mail->server.sessions.first().data);
        const QString id = AppHelper::getMacAddress().remove(QLatin1Char(':'));
        QCOMPARE(mail.subject, QStringLiteral("[%1] [%2] 日志上传 - QtVellobox V3.1.4").arg(first, id));
        QStringList names = mail.attachmentNames;
        names.sort();
        QCOMPARE(names, (QStringList{"crash-1.dmp", "log.txt"}));
        QVERIFY(mail.body.isEmpty());
        QCOMPARE(toasts.texts(), QStringList{QStringLiteral("日志上传成功")});
        QCOMPARE(toasts.entries.first().type, 0);
        QVERIFY(!upload(page)->isVisible());
        QVERIFY(!upload(page)->isAnimating());
    }

    // A failure leaves the button, so the user can try again once the cause is mended.
    void failedUploadKeepsTheButtonForAnotherTry_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("message");
        QTest::newRow("no mail account") << "account" << "邮件账号未配置 (/Mail/Account, /Mail/Password)";
        QTest::newRow("server down") << "down" << "连接邮件服务器失败!";
        QTest::newRow("mail refused") << "refused" << "邮件发送失败!";
    }

    void failedUploadKeepsTheButtonForAnotherTry()
    {
        QFETCH(QString, failure);
        QFETCH(QString, message);
        ToastRecorder toasts;
        m_mail->home.write(QStringLiteral("log/log.txt"), "today");
        Configurations &config = Configurations::instance();
        if (failure == QLatin1String("account")) {
            config.setValue(QStringLiteral("/Mail/Account"), QString());
            config.setValue(QStringLiteral("/Mail/Password"), QString());
        } else if (failure == QLatin1String("down")) {
            QTcpServer gone;
            QVERIFY(gone.listen(QHostAddress::LocalHost, 0));
            config.setValue(QStringLiteral("/Mail/Port"), gone.serverPort());
        } else {
            m_mail->server.setRejectData(true);
        }
        GuideTab page;
        page.show();
        upload(page)->click();
        QCOMPARE(toasts.texts(), QStringList{message});
        QCOMPARE(toasts.entries.first().type, 2);
        QVERIFY(upload(page)->isVisible());
        QCOMPARE(upload(page)->text(), QStringLiteral("上传日志"));
        QVERIFY(!upload(page)->isAnimating());

        // The cause mended, the same button sends the logs.
        m_mail->server.setRejectData(false);
        ReceivedMail::configure(m_mail->server);
        upload(page)->click();
        QCOMPARE(toasts.texts().last(), QStringLiteral("日志上传成功"));
        QVERIFY(!m_mail->server.sessions.isEmpty());
        QVERIFY(ReceivedMail::parse(m_mail->server.sessions.last().data).attachmentNames.contains("log.txt"));
        QVERIFY(!upload(page)->isVisible());
    }

    void secondPressWhileUploadingIsRefused()
    {
        ToastRecorder toasts;
        m_mail->home.write(QStringLiteral("log/log.txt"), "today");
        GuideTab page;
        page.show();
        QString textWhileSending;
        QTimer::singleShot(0, &page, [&] {
            textWhileSending = upload(page)->text();
            page.on_btnUploadLog_clicked();
        });
        page.on_btnUploadLog_clicked();
        QCOMPARE(textWhileSending, QStringLiteral("上传中..."));
        QCOMPARE(toasts.texts(), (QStringList{QStringLiteral("邮件已经在发送中!"), QStringLiteral("日志上传成功")}));
        QTest::qWait(50);
        QCOMPARE(m_mail->server.sessions.size(), 1);
    }
};

QTEST_MAIN(TestGuideTab)
#include "tst_guidetab.moc"
