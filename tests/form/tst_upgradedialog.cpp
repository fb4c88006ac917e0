// The upgrade dialog as the main window drives it, against the loopback upgrade server.
#include "config/Configurations.h"
#include "form/MainWindow.h"
#include "form/dialog/UpgradeDialog.h"
#include "support/LoopbackHttpServer.h"
#include "support/PromptRecorder.h"
#include "support/TestHome.h"
#include "support/ToastRecorder.h"
#include "util/AppHelper.h"
#include "util/UpgradeHelper.h"

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>
#include <memory>

using Mode = LoopbackHttpServer::Mode;

namespace {
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    UrlCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

const QString kIgnoreKey = QStringLiteral("/UserSetting/IgnoreVersions");
const QByteArray kInstaller(64 * 1024, 'x');
} // namespace

class TestUpgradeDialog : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<LoopbackHttpServer> m_server;
    std::unique_ptr<MainWindow> m_window;

    void offer(bool mandatory, Mode mode = Mode::Normal)
    {
        LoopbackHttpServer::Reply file = LoopbackHttpServer::raw(200, kInstaller, "application/octet-stream");
        file.mode = mode;
        file.chunkSize = 8 * 1024;
        m_server->setReply(QStringLiteral("/files/Vellobox-2.0.run"), file);
        m_server->setEnvelope(QStringLiteral("/upgrade/latest"), 0, QString(),
                              QJsonObject{{"version", "2.0.0"}, {"isMandatory", mandatory}, {"title", "新版本"},
                                          {"content", "修复问题\n<b>不是粗体</b>"},
                                          {"downloadUrl", m_server->url(QStringLiteral("/files/Vellobox-2.0.run"))},
                                          {"fileSize", double(kInstaller.size())}});
    }

    // Runs the check a user starts and returns the dialog the window made of the answer.
    UpgradeDialog *offered(bool mandatory, Mode mode = Mode::Normal)
    {
        offer(mandatory, mode);
        QSignalSpy spy(&UpgradeHelper::instance(), &UpgradeHelper::newVersion);
        UpgradeHelper::instance().checkUpdate(false, false);
        if (!spy.wait(5000))
            return nullptr;
        return m_window->findChild<UpgradeDialog *>();
    }

    static bool shown(UpgradeDialog *dialog, const char *name)
    {
        return dialog->findChild<QWidget *>(QLatin1String(name))->isVisible();
    }

private slots:
    void initTestCase() { QCoreApplication::setApplicationVersion(QStringLiteral("1.2.0")); }

    void init()
    {
        m_home = std::make_unique<TestHome>();
        m_server = std::make_unique<LoopbackHttpServer>();
        Configurations::instance().setValue(QStringLiteral("/Server/UpgradeUrl"),
                                            m_server->url(QStringLiteral("/upgrade/latest")));
        MainWindow::setTrayAvailableForTest(true);
        m_window = std::make_unique<MainWindow>();
        AppHelper::instance().setMainWindow(m_window.get());
    }

    void cleanup()
    {
        UpgradeHelper::instance().stopDownload();
        m_window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        MainWindow::setTrayAvailableForTest(std::nullopt);
        m_server.reset();
        m_home.reset();
    }

    void offerShowsTheVersionAndTheNotesAsPlainText()
    {
        UpgradeDialog *dialog = offered(false);
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("软件更新"));
        QCOMPARE(dialog->findChild<QLabel *>("lbNewVersion")->text(), QStringLiteral("发现新版本2.0.0"));
        auto *notes = dialog->findChild<QLabel *>("lbUpgradeContent");
        QCOMPARE(notes->text(), QStringLiteral("修复问题\n<b>不是粗体</b>"));
        QCOMPARE(notes->textFormat(), Qt::PlainText);
        QVERIFY(shown(dialog, "btnUpgrade") && shown(dialog, "btnIgnore"));
        QVERIFY(!shown(dialog, "btnHide") && !shown(dialog, "btnStop") && !shown(dialog, "pbDownload"));
        QCOMPARE(dialog->windowModality(), Qt::NonModal);
    }

    void downloadShowsProgressAndHandsTheInstallerToTheSystem()
    {
        UrlCatcher opener;
        UpgradeDialog *dialog = offered(false, Mode::Slow);
        QVERIFY(dialog);
        QPointer<UpgradeDialog> watch(dialog);
        QList<int> shownPercents;
        connect(dialog->findChild<QProgressBar *>(), &QProgressBar::valueChanged, this,
                [&shownPercents](int value) { shownPercents << value; });
        QTest::mouseClick(dialog->findChild<QPushButton *>("btnUpgrade"), Qt::LeftButton);
        QVERIFY(shown(dialog, "btnHide") && shown(dialog, "btnStop"));
        QVERIFY(!shown(dialog, "btnUpgrade") && !shown(dialog, "btnIgnore"));
        QTRY_VERIFY_WITH_TIMEOUT(!watch, 5000);
        QVERIFY(shownPercents.size() > 1);
        QCOMPARE(shownPercents.last(), 100);
        QTRY_COMPARE_WITH_TIMEOUT(opener.urls.size(), 1, 3000);
        const QString path = opener.urls.first().toLocalFile();
        QCOMPARE(QFileInfo(path).fileName(), QStringLiteral("Vellobox-2.0.run"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), kInstaller);
    }

    void progressIsTruncatedToWholePercent()
    {
        UpgradeDialog *dialog = offered(false);
        QVERIFY(dialog);
        m_window->upgrade_downloadProgress(0.999);
        QCOMPARE(dialog->findChild<QProgressBar *>()->value(), 99);
        QVERIFY(dialog->findChild<QProgressBar *>()->isVisible());
    }

    void hiddenDialogComesBackWithItsProgressFromTheTray()
    {
        UpgradeDialog *dialog = offered(false);
        QVERIFY(dialog);
        dialog->on_btnUpgrade_clicked();
        m_window->upgrade_downloadProgress(0.375);
        dialog->on_btnHide_clicked();
        QVERIFY(!dialog->isVisible());
        m_window->showProgressTriggered();
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->findChild<QProgressBar *>()->value(), 37);
    }

    void failedDownloadIsToldAndOnlyAMandatoryOfferStays_data()
    {
        QTest::addColumn<bool>("mandatory");
        QTest::newRow("optional version: dialog goes") << false;
        QTest::newRow("mandatory version: back to the offer") << true;
    }

    void failedDownloadIsToldAndOnlyAMandatoryOfferStays()
    {
        QFETCH(bool, mandatory);
        ToastRecorder toasts;
        UpgradeDialog *dialog = offered(mandatory, Mode::Truncate);
        QVERIFY(dialog);
        QPointer<UpgradeDialog> watch(dialog);
        QSignalSpy stopped(&UpgradeHelper::instance(), &UpgradeHelper::downloadStop);
        dialog->on_btnUpgrade_clicked();
        QVERIFY(stopped.wait(5000));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(toasts.entries.size(), 1);
        QCOMPARE(toasts.entries.first().type, 2);
        QCOMPARE(toasts.entries.first().text, stopped.first().first().toString());
        QCOMPARE(bool(watch), mandatory);
        if (mandatory) {
            QVERIFY(watch->isVisible());
            QVERIFY(shown(watch, "btnUpgrade") && !shown(watch, "btnStop") && !shown(watch, "pbDownload"));
        }
        QVERIFY(!QFile::exists(UpgradeHelper::downloadDir() + QStringLiteral("/Vellobox-2.0.run")));
    }

    void refusedDownloadAddressIsToldOnce()
    {
        ToastRecorder toasts;
        m_server->setEnvelope(QStringLiteral("/upgrade/latest"), 0, QString(),
                              QJsonObject{{"version", "2.0.0"}, {"isMandatory", false}, {"title", ""},
                                          {"content", ""}, {"downloadUrl", "ftp://127.0.0.1/Vellobox-2.0.run"}});
        QSignalSpy offered(&UpgradeHelper::instance(), &UpgradeHelper::newVersion);
        UpgradeHelper::instance().checkUpdate(false, false);
        QVERIFY(offered.wait(5000));
        auto *dialog = m_window->findChild<UpgradeDialog *>();
        QVERIFY(dialog);
        dialog->on_btnUpgrade_clicked();
        QCOMPARE(toasts.entries.size(), 1);
        QCOMPARE(toasts.entries.first().type, 2);
    }

    void stopOfAnOptionalDownloadRemovesTheDialogQuietly()
    {
        ToastRecorder toasts;
        UpgradeDialog *dialog = offered(false, Mode::Stall);
        QVERIFY(dialog);
        QPointer<UpgradeDialog> watch(dialog);
        dialog->on_btnUpgrade_clicked();
        QTRY_VERIFY(UpgradeHelper::instance().isDownloading());
        dialog->on_btnStop_clicked();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!watch);
        QVERIFY(!UpgradeHelper::instance().isDownloading());
        QVERIFY(toasts.entries.isEmpty());
    }

    void ignoreAndDismissRules_data()
    {
        QTest::addColumn<bool>("mandatory");
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("staysOpen");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("ignoreList");
        const QString noIgnore = QStringLiteral("最新版本有重大升级, 无法忽略, 请更新最新版本");
        const QString noClose = QStringLiteral("最新版本有重大升级, 更新之前无法使用, 请更新最新版本");
        QTest::newRow("optional ignore") << false << "ignore" << false << "" << "[2.0.0]";
        QTest::newRow("optional ignored twice") << false << "ignore twice" << false << "" << "[2.0.0][2.0.0]";
        QTest::newRow("optional Esc") << false << "esc" << false << "" << "";
        QTest::newRow("optional close") << false << "close" << false << "" << "";
        QTest::newRow("mandatory ignore") << true << "ignore" << true << noIgnore << "";
        QTest::newRow("mandatory Esc") << true << "esc" << true << noClose << "";
        QTest::newRow("mandatory close") << true << "close" << true << noClose << "";
    }

    void ignoreAndDismissRules()
    {
        QFETCH(bool, mandatory);
        QFETCH(QString, action);
        QFETCH(bool, staysOpen);
        QFETCH(QString, warning);
        QFETCH(QString, ignoreList);
        ToastRecorder toasts;
        UpgradeDialog *dialog = offered(mandatory);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowModality(), mandatory ? Qt::ApplicationModal : Qt::NonModal);
        if (action == QLatin1String("ignore")) {
            dialog->on_btnIgnore_clicked();
        } else if (action == QLatin1String("ignore twice")) {
            dialog->on_btnIgnore_clicked();
            dialog = offered(mandatory);
            QVERIFY2(dialog, "an ignored version is offered again to a check the user starts");
            dialog->on_btnIgnore_clicked();
        } else if (action == QLatin1String("esc")) {
            QTest::keyClick(dialog, Qt::Key_Escape);
        } else {
            dialog->close();
        }
        QCOMPARE(dialog->isVisible(), staysOpen);
        QCOMPARE(toasts.texts(), warning.isEmpty() ? QStringList() : QStringList{warning});
        if (!warning.isEmpty())
            QCOMPARE(toasts.entries.first().type, 1);
        QCOMPARE(Configurations::instance().value(kIgnoreKey).toString(), ignoreList);
    }

    void ignoredVersionStaysSilentAtStartUp()
    {
        UpgradeDialog *dialog = offered(false);
        QVERIFY(dialog);
        dialog->on_btnIgnore_clicked();
        QSignalSpy spy(&UpgradeHelper::instance(), &UpgradeHelper::newVersion);
        const int before = m_server->requests.size();
        UpgradeHelper::instance().checkUpdate(true, true);
        QVERIFY(m_server->waitForRequests(before + 1));
        QTest::qWait(100);
        QCOMPARE(spy.count(), 0);
    }

    void mandatoryStopAskedAndCancelledKeepsDownloading()
    {
        PromptRecorder prompts(QMessageBox::Cancel);
        UpgradeDialog *dialog = offered(true, Mode::Stall);
        QVERIFY(dialog);
        dialog->on_btnUpgrade_clicked();
        QTRY_VERIFY(UpgradeHelper::instance().isDownloading());
        dialog->on_btnStop_clicked();
        QCOMPARE(prompts.texts, QStringList{QStringLiteral("<font color='red'>版本有重大更新,<br> 不更新的情况下无法使用!</font>")});
        QVERIFY(UpgradeHelper::instance().isDownloading());
        QVERIFY(dialog->isVisible());
    }

    void mandatoryStopQuestionShowsItsWarningInRedNotItsTags()
    {
        UpgradeDialog *dialog = offered(true);
        QVERIFY(dialog);
        // Never leave the test hanging on an unanswered box.
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, this, [] {
            if (auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                box->done(0);
        });
        guard.start(5000);
        int redPixels = -1;
        QTimer::singleShot(0, this, [&redPixels] {
            auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(box);
            auto *label = box->findChild<QLabel *>(QStringLiteral("lbText"));
            QVERIFY(label);
            const QImage image = label->grab().toImage();
            redPixels = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    if (c.red() > 180 && c.green() < 90 && c.blue() < 90)
                        ++redPixels;
                }
            box->findChild<QPushButton *>(QStringLiteral("btnCancel"))->click();
        });
        dialog->on_btnStop_clicked();
        QVERIFY2(redPixels > 0, "the warning is shown in red, not as its markup");
        QVERIFY(dialog->isVisible());
    }

    void longNotesScrollInsideADialogThatFitsTheScreen()
    {
        QStringList lines;
        for (int i = 1; i <= 150; ++i)
            lines << QStringLiteral("%1. 修复了一个问题").arg(i);
        m_server->setEnvelope(QStringLiteral("/upgrade/latest"), 0, QString(),
                              QJsonObject{{"version", "2.0.0"}, {"isMandatory", true}, {"title", ""},
                                          {"content", lines.join(QLatin1Char('\n'))},
                                          {"downloadUrl", m_server->url(QStringLiteral("/files/Vellobox-2.0.run"))}});
        QSignalSpy spy(&UpgradeHelper::instance(), &UpgradeHelper::newVersion);
        UpgradeHelper::instance().checkUpdate(false, false);
        QVERIFY(spy.wait(5000));
        auto *dialog = m_window->findChild<UpgradeDialog *>();
        QVERIFY(dialog);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        const QRect screen = dialog->screen()->availableGeometry();
        QVERIFY2(dialog->frameGeometry().height() <= screen.height(),
                 qPrintable(QStringLiteral("%1 px tall on a %2 px screen").arg(dialog->frameGeometry().height()).arg(screen.height())));
        for (const char *name : {"btnUpgrade", "btnIgnore"}) {
            auto *button = dialog->findChild<QPushButton *>(QLatin1String(name));
            const QRect onScreen(button->mapToGlobal(QPoint(0, 0)), button->size());
            QVERIFY2(screen.contains(onScreen), name);
        }
        auto *notes = dialog->findChild<QLabel *>(QStringLiteral("lbUpgradeContent"));
        QCOMPARE(notes->text(), lines.join(QLatin1Char('\n')));
        auto *area = dialog->findChild<QScrollArea *>();
        QVERIFY(area);
        QVERIFY(area->isAncestorOf(notes));
        QVERIFY(area->verticalScrollBar()->maximum() > 0);
    }

    // Ends with the window's orderly exit, which ends event loops: keep it last.
    void mandatoryStopConfirmedQuitsHalfASecondLaterThoughTheDialogIsGone()
    {
        PromptRecorder prompts(QMessageBox::Yes);
        UpgradeDialog *dialog = offered(true, Mode::Stall);
        QVERIFY(dialog);
        QPointer<UpgradeDialog> watch(dialog);
        dialog->on_btnUpgrade_clicked();
        QTRY_VERIFY(UpgradeHelper::instance().isDownloading());
        QSignalSpy quitting(m_window.get(), &MainWindow::quitting);
        QElapsedTimer clock;
        clock.start();
        dialog->on_btnStop_clicked();
        QVERIFY(!UpgradeHelper::instance().isDownloading());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!watch);
        QCOMPARE(quitting.count(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(quitting.count(), 1, 3000);
        QVERIFY(clock.elapsed() >= UpgradeDialog::QuitDelayMs - 20);
    }
};

QTEST_MAIN(TestUpgradeDialog)
#include "tst_upgradedialog.moc"
