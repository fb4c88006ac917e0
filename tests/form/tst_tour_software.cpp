// Pictures of the upgrade dialog, the settings-menu pages and the feedback dialog, under
// build/ui-tour/software/, for checking by eye.
#include "TourPicture.h"

#include "config/Configurations.h"
#include "form/UpgradeLink.h"
#include "form/dialog/ButtonStateStyle.h"
#include "form/dialog/UpgradeDialog.h"
#include "qui/QrCodeHelper.h"
#include "support/LoopbackHttpServer.h"
#include "support/TestHome.h"
#include "util/UpgradeHelper.h"

#include <QDir>
#include <QJsonObject>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>
#include <memory>

class TestTourSoftware : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestHome> m_home;

    static void save(QWidget *window, const QString &name)
    {
        // An open window is hidden first, so that it is shown again off the screen.
        window->hide();
        TourPicture::save(window, name);
    }

    static std::unique_ptr<UpgradeDialog> offered(bool mandatory)
    {
        std::unique_ptr<UpgradeDialog> dialog(static_cast<UpgradeDialog *>(UpgradeLink::createDialog(
            nullptr, QStringLiteral("2.1.0"), mandatory, QStringLiteral("新版本"),
            QStringLiteral("1. 新增演示器字幕翻译\n2. 修复蓝牙鼠标重连问题\n3. 优化语音打字速度"))));
        return dialog;
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationVersion(QStringLiteral("2.0.3"));
        m_home = std::make_unique<TestHome>();
        TourPicture::useProgramStyle();
    }

    void cleanupTestCase() { m_home.reset(); }

    void upgradeOffer()
    {
        auto dialog = offered(false);
        save(dialog.get(), QStringLiteral("UpgradeDialog-offer"));
    }

    void upgradeMandatory()
    {
        auto dialog = offered(true);
        save(dialog.get(), QStringLiteral("UpgradeDialog-mandatory"));
    }

    void upgradeLongNotes()
    {
        QStringList lines;
        for (int i = 1; i <= 150; ++i)
            lines << QStringLiteral("%1. 修复蓝牙鼠标重连问题, 优化语音打字速度").arg(i);
        std::unique_ptr<UpgradeDialog> dialog(static_cast<UpgradeDialog *>(UpgradeLink::createDialog(
            nullptr, QStringLiteral("2.1.0"), true, QStringLiteral("新版本"), lines.join(QLatin1Char('\n')))));
        save(dialog.get(), QStringLiteral("UpgradeDialog-long-notes"));
    }

    void upgradeProgress()
    {
        LoopbackHttpServer server;
        Configurations::instance().setValue(QStringLiteral("/Server/UpgradeUrl"), server.url(QStringLiteral("/up")));
        LoopbackHttpServer::Reply file = LoopbackHttpServer::raw(200, QByteArray(100000, 'x'));
        file.mode = LoopbackHttpServer::Mode::Stall;
        file.chunkSize = 42000;
        server.setReply(QStringLiteral("/f/installer.run"), file);
        server.setEnvelope(QStringLiteral("/up"), 0, QString(),
                           QJsonObject{{"version", "2.1.0"}, {"isMandatory", false}, {"title", ""},
                                       {"content", "1. 新增演示器字幕翻译"},
                                       {"downloadUrl", server.url(QStringLiteral("/f/installer.run"))},
                                       {"fileSize", 100000}});
        QSignalSpy offer(&UpgradeHelper::instance(), &UpgradeHelper::newVersion);
        UpgradeHelper::instance().checkUpdate(false, false);
        QVERIFY(offer.wait(5000));
        auto dialog = offered(false);
        QSignalSpy progress(&UpgradeHelper::instance(), &UpgradeHelper::downloadProgress);
        dialog->on_btnUpgrade_clicked();
        QVERIFY(progress.wait(5000));
        dialog->setProgress(int(progress.last().first().toDouble() * 100));
        QVERIFY(dialog->findChild<QProgressBar *>()->value() > 0);
        save(dialog.get(), QStringLiteral("UpgradeDialog-progress"));
        UpgradeHelper::instance().stopDownload();
    }

    void settingsMenuPages_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("servicePicture");
        QTest::newRow("software") << 0 << "SoftwareSettingTab" << true;
        QTest::newRow("support") << 1 << "GuideTab" << true;
        QTest::newRow("support without its picture") << 1 << "GuideTab-noPicture" << false;
        QTest::newRow("feedback") << 2 << "FeedbackDialog" << true;
        QTest::newRow("about") << 3 << "AboutTab" << true;
    }

    void settingsMenuPages()
    {
        QFETCH(int, entry);
        QFETCH(QString, name);
        QFETCH(bool, servicePicture);
        Configurations::instance().setLanguage(QStringLiteral("zh"));
        QDir().mkpath(m_home->file(QStringLiteral("assets/vellobox/image")));
        const QString picture = m_home->file(QStringLiteral("assets/vellobox/image/customer_service_zh.png"));
        if (servicePicture)
            QrCodeHelper::image(QStringLiteral("https://example.com/service"), 256).save(picture);
        else
            QFile::remove(picture);
        QPointer<QDialog> dialog = settingsMenuInstance()->openSettingDialog(entry);
        QVERIFY(dialog);
        save(dialog, name);
        dialog->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!dialog);
    }

    // With no mail account the upload fails: the page keeps its button for another try.
    void supportAfterAFailedUpload()
    {
        Configurations &config = Configurations::instance();
        config.setLanguage(QStringLiteral("zh"));
        config.setValue(QStringLiteral("/Mail/Account"), QString());
        config.setValue(QStringLiteral("/Mail/Password"), QString());
        QDir().mkpath(m_home->file(QStringLiteral("assets/vellobox/image")));
        QrCodeHelper::image(QStringLiteral("https://example.com/service"), 256)
            .save(m_home->file(QStringLiteral("assets/vellobox/image/customer_service_zh.png")));
        m_home->write(QStringLiteral("log/log.txt"), "today");
        QPointer<QDialog> dialog = settingsMenuInstance()->openSettingDialog(1);
        QVERIFY(dialog);
        auto *upload = dialog->findChild<QPushButton *>(QStringLiteral("btnUploadLog"));
        QVERIFY(upload);
        upload->click();
        QVERIFY(upload->isVisible());
        save(dialog, QStringLiteral("GuideTab-uploadFailed"));
        dialog->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QTEST_MAIN(TestTourSoftware)
#include "tst_tour_software.moc"
