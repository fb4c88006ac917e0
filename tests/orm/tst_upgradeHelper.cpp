#include "config/Configurations.h"
#include "support/LoopbackHttpServer.h"
#include "support/TestHome.h"
#include "support/ToastRecorder.h"
#include "util/UpgradeHelper.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <QtTest>
#include <memory>

using Mode = LoopbackHttpServer::Mode;

class TestUpgradeHelper : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void versionComparison_data();
    void versionComparison();
    void check_data();
    void check();
    void checkFailureNamesTheReason();
    void downloadReportsProgressAndRenames();
    void downloadWithoutKnownSizeUsesContentLength();
    void sizeMismatchFails();
    void httpErrorFails();
    void stopDeletesPartialFile();
    void emptyAddressIsRefused();
    void nonWebAddressIsRefused_data();
    void nonWebAddressIsRefused();
    void moreThanTheAnnouncedSizeFails();
    void checkWhileDownloadingOnlyNotifies();

private:
    void offer(const QString &version, const QString &url, qint64 size);
    bool announce(); // runs a user check; true when a version was announced
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<LoopbackHttpServer> m_server;
};

void TestUpgradeHelper::initTestCase()
{
    QCoreApplication::setApplicationVersion(QStringLiteral("1.2.0"));
}

void TestUpgradeHelper::init()
{
    m_home = std::make_unique<TestHome>();
    m_server = std::make_unique<LoopbackHttpServer>();
    Configurations::instance().setValue(QStringLiteral("/Server/UpgradeUrl"), m_server->url(QStringLiteral("/upgrade/latest")));
}

void TestUpgradeHelper::cleanup()
{
    UpgradeHelper::instance().stopDownload();
    UpgradeHelper::instance().setStallTimeout(60000);
    m_server.reset();
    m_home.reset();
}

void TestUpgradeHelper::offer(const QString &version, const QString &url, qint64 size)
{
    m_server->setEnvelope(QStringLiteral("/upgrade/latest"), 0, QString(),
                          QJsonObject{{"version", version}, {"isMandatory", true}, {"title", "新版本"},
                                      {"content", "修复问题"}, {"downloadUrl", url}, {"fileSize", double(size)}});
}

bool TestUpgradeHelper::announce()
{
    QSignalSpy spy(&UpgradeHelper::instance(), &UpgradeHelper::newVersion);
    const int before = m_server->requests.size();
    UpgradeHelper::instance().checkUpdate(false, false);
    if (!m_server->waitForRequests(before + 1))
        return false;
    return spy.wait(2000) || spy.count() > 0;
}

void TestUpgradeHelper::versionComparison_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("current");
    QTest::addColumn<bool>("newer");
    QTest::newRow("patch") << "1.2.1" << "1.2.0" << true;
    QTest::newRow("numeric not textual") << "1.10.0" << "1.9.0" << true;
    QTest::newRow("same") << "1.2.0" << "1.2.0" << false;
    QTest::newRow("older") << "1.1.9" << "1.2.0" << false;
    QTest::newRow("v prefix") << "V2.0" << "1.2.0" << true;
    QTest::newRow("garbage") << "latest" << "1.2.0" << false;
    QTest::newRow("empty") << "" << "1.2.0" << false;
}

void TestUpgradeHelper::versionComparison()
{
    QFETCH(QString, version);
    QFETCH(QString, current);
    QFETCH(bool, newer);
    QCOMPARE(UpgradeHelper::isNewer(version, current), newer);
}

void TestUpgradeHelper::check_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("ignored");
    QTest::addColumn<bool>("silentWhenLatest");
    QTest::addColumn<bool>("skipIgnored");
    QTest::addColumn<bool>("announced");
    QTest::addColumn<bool>("latestToast");
    QTest::newRow("newer, start-up") << "1.3.0" << "" << true << true << true << false;
    QTest::newRow("newer, by user") << "1.3.0" << "" << false << false << true << false;
    QTest::newRow("ignored, start-up") << "1.3.0" << "[1.2.5][1.3.0]" << true << true << false << false;
    QTest::newRow("ignored, by user") << "1.3.0" << "[1.3.0]" << false << false << true << false;
    QTest::newRow("ignore list is case-sensitive") << "1.3.0-RC" << "[1.3.0-rc]" << true << true << true << false;
    QTest::newRow("bracketed form only") << "1.3.0" << "1.3.0" << true << true << true << false;
    QTest::newRow("latest, start-up") << "1.2.0" << "" << true << true << false << false;
    QTest::newRow("latest, by user") << "1.2.0" << "" << false << false << false << true;
}

void TestUpgradeHelper::check()
{
    QFETCH(QString, version);
    QFETCH(QString, ignored);
    QFETCH(bool, silentWhenLatest);
    QFETCH(bool, skipIgnored);
    QFETCH(bool, announced);
    QFETCH(bool, latestToast);
    Configurations::instance().setValue(QStringLiteral("/UserSetting/IgnoreVersions"), ignored);
    offer(version, m_server->url(QStringLiteral("/files/setup.run")), 10);
    ToastRecorder toasts;
    QSignalSpy spy(&UpgradeHelper::instance(), &UpgradeHelper::newVersion);
    UpgradeHelper::instance().checkUpdate(silentWhenLatest, skipIgnored);
    QVERIFY(m_server->waitForRequests(1));
    QTest::qWait(150);
    QCOMPARE(spy.count(), announced ? 1 : 0);
    if (announced) {
        QCOMPARE(spy[0][0].toString(), version);
        QCOMPARE(spy[0][1].toBool(), true);
        QCOMPARE(spy[0][2].toString(), QStringLiteral("新版本"));
        QCOMPARE(spy[0][3].toString(), QStringLiteral("修复问题"));
    }
    const auto req = m_server->last(QStringLiteral("/upgrade/latest"));
    QCOMPARE(req.param(QStringLiteral("version")), QStringLiteral("1.2.0"));
    QCOMPARE(toasts.entries.size(), latestToast ? 1 : 0);
    if (latestToast) {
        QCOMPARE(toasts.entries[0].type, 1);
        QCOMPARE(toasts.entries[0].text, QStringLiteral("当前版本已经是最新的，不需要更新"));
        QCOMPARE(toasts.entries[0].msec, 2000);
    }
}

void TestUpgradeHelper::checkFailureNamesTheReason()
{
    Configurations::instance().setValue(QStringLiteral("/Server/UpgradeUrl"), QString());
    ToastRecorder toasts;
    UpgradeHelper::instance().checkUpdate(false, false);
    QTRY_COMPARE(toasts.entries.size(), 1);
    QCOMPARE(toasts.entries[0].text, QStringLiteral("检查更新失败: 服务器地址未配置 (/Server/UpgradeUrl)"));
    // The automatic check stays silent.
    UpgradeHelper::instance().checkUpdate(true, true);
    QTest::qWait(100);
    QCOMPARE(toasts.entries.size(), 1);
}

void TestUpgradeHelper::downloadReportsProgressAndRenames()
{
    QByteArray installer(40000, Qt::Uninitialized);
    for (int i = 0; i < installer.size(); ++i)
        installer[i] = char(i * 7);
    LoopbackHttpServer::Reply file = LoopbackHttpServer::raw(200, installer, "application/octet-stream");
    file.mode = Mode::Slow;
    file.chunkSize = 10000;
    file.chunkDelayMs = 30;
    m_server->setReply(QStringLiteral("/files/vellobox-1.3.0.run"), file);
    offer(QStringLiteral("1.3.0"), m_server->url(QStringLiteral("/files/vellobox-1.3.0.run")), installer.size());
    QVERIFY(announce());

    QSignalSpy progress(&UpgradeHelper::instance(), &UpgradeHelper::downloadProgress);
    QSignalSpy complete(&UpgradeHelper::instance(), &UpgradeHelper::downloadComplete);
    QSignalSpy stop(&UpgradeHelper::instance(), &UpgradeHelper::downloadStop);
    UpgradeHelper::instance().download();
    QVERIFY(UpgradeHelper::instance().isDownloading());
    QTRY_COMPARE(complete.count(), 1);
    QCOMPARE(stop.count(), 0);
    QVERIFY(!UpgradeHelper::instance().isDownloading());

    QVERIFY(progress.count() >= 2);
    double previous = 0;
    for (const auto &args : progress) {
        const double f = args[0].toDouble();
        QVERIFY(f > previous);
        QVERIFY(f <= 1.0);
        previous = f;
    }
    QCOMPARE(previous, 1.0);
    QVERIFY(progress[0][0].toDouble() < 1.0); // reported while arriving, not only at the end

    const QString path = complete[0][0].toString();
    QCOMPARE(path, UpgradeHelper::downloadDir() + QStringLiteral("/vellobox-1.3.0.run"));
    QVERIFY(path.startsWith(m_home->path()));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), installer);
    QVERIFY(!QFile::exists(path + QStringLiteral(".part")));
}

void TestUpgradeHelper::downloadWithoutKnownSizeUsesContentLength()
{
    LoopbackHttpServer::Reply file = LoopbackHttpServer::raw(200, QByteArray(3000, 'x'), "application/octet-stream");
    file.mode = Mode::Slow;
    file.chunkSize = 1000;
    m_server->setReply(QStringLiteral("/files/a.run"), file);
    offer(QStringLiteral("1.4.0"), m_server->url(QStringLiteral("/files/a.run")), 0);
    QVERIFY(announce());
    QSignalSpy progress(&UpgradeHelper::instance(), &UpgradeHelper::downloadProgress);
    QSignalSpy complete(&UpgradeHelper::instance(), &UpgradeHelper::downloadComplete);
    UpgradeHelper::instance().download();
    QTRY_COMPARE(complete.count(), 1);
    QCOMPARE(progress.last()[0].toDouble(), 1.0);
    QCOMPARE(QFileInfo(complete[0][0].toString()).size(), 3000);
}

void TestUpgradeHelper::sizeMismatchFails()
{
    m_server->setReply(QStringLiteral("/files/b.run"), LoopbackHttpServer::raw(200, QByteArray(500, 'y')));
    offer(QStringLiteral("1.4.0"), m_server->url(QStringLiteral("/files/b.run")), 800);
    QVERIFY(announce());
    QSignalSpy complete(&UpgradeHelper::instance(), &UpgradeHelper::downloadComplete);
    QSignalSpy stop(&UpgradeHelper::instance(), &UpgradeHelper::downloadStop);
    UpgradeHelper::instance().download();
    QTRY_COMPARE(stop.count(), 1);
    QCOMPARE(complete.count(), 0);
    QVERIFY2(stop[0][0].toString().startsWith(QStringLiteral("下载失败: 文件大小不符")), qPrintable(stop[0][0].toString()));
    QCOMPARE(QDir(UpgradeHelper::downloadDir()).entryList(QDir::Files), QStringList());
}

void TestUpgradeHelper::httpErrorFails()
{
    offer(QStringLiteral("1.4.0"), m_server->url(QStringLiteral("/files/missing.run")), 0);
    QVERIFY(announce());
    QSignalSpy stop(&UpgradeHelper::instance(), &UpgradeHelper::downloadStop);
    UpgradeHelper::instance().download();
    QTRY_COMPARE(stop.count(), 1);
    QCOMPARE(stop[0][0].toString(), QStringLiteral("下载失败: 服务器错误 (HTTP 404)"));
    QCOMPARE(QDir(UpgradeHelper::downloadDir()).entryList(QDir::Files), QStringList());
}

void TestUpgradeHelper::stopDeletesPartialFile()
{
    LoopbackHttpServer::Reply file = LoopbackHttpServer::raw(200, QByteArray(100000, 'z'), "application/octet-stream");
    file.mode = Mode::Stall;
    file.chunkSize = 4096;
    m_server->setReply(QStringLiteral("/files/c.run"), file);
    offer(QStringLiteral("1.5.0"), m_server->url(QStringLiteral("/files/c.run")), 100000);
    QVERIFY(announce());
    QSignalSpy progress(&UpgradeHelper::instance(), &UpgradeHelper::downloadProgress);
    QSignalSpy stop(&UpgradeHelper::instance(), &UpgradeHelper::downloadStop);
    UpgradeHelper::instance().download();
    QTRY_VERIFY(progress.count() > 0);
    const QString part = UpgradeHelper::downloadDir() + QStringLiteral("/c.run.part");
    QVERIFY(QFileInfo(part).size() > 0);

    UpgradeHelper::instance().stopDownload();
    QCOMPARE(stop.count(), 1);
    QCOMPARE(stop[0][0].toString(), QStringLiteral("下载已终止"));
    QVERIFY(!QFile::exists(part));
    QVERIFY(!QFile::exists(UpgradeHelper::downloadDir() + QStringLiteral("/c.run")));
    QVERIFY(!UpgradeHelper::instance().isDownloading());
    // Without a running download it does nothing.
    UpgradeHelper::instance().stopDownload();
    QTest::qWait(50);
    QCOMPARE(stop.count(), 1);

    // A server that stops sending counts as failed after the stall time, and says so.
    UpgradeHelper::instance().setStallTimeout(300);
    UpgradeHelper::instance().download();
    QTRY_COMPARE(stop.count(), 2);
    QCOMPARE(stop[1][0].toString(), QStringLiteral("下载失败: 服务器长时间没有响应"));
    QVERIFY(!QFile::exists(part));
}

void TestUpgradeHelper::emptyAddressIsRefused()
{
    offer(QStringLiteral("1.6.0"), QString(), 0);
    QVERIFY(announce());
    ToastRecorder toasts;
    QSignalSpy stop(&UpgradeHelper::instance(), &UpgradeHelper::downloadStop);
    UpgradeHelper::instance().download();
    QCOMPARE(stop.count(), 1);
    QCOMPARE(stop[0][0].toString(), QStringLiteral("下载地址为空!"));
    QCOMPARE(toasts.texts(), QStringList{QStringLiteral("下载地址为空!")});
    QVERIFY(!UpgradeHelper::instance().isDownloading());
}

void TestUpgradeHelper::nonWebAddressIsRefused_data()
{
    QTest::addColumn<QString>("url");
    QTest::newRow("file") << QStringLiteral("file:///etc/passwd");
    QTest::newRow("ftp") << QStringLiteral("ftp://127.0.0.1/setup.run");
    QTest::newRow("no host") << QStringLiteral("http:///setup.run");
}

void TestUpgradeHelper::nonWebAddressIsRefused()
{
    QFETCH(QString, url);
    offer(QStringLiteral("1.6.1"), url, 100);
    QVERIFY(announce());
    ToastRecorder toasts;
    QSignalSpy stop(&UpgradeHelper::instance(), &UpgradeHelper::downloadStop);
    UpgradeHelper::instance().download();
    QCOMPARE(stop.count(), 1);
    QCOMPARE(stop[0][0].toString(), QStringLiteral("下载失败: 下载地址无效"));
    QCOMPARE(toasts.texts().size(), 1);
    QVERIFY(!UpgradeHelper::instance().isDownloading());
    QVERIFY(!QDir(UpgradeHelper::downloadDir()).exists() || QDir(UpgradeHelper::downloadDir()).entryList(QDir::Files).isEmpty());
}

void TestUpgradeHelper::moreThanTheAnnouncedSizeFails()
{
    // Without a length of its own the server could send without end; the announced size bounds it.
    LoopbackHttpServer::Reply file = LoopbackHttpServer::raw(200, QByteArray(300000, 'z'));
    file.sendContentLength = false;
    m_server->setReply(QStringLiteral("/files/e.run"), file);
    offer(QStringLiteral("1.8.0"), m_server->url(QStringLiteral("/files/e.run")), 1000);
    QVERIFY(announce());
    QSignalSpy stop(&UpgradeHelper::instance(), &UpgradeHelper::downloadStop);
    UpgradeHelper::instance().download();
    QTRY_COMPARE(stop.count(), 1);
    QCOMPARE(stop[0][0].toString(), QStringLiteral("下载失败: 文件过大"));
    QCOMPARE(QDir(UpgradeHelper::downloadDir()).entryList(QDir::Files), QStringList());
}

void TestUpgradeHelper::checkWhileDownloadingOnlyNotifies()
{
    LoopbackHttpServer::Reply file = LoopbackHttpServer::raw(200, QByteArray(50000, 'w'));
    file.mode = Mode::Stall;
    m_server->setReply(QStringLiteral("/files/d.run"), file);
    offer(QStringLiteral("1.7.0"), m_server->url(QStringLiteral("/files/d.run")), 50000);
    QVERIFY(announce());
    UpgradeHelper::instance().download();
    QVERIFY(UpgradeHelper::instance().isDownloading());
    ToastRecorder toasts;
    UpgradeHelper::instance().checkUpdate(true, true);
    QCOMPARE(toasts.texts(), QStringList{QStringLiteral("已有下载任务")});
    QTest::qWait(100);
    QCOMPARE(m_server->count(QStringLiteral("/upgrade/latest")), 1); // only the first check asked
    QVERIFY(UpgradeHelper::instance().isDownloading());
}

QTEST_MAIN(TestUpgradeHelper)
#include "tst_upgradeHelper.moc"
