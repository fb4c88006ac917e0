#include "DevicePageHome.h"

#include "config/Configurations.h"
#include "config/PointerSetting.h"
#include "databinding/PageNavigator.h"
#include "databinding/ZTableWidget.h"
#include "device/DeviceHardwareInfo.h"
#include "device/common/ui/DevicePages.h"
#include "device/pointer/common/PointerDevice.h"
#include "form/dialog/ContainerDialog.h"
#include "form/tab/QRCodeTab.h"
#include "form/tab/RecordPlayback.h"
#include "form/tab/RecordTab.h"
#include "logic/businessLogic/AudioRecordBL.h"
#include "logic/businessLogic/FunctionImpl.h"
#include "logic/businessLogic/login/LoginBL.h"
#include "orm/data/UserVO.h"
#include "qui/control/ClickableLabel.h"
#include "support/LoopbackHttpServer.h"
#include "support/PromptRecorder.h"
#include "support/ToastRecorder.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QJsonArray>
#include <QLineEdit>
#include <QtTest>

namespace {
const QString kList = QStringLiteral("/v1/getRecords.json");
const QString kDelete = QStringLiteral("/v1/deleteRecord");
const QString kShare = QStringLiteral("/v1/generateRecordShareKey");
constexpr qint64 Base = 1700000000000;

QJsonObject record(qint64 id, qint64 createTime, const QString &content = QString())
{
    return {{"id", id}, {"createTime", createTime}, {"content", content}, {"duration", 61}};
}

// Records 1..n, record i created i minutes after Base: the newest has the highest id.
QJsonArray records(int n)
{
    QJsonArray list;
    for (int i = 1; i <= n; ++i)
        list.append(record(i, Base + i * 60000, QStringLiteral("第%1条").arg(i)));
    return list;
}

QList<qint64> shownIds(RecordTab &tab)
{
    QList<qint64> ids;
    for (int row = 0; row < tab.table()->rowCount(); ++row)
        ids << tab.table()->rowData(row)->value(QStringLiteral("id")).toLongLong();
    return ids;
}

// Records URL openings for one test.
class OpenedUrls : public QObject
{
    Q_OBJECT
public:
    OpenedUrls()
    {
        for (const char *scheme : {"file", "http", "https"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
    }
    ~OpenedUrls() override
    {
        for (const char *scheme : {"file", "http", "https"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};
} // namespace

class TestRecordTab : public QObject
{
    Q_OBJECT

    std::unique_ptr<DevicePageHome> m_device;
    std::unique_ptr<LoopbackHttpServer> m_server;

    void logIn(qint64 id = 77)
    {
        UserVO user;
        user.id = id;
        user.name = QStringLiteral("tester");
        m_device->home.write(QStringLiteral("config/user"), user.toJsonText());
        LoginBL::instance().reloadFromDisk();
    }
    // Waits for the list reply of the n-th list request.
    void waitForList(RecordTab &tab, int requests, int rows)
    {
        QTRY_COMPARE(m_server->count(kList), requests);
        QTRY_COMPARE(tab.table()->rowCount(), rows);
    }
    static ClickableLabel *link(RecordTab &tab, int row, const char *name)
    {
        QWidget *cell = tab.table()->cellWidget(row, tab.table()->columnOf(QStringLiteral("action")));
        return cell ? cell->findChild<ClickableLabel *>(name) : nullptr;
    }
    static void click(QWidget *w, const QPoint &global = QPoint(10, 10))
    {
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(global), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &release);
    }

private slots:
    void init()
    {
        m_device = std::make_unique<DevicePageHome>(std::make_unique<PointerSetting>());
        m_server = std::make_unique<LoopbackHttpServer>();
        Configurations::instance().setValue(QStringLiteral("/Server/ApiBaseUrl"), m_server->url(QStringLiteral("/v1")));
        LoginBL::instance().reloadFromDisk();
        m_server->setEnvelope(kList, 0, QStringLiteral("ok"), records(3));
    }

    void cleanup()
    {
        m_server.reset();
        m_device.reset();
        LoginBL::instance().reloadFromDisk();
    }

    void withoutUserNothingIsSent()
    {
        RecordTab tab;
        tab.loadRecord(nullptr);
        QTest::qWait(50);
        QCOMPARE(m_server->count(kList), 0);
        QVERIFY(tab.pager()->isHidden());
    }

    // Thirteen records: pages of 6, 6 and 1, newest first, ordered by time as a number.
    void listIsPagedLocallyNewestFirst()
    {
        QJsonArray list = records(12);
        list.append(record(99, 9000)); // oldest; as text it would sort first
        m_server->setEnvelope(kList, 0, QStringLiteral("ok"), list);
        logIn();
        RecordTab tab;
        waitForList(tab, 1, 6);
        QCOMPARE(m_server->last(kList).param(QStringLiteral("userid")), QStringLiteral("77"));
        QCOMPARE(tab.pager()->pageCount(), 3);
        QCOMPARE(tab.pager()->total(), 13);
        QCOMPARE(shownIds(tab), (QList<qint64>{12, 11, 10, 9, 8, 7}));
        tab.pageChanged(2);
        QCOMPARE(shownIds(tab), (QList<qint64>{6, 5, 4, 3, 2, 1}));
        tab.pageChanged(3);
        QCOMPARE(shownIds(tab), QList<qint64>{99});
        tab.pageChanged(0);
        QCOMPARE(shownIds(tab).first(), 12);
        tab.pageChanged(-4);
        QCOMPARE(tab.table()->rowCount(), 6);
        QCOMPARE(tab.table()->item(0, 2)->text(), QStringLiteral("1分1秒"));
    }

    void replyAfterLogoutLeavesTheTableEmpty()
    {
        logIn();
        RecordTab tab;
        LoginBL::instance().logout();
        QVERIFY(m_server->waitForRequests(1));
        QTest::qWait(150);
        QCOMPARE(tab.table()->rowCount(), 0);
        QVERIFY(tab.recordView().isEmpty());
        QVERIFY(tab.pager()->isHidden());
    }

    void replyToAnOlderRequestIsDropped()
    {
        LoopbackHttpServer::Reply slow = LoopbackHttpServer::envelope(0, QStringLiteral("ok"), records(3));
        slow.mode = LoopbackHttpServer::Mode::Slow;
        slow.chunkSize = 40;
        slow.chunkDelayMs = 40;
        m_server->setReply(kList, slow);
        logIn();
        RecordTab tab;
        QVERIFY(m_server->waitForRequests(1));
        m_server->setEnvelope(kList, 0, QStringLiteral("ok"), records(1));
        tab.loadRecord();
        waitForList(tab, 2, 1);
        QTest::qWait(slow.body.size() / slow.chunkSize * slow.chunkDelayMs + 200);
        QCOMPARE(tab.table()->rowCount(), 1);
        QCOMPARE(tab.recordView().size(), 1);
    }

    void logoutEmptiesAndTheNextLoginFetchesAgain()
    {
        m_server->setEnvelope(QStringLiteral("/v1/recordLogin.json"), 0, QStringLiteral("ok"),
                              QJsonObject{{"id", 78}, {"name", "other"}});
        logIn();
        RecordTab tab;
        tab.show();
        waitForList(tab, 1, 3);
        LoginBL::instance().logout();
        QCOMPARE(tab.table()->rowCount(), 0);
        QVERIFY(tab.pager()->isHidden());

        LoginBL::instance().login(QStringLiteral("13800000000"), QStringLiteral("pw"), QString());
        waitForList(tab, 2, 3);
        QCOMPARE(m_server->last(kList).param(QStringLiteral("userid")), QStringLiteral("78"));
        QVERIFY(tab.pager()->isVisible());
    }

    void malformedReplyShowsAnErrorAndKeepsTheList()
    {
        logIn();
        RecordTab tab;
        waitForList(tab, 1, 3);
        ToastRecorder toasts;
        m_server->setReply(kList, LoopbackHttpServer::raw(200, "<html>busy</html>"));
        tab.loadRecord();
        QTRY_COMPARE(toasts.entries.size(), 1);
        QCOMPARE(toasts.entries.first().type, 2);
        QVERIFY(toasts.entries.first().text.startsWith(QStringLiteral("获取录音记录失败: ")));
        QCOMPARE(tab.table()->rowCount(), 3);
        QCOMPARE(tab.recordView().size(), 3);
    }

    void deletingTheTabWhileTheListLoadsIsSafe()
    {
        logIn();
        auto tab = std::make_unique<RecordTab>();
        tab.reset();
        QVERIFY(m_server->waitForRequests(1));
        QTest::qWait(150);
    }

    void deleteCheckedRows_data()
    {
        QTest::addColumn<QList<int>>("checkedRows");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("sent");
        QTest::newRow("three confirmed") << QList<int>{0, 1, 2} << 16384 << QStringLiteral("12|15|20");
        QTest::newRow("one confirmed") << QList<int>{1} << 16384 << QStringLiteral("15");
        QTest::newRow("cancelled") << QList<int>{0, 2} << 65536 << QString();
        QTest::newRow("none checked") << QList<int>{} << 16384 << QString();
    }

    void deleteCheckedRows()
    {
        QFETCH(QList<int>, checkedRows);
        QFETCH(int, answer);
        QFETCH(QString, sent);
        m_server->setEnvelope(kList, 0, QStringLiteral("ok"),
                              QJsonArray{record(12, Base + 3), record(15, Base + 2), record(20, Base + 1)});
        m_server->setEnvelope(kDelete, 0, QStringLiteral("ok"));
        logIn();
        RecordTab tab;
        tab.show();
        waitForList(tab, 1, 3);
        auto *deleteLink = tab.findChild<ClickableLabel *>(QStringLiteral("clickedlbDelete"));
        QVERIFY(!deleteLink->isVisible());
        for (int row : checkedRows)
            tab.table()->setRowChecked(row, true);
        QCOMPARE(deleteLink->isVisible(), !checkedRows.isEmpty());

        PromptRecorder prompts(answer);
        ToastRecorder toasts;
        tab.deleteRecords();
        QCOMPARE(prompts.texts, checkedRows.isEmpty() ? QStringList() : QStringList{QStringLiteral("是否删除记录!")});
        if (sent.isEmpty()) {
            QTest::qWait(50);
            QCOMPARE(m_server->count(kDelete), 0);
            return;
        }
        QTRY_COMPARE(m_server->count(kList), 2);
        QCOMPARE(m_server->last(kDelete).param(QStringLiteral("id")), sent);
        QCOMPARE(toasts.texts(), QStringList{QStringLiteral("删除成功!")});
        QTRY_VERIFY(!deleteLink->isVisible());
    }

    void failedDeleteShowsAnErrorAndKeepsTheList()
    {
        m_server->setEnvelope(kDelete, 1, QStringLiteral("denied"));
        logIn();
        RecordTab tab;
        waitForList(tab, 1, 3);
        ToastRecorder toasts;
        click(link(tab, 0, "lbDelete"));
        QTRY_COMPARE(toasts.texts(), QStringList{QStringLiteral("删除失败: denied")});
        QCOMPARE(toasts.entries.first().type, 2);
        QCOMPARE(m_server->last(kDelete).param(QStringLiteral("id")), QStringLiteral("3"));
        QTest::qWait(50);
        QCOMPARE(m_server->count(kList), 1);
    }

    // The pop-up keeps its own record: a reload after the share does not pull it away.
    void shareShowsThePopUpBelowTheClick()
    {
        m_server->setEnvelope(kShare, 0, QStringLiteral("ok"), QStringLiteral("code-9"));
        logIn();
        RecordTab tab;
        waitForList(tab, 1, 3);
        click(link(tab, 1, "lbShare"), QPoint(500, 300));
        QTRY_VERIFY(tab.qrDialog()->isVisible());
        QCOMPARE(m_server->last(kShare).param(QStringLiteral("id")), QStringLiteral("2"));
        QCOMPARE(tab.qrDialog()->pos(), QPoint(380, 320));
        QCOMPARE(tab.qrDialog()->size(), QSize(240, 240));

        m_server->setEnvelope(kList, 0, QStringLiteral("ok"), records(1));
        tab.loadRecord();
        waitForList(tab, 2, 1);
        QCOMPARE(tab.qrCodeTab()->record()->id, 2);
        tab.table_closeQrCodeDialog(nullptr);
        QVERIFY(!tab.qrDialog()->isVisible());
    }

    // A link signed anew from the pop-up is the one the list then shares and plays.
    void resignedLinkStaysWithTheListedRecording()
    {
        auto &config = Configurations::instance();
        config.setValue(QStringLiteral("/Oss/Endpoint"), QStringLiteral("https://oss.example.com"));
        config.setValue(QStringLiteral("/Oss/Bucket"), QStringLiteral("vb-records"));
        config.setValue(QStringLiteral("/Oss/AccessKeyId"), QStringLiteral("id"));
        config.setValue(QStringLiteral("/Oss/AccessKeySecret"), QStringLiteral("secret"));
        QJsonObject expired = record(5, Base);
        expired.insert(QStringLiteral("attr1"), QStringLiteral("https://vb-records.oss.example.com/r5.wav?Expires=1000"));
        m_server->setEnvelope(kList, 0, QStringLiteral("ok"), QJsonArray{expired});
        m_server->setEnvelope(kShare, 0, QStringLiteral("ok"), QStringLiteral("code-5"));
        m_server->setEnvelope(QStringLiteral("/v1/editiorSaveRecord"), 0, QStringLiteral("ok"), QJsonObject{{"id", 5}});
        logIn();
        RecordTab tab;
        waitForList(tab, 1, 1);
        click(link(tab, 0, "lbShare"));
        QTRY_VERIFY(tab.qrDialog()->isVisible());
        QCOMPARE(tab.qrCodeTab()->currentPage(), int(QRCodeTab::ExpiredPage));
        tab.qrCodeTab()->btnRecreate_clicked();
        QTRY_COMPARE(tab.qrCodeTab()->currentPage(), int(QRCodeTab::QrCodePage));
        const QString renewed = tab.qrCodeTab()->record()->attr1;
        QVERIFY(!renewed.contains(QStringLiteral("Expires=1000")));

        tab.table_closeQrCodeDialog(nullptr);
        click(link(tab, 0, "lbShare"));
        QTRY_COMPARE(m_server->count(kShare), 2);
        QTRY_VERIFY(tab.qrDialog()->isVisible());
        QCOMPARE(tab.qrCodeTab()->currentPage(), int(QRCodeTab::QrCodePage));
        QCOMPARE(static_cast<AudioRecordVO *>(tab.recordView().first())->attr1, renewed);
    }

    void failedShareShowsAWarning()
    {
        m_server->setEnvelope(kShare, 1, QStringLiteral("no"));
        logIn();
        RecordTab tab;
        waitForList(tab, 1, 3);
        ToastRecorder toasts;
        click(link(tab, 0, "lbShare"));
        QTRY_COMPARE(toasts.texts(), QStringList{QStringLiteral("获取二维码失败!")});
        QVERIFY(!tab.qrDialog()->isVisible());
    }

    void playOpensOnlyAudioAndWebLinks_data()
    {
        QTest::addColumn<QString>("filepath");
        QTest::addColumn<QString>("attr1");
        QTest::addColumn<QString>("target"); // below the program folder, or a link; empty: nothing
        QTest::newRow("absolute file") << QStringLiteral("@/record/a.wav") << QString() << QStringLiteral("@/record/a.wav");
        QTest::newRow("relative with its separator") << QStringLiteral("/a.wav") << QString()
                                                     << QStringLiteral("@/record/a.wav");
        QTest::newRow("relative joined without separator") << QStringLiteral("a.wav")
                                                           << QStringLiteral("https://oss.example/a.wav?Expires=1")
                                                           << QStringLiteral("https://oss.example/a.wav?Expires=1");
        QTest::newRow("not an audio file") << QStringLiteral("@/record/run.sh") << QString() << QString();
        QTest::newRow("file link") << QString() << QStringLiteral("file:///etc/passwd") << QString();
        QTest::newRow("script link") << QString() << QStringLiteral("javascript:alert(1)") << QString();
        QTest::newRow("nothing") << QStringLiteral("/gone.wav") << QString() << QString();
    }

    void playOpensOnlyAudioAndWebLinks()
    {
        QFETCH(QString, filepath);
        QFETCH(QString, attr1);
        QFETCH(QString, target);
        const QString home = m_device->home.path();
        m_device->home.write(QStringLiteral("record/a.wav"), "RIFF");
        m_device->home.write(QStringLiteral("record/run.sh"), "#!/bin/sh");
        filepath.replace(QLatin1Char('@'), home);
        target.replace(QLatin1Char('@'), home);
        AudioRecordVO r;
        r.filepath = filepath;
        r.attr1 = attr1;
        QCOMPARE(RecordPlayback::target(r, home + QStringLiteral("/record")), target);
    }

    void playWithoutAudioWarns()
    {
        m_server->setEnvelope(kList, 0, QStringLiteral("ok"),
                              QJsonArray{QJsonObject{{"id", 5}, {"filepath", "/gone.wav"}}});
        logIn();
        RecordTab tab;
        waitForList(tab, 1, 1);
        OpenedUrls opened;
        ToastRecorder toasts;
        click(link(tab, 0, "lbPlay"));
        QCOMPARE(toasts.texts(), QStringList{QStringLiteral("本地文件和云端都没有没有找到音频!")});
        QCOMPARE(toasts.entries.first().type, 1);
        QVERIFY(opened.urls.isEmpty());
    }

    void transcriptTipJoinsContentAndTranslation()
    {
        m_server->setEnvelope(kList, 0, QStringLiteral("ok"),
                              QJsonArray{QJsonObject{{"id", 5}, {"translatedText", "  word  "}, {"duration", 5}, {"createTime", 2.0}},
                                         QJsonObject{{"id", 4}, {"createTime", 1.0}}});
        logIn();
        RecordTab tab;
        waitForList(tab, 1, 2);
        QCOMPARE(tab.rowToolTip(tab.table()->model()->index(0, 3)), QStringLiteral("\n\nword"));
        QCOMPARE(tab.rowToolTip(tab.table()->model()->index(0, 2)), QStringLiteral("5秒"));
        QCOMPARE(tab.rowToolTip(tab.table()->model()->index(1, 3)), QString());
    }

    void serialNumberIsShownAndCopied()
    {
        DeviceHardwareInfo info;
        info.serialNumber = QStringLiteral("SN-HW-1");
        m_device->context.hardwareInfo = &info;
        RecordTab tab;
        tab.setContext(&m_device->context);
        QCOMPARE(tab.findChild<QLabel *>(QStringLiteral("lbSnText"))->text(), QStringLiteral("SN-HW-1"));

        QApplication::clipboard()->setText(QStringLiteral("before"));
        ToastRecorder toasts;
        tab.copySn(nullptr);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
        QVERIFY(toasts.entries.isEmpty());

        m_device->setting()->setValue(QStringLiteral("serialNumber"), QStringLiteral("SN-42"));
        tab.copySn(nullptr);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("SN-42"));
        QCOMPARE(toasts.texts(), QStringList{QStringLiteral("复制成功")});
        m_device->context.hardwareInfo = nullptr;
    }

    // As the presenter's page table builds it: the device's serial number and every saved
    // recording reach the page.
    void builtPageFollowsTheDevice()
    {
        DeviceHardwareInfo info;
        m_device->context.hardwareInfo = &info;
        PointerDevice logic(&m_device->context);
        FunctionImpl hub(nullptr, &m_device->context);
        logIn();
        std::unique_ptr<QWidget> page(DevicePages::create(QStringLiteral("RecordTab")));
        auto *tab = qobject_cast<RecordTab *>(page.get());
        QVERIFY(tab);
        DevicePages::connectDevice(tab, &logic);
        tab->setContext(&m_device->context);
        waitForList(*tab, 1, 3);

        emit hub.audioRecord()->SaveRecord_Finish(nullptr, 0, QString());
        QTRY_COMPARE(m_server->count(kList), 2);
        info.serialNumber = QStringLiteral("SN-NEW");
        emit logic.notifyChange(Notify_SerialNumber, QString(), info.serialNumber);
        QCOMPARE(tab->findChild<QLabel *>(QStringLiteral("lbSnText"))->text(), QStringLiteral("SN-NEW"));
        page.reset();
        m_device->context.hardwareInfo = nullptr;
    }

    // Two recordings share an id: each row's links act on the row's own recording.
    void rowActionsActOnTheRowsOwnRecordWhenIdsRepeat()
    {
        const QString home = m_device->home.path();
        m_device->home.write(QStringLiteral("record/newer.wav"), "RIFF");
        m_device->home.write(QStringLiteral("record/older.wav"), "RIFF");
        QJsonObject newer = record(5, Base + 60000);
        newer.insert(QStringLiteral("filepath"), home + QStringLiteral("/record/newer.wav"));
        newer.insert(QStringLiteral("attr1"), QStringLiteral("https://oss.example.com/newer.wav"));
        QJsonObject older = record(5, Base);
        older.insert(QStringLiteral("filepath"), home + QStringLiteral("/record/older.wav"));
        older.insert(QStringLiteral("attr1"), QStringLiteral("https://oss.example.com/older.wav"));
        m_server->setEnvelope(kList, 0, QStringLiteral("ok"), QJsonArray{older, newer});
        m_server->setEnvelope(kShare, 0, QStringLiteral("ok"), QStringLiteral("code-5"));
        m_server->setEnvelope(kDelete, 0, QStringLiteral("ok"));
        logIn();
        RecordTab tab;
        waitForList(tab, 1, 2);

        OpenedUrls opened;
        click(link(tab, 0, "lbPlay"));
        QCOMPARE(opened.urls, QList<QUrl>{QUrl::fromLocalFile(home + QStringLiteral("/record/newer.wav"))});

        click(link(tab, 0, "lbShare"));
        QTRY_VERIFY(tab.qrDialog()->isVisible());
        QCOMPARE(tab.qrCodeTab()->record()->attr1, QStringLiteral("https://oss.example.com/newer.wav"));
        tab.table_closeQrCodeDialog(nullptr);

        // The reload after the deletion fails: the list shows what the deletion left.
        m_server->setEnvelope(kList, 1, QStringLiteral("busy"));
        ToastRecorder toasts;
        click(link(tab, 0, "lbDelete"));
        QTRY_COMPARE(m_server->count(kList), 2);
        QCOMPARE(m_server->last(kDelete).param(QStringLiteral("id")), QStringLiteral("5"));
        QTRY_COMPARE(toasts.entries.size(), 2);
        QCOMPARE(tab.table()->rowCount(), 1);
        QCOMPARE(static_cast<AudioRecordVO *>(tab.table()->rowData(0))->filepath,
                 home + QStringLiteral("/record/older.wav"));
    }

    // The next user's list request fails: nothing of the previous user's pager shows.
    void aNewUserSeesNoPreviousUsersPager()
    {
        m_server->setEnvelope(QStringLiteral("/v1/recordLogin.json"), 0, QStringLiteral("ok"),
                              QJsonObject{{"id", 78}, {"name", "other"}});
        m_server->setEnvelope(kList, 0, QStringLiteral("ok"), records(8));
        logIn();
        RecordTab tab;
        tab.show();
        waitForList(tab, 1, 6);
        QCOMPARE(tab.pager()->totalText(), QStringLiteral("共8条"));
        LoginBL::instance().logout();

        m_server->setEnvelope(kList, 1, QStringLiteral("busy"));
        ToastRecorder toasts;
        LoginBL::instance().login(QStringLiteral("13800000000"), QStringLiteral("pw"), QString());
        QTRY_COMPARE(m_server->count(kList), 2);
        QTRY_VERIFY(!toasts.entries.isEmpty());
        QCOMPARE(tab.table()->rowCount(), 0);
        QVERIFY(!tab.pager()->isVisible());
        QCOMPARE(tab.pager()->total(), 0);
    }

    // The navigation shows such a user as logged out.
    void aCachedUserWithoutAnIdSendsNoRequest()
    {
        m_device->home.write(QStringLiteral("config/user"), R"({"name":"x"})");
        LoginBL::instance().reloadFromDisk();
        QVERIFY(!LoginBL::instance().isLogin());
        RecordTab tab;
        tab.loadRecord();
        QTest::qWait(50);
        QCOMPARE(m_server->count(kList), 0);
    }

    void recordFolderChangeIsStored()
    {
        RecordTab tab;
        auto *path = tab.findChild<QLineEdit *>(QStringLiteral("lePath"));
        const QString before = path->text();
        RecordTab::setFolderChooser([](QWidget *, const QString &, const QString &) { return QString(); });
        tab.on_btnChangePath_clicked();
        QCOMPARE(path->text(), before);

        const QString chosen = m_device->home.file(QStringLiteral("elsewhere"));
        RecordTab::setFolderChooser([chosen](QWidget *, const QString &caption, const QString &) {
            return caption == QStringLiteral("默认路径") ? chosen : QString();
        });
        tab.on_btnChangePath_clicked();
        RecordTab::setFolderChooser({});
        QCOMPARE(path->text(), chosen);
        QCOMPARE(Configurations::instance().defaultRecordPath(), chosen);
    }
};

QTEST_MAIN(TestRecordTab)
#include "tst_recordtab.moc"
