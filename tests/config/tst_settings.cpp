#include "config/Configurations.h"
#include "config/DeviceConfigHelper.h"
#include "config/MouseSetting.h"
#include "config/PointerSetting.h"
#include "logging/Logger.h"
#include "support/FullDisk.h"
#include "support/TestHome.h"

#include <QJsonDocument>
#include <QSignalSpy>
#include <QtTest>

namespace {
QJsonObject jsonOf(const QByteArray &text)
{
    return QJsonDocument::fromJson(text).object();
}
} // namespace

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void recordDefaults()
    {
        PointerSetting p;
        QCOMPARE(p.deviceKind(), 0);
        QCOMPARE(p.text("mKey_functions"), QStringLiteral("3,2,0,1"));
        QCOMPARE(p.value("mKey_function").toInt(), -1);
        QCOMPARE(p.value("mKey_magnifierRatio").toDouble(), 2.0);
        QCOMPARE(p.text("subtitle_ui_identify_fontColor"), QStringLiteral("#00ff00"));
        QCOMPARE(p.text("snapshot_shortcut"), QStringLiteral("Ctrl+Q"));
        QVERIFY(p.text("search_engine").endsWith("/s?wd="));

        MouseSetting m;
        QCOMPARE(m.deviceKind(), 1);
        QCOMPARE(m.text("mKey_functions"), QString());
        QCOMPARE(m.text("asr_languageAndAccent"), QStringLiteral("zh_cn"));
        QCOMPARE(m.value("asr_enablePtt").toBool(), true);
        QCOMPARE(m.value("asr_typingOutputMode").toInt(), 1);
        QCOMPARE(m.text("translation_fromLanguage"), QStringLiteral("cn"));
        QVERIFY(!m.value("mKey_cursorColor").isValid()); // presenter-only field

        BaseSetting b;
        QCOMPARE(b.deviceKind(), 2);
        QCOMPARE(b.value("translation_fontSize").toInt(), 9);
    }

    void magnifierSize_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QSize>("size");
        QTest::newRow("star") << "600*400" << QSize(600, 400);
        QTest::newRow("comma") << "800,600" << QSize(800, 600);
        QTest::newRow("spaces") << " 300 * 200 " << QSize(300, 200);
        QTest::newRow("missing height") << "600*" << QSize(0, 0);
        QTest::newRow("negative") << "-600*400" << QSize(0, 0);
        QTest::newRow("words") << "big" << QSize(0, 0);
        QTest::newRow("absurd") << "99999999*1" << QSize(0, 0);
    }

    void magnifierSize()
    {
        QFETCH(QString, text);
        QFETCH(QSize, size);
        PointerSetting p;
        p.setValue("mKey_magnifierSize", text);
        QCOMPARE(p.magnifierSize(), size);
    }

    void setterRewritesExactlyThatDevicesFile()
    {
        TestHome home;
        auto &store = DeviceConfigHelper::instance();
        BaseSetting *a = store.addSetting("dev/A", std::make_unique<PointerSetting>());
        store.addSetting("dev-B", std::make_unique<MouseSetting>());
        const QString fileA = store.filePath("dev/A");
        const QString fileB = store.filePath("dev-B");
        QVERIFY(QFileInfo::exists(fileA));
        QVERIFY(QFileInfo(fileA).fileName() != "A.json"); // the slash never makes a folder
        const QByteArray before = home.read("config/setting/" + QFileInfo(fileB).fileName());

        QVERIFY(a->setValueFromString("mKey_spotLightRadius", "200"));
        QCOMPARE(jsonOf(home.read("config/setting/" + QFileInfo(fileA).fileName()))
                     .value("mKey_spotLightRadius").toInt(),
                 200);
        QCOMPARE(home.read("config/setting/" + QFileInfo(fileB).fileName()), before);

        // A plain member write reaches the file only with the next save.
        static_cast<PointerSetting *>(a)->mKey_cursorRadius = 30;
        QCOMPARE(jsonOf(home.read("config/setting/" + QFileInfo(fileA).fileName())).value("mKey_cursorRadius").toInt(),
                 25);
        QVERIFY(store.saveAll());
        QCOMPARE(jsonOf(home.read("config/setting/" + QFileInfo(fileA).fileName())).value("mKey_cursorRadius").toInt(),
                 30);
    }

    void recordsSurviveARestart()
    {
        TestHome home;
        auto &store = DeviceConfigHelper::instance();
        store.addSetting("presenter 1", std::make_unique<PointerSetting>())->setValue("subtitle_ui_fontSize", 30);
        store.addSetting("mouse 1", std::make_unique<MouseSetting>())->setValue("asr_enablePtt", false);
        home.reload();
        QCOMPARE(store.keys(), QStringList({"mouse 1", "presenter 1"}));
        auto *p = dynamic_cast<PointerSetting *>(store.setting("presenter 1"));
        QVERIFY(p);
        QCOMPARE(p->subtitle_ui_fontSize, 30);
        auto *m = dynamic_cast<MouseSetting *>(store.setting("mouse 1"));
        QVERIFY(m);
        QCOMPARE(m->asr_enablePtt, false);
        // Still watched after loading.
        m->setValue("mKey_url", "https://example.org/");
        QVERIFY(home.read("config/setting/" + QFileInfo(store.filePath("mouse 1")).fileName()).contains("https://example.org/"));
    }

    void addSettingKeepsTheExistingRecord()
    {
        TestHome home;
        auto &store = DeviceConfigHelper::instance();
        BaseSetting *first = store.addSetting("k", std::make_unique<MouseSetting>());
        first->setValue("mKey_url", "x");
        QCOMPARE(store.addSetting("k", std::make_unique<MouseSetting>()), first);
        QCOMPARE(store.setting("k")->text("mKey_url"), QStringLiteral("x"));
    }

    void corruptFilesAreKeptAside_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("truncated") << QByteArray("{\"entityType\":\"MouseSetting\",\"asr_enab");
        QTest::newRow("unknown type") << QByteArray("{\"entityType\":\"Toaster\"}");
        QTest::newRow("array") << QByteArray("[1,2]");
        QTest::newRow("empty") << QByteArray();
    }

    void corruptFilesAreKeptAside()
    {
        QFETCH(QByteArray, content);
        TestHome home;
        home.write("config/setting/bad.json", content);
        home.write("config/setting/bad.json.bad", "older");
        home.write("config/setting/good.json", R"({"entityType":"PointerSetting","mKey_cursorRadius":"40","subtitle_ui_fontSize":"huge"})");
        home.reload();
        auto &store = DeviceConfigHelper::instance();
        QCOMPARE(store.keys(), QStringList({"good"}));
        // Good values load, a malformed one keeps its default.
        QCOMPARE(store.setting("good")->value("mKey_cursorRadius").toInt(), 40);
        QCOMPARE(store.setting("good")->value("subtitle_ui_fontSize").toInt(), 24);
        QVERIFY(!home.exists("config/setting/bad.json"));
        QCOMPARE(home.read("config/setting/bad.json.bad"), QByteArray("older"));
        QCOMPARE(home.read("config/setting/bad.json.bad.2"), content);
    }

    void unwritableFolderIsReported()
    {
        TestHome home;
        home.write("config/setting", "a file where the folder belongs");
        auto &store = DeviceConfigHelper::instance();
        QSignalSpy failed(&store, &DeviceConfigHelper::saveFailed);
        BaseSetting *r = store.addSetting("x", std::make_unique<MouseSetting>());
        QVERIFY(r);
        QVERIFY(r->setValue("mKey_url", "y")); // the record keeps the value
        QCOMPARE(r->text("mKey_url"), QStringLiteral("y"));
        QCOMPARE(failed.count(), 2);
        QVERIFY(!store.saveAll());
    }

    void aSaveOnAFullDiskKeepsTheFileAndIsReported()
    {
        TestHome home;
        FullDisk disk(home.path());
        auto &store = DeviceConfigHelper::instance();
        BaseSetting *record = store.addSetting("pointer", std::make_unique<PointerSetting>());
        QVERIFY(record->setValue("mKey_cursorRadius", 30));
        const QString path = store.filePath("pointer");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        QVERIFY(before.size() > 100);
        QSignalSpy failed(&store, &DeviceConfigHelper::saveFailed);

        disk.fill();
        QVERIFY(record->setValue("mKey_cursorRadius", 40));
        QCOMPARE(failed.count(), 1);
        QVERIFY(!store.saveAll());
        disk.free();

        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        QCOMPARE(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files).size(), 1); // no temporary left
    }

    void aLinkPlantedAtASettingsFileIsReplacedNotWrittenThrough()
    {
        TestHome home;
        QTemporaryDir outside;
        const QString target = outside.filePath("precious.txt");
        QFile precious(target);
        QVERIFY(precious.open(QIODevice::WriteOnly));
        precious.write("not yours");
        precious.close();
        auto &store = DeviceConfigHelper::instance();
        BaseSetting *record = store.addSetting("mouse 1", std::make_unique<MouseSetting>());
        const QString path = store.filePath("mouse 1");
        QVERIFY(QFile::remove(path));
        QVERIFY(QFile::link(target, path));

        QVERIFY(record->setValue("mKey_url", "https://example.org/"));
        QVERIFY(precious.open(QIODevice::ReadOnly));
        QCOMPARE(precious.readAll(), QByteArray("not yours"));
        QVERIFY(!QFileInfo(path).isSymLink());
        QCOMPARE(jsonOf(home.read("config/setting/" + QFileInfo(path).fileName())).value("mKey_url").toString(),
                 QStringLiteral("https://example.org/"));
    }

    void configurationDefaultsAreNotWrittenBack()
    {
        TestHome home;
        auto &c = Configurations::instance();
        QCOMPARE(c.language(), QString());
        QCOMPARE(c.logLevel(), 2);
        QCOMPARE(c.logFileMaxSizeM(), 2);
        QCOMPARE(c.logFileMaxNumber(), 5);
        QCOMPARE(c.enableDebugUI(), false);
        QCOMPARE(c.audioValidityTime(), -1);
        QCOMPARE(c.defaultRecordPath(), QString());
        QVERIFY(!home.exists("config/vellobox.ini"));
    }

    void configurationReadsAndWrites()
    {
        TestHome home;
        home.write("config/vellobox.ini", "[Setting]\nLanguage=ko\nLogLevel=4\nLogFileMaxSizeM=abc\n"
                                          "[Debug]\nEnableDebugUI=true\nAudioValidityTime=3600\n");
        auto &c = Configurations::instance();
        c.reload();
        QCOMPARE(c.language(), QStringLiteral("ko"));
        QCOMPARE(c.logLevel(), 4);
        QCOMPARE(c.logFileMaxSizeM(), 2); // malformed: the default
        QCOMPARE(c.enableDebugUI(), true);
        QCOMPARE(c.audioValidityTime(), 3600);

        QSignalSpy changed(&c, &Configurations::languageChanged);
        QVERIFY(c.setLanguage("tr"));
        QCOMPARE(changed.count(), 1);
        c.addIgnoredVersion("1.2.0");
        c.addIgnoredVersion("");
        c.addIgnoredVersion("1.3.0");
        QVERIFY(c.setDefaultRecordPath("/tmp/records"));
        c.reload();
        QCOMPARE(c.language(), QStringLiteral("tr"));
        QCOMPARE(c.ignoreVersions(), QStringLiteral("[1.2.0][1.3.0]"));
        QCOMPARE(c.defaultRecordPath(), QStringLiteral("/tmp/records"));
        QVERIFY(home.read("config/vellobox.ini").contains("LogLevel=4")); // other keys kept
    }

    void damagedIniIsKeptAsideAndWritesTellTheTruth_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("not UTF-8") << QByteArray("[Server]\nApiBaseUrl=http://a\xff\xfe/\n");
        QTest::newRow("stray line") << QByteArray("[Server]\nApiBaseUrl=http://a/\nthis line is no setting\n");
        QTest::newRow("NUL byte") << QByteArray("[Setting]\nLogLevel=4\n").append(char(0)).append('\n');
    }
    void damagedIniIsKeptAsideAndWritesTellTheTruth()
    {
        QFETCH(QByteArray, content);
        TestHome home;
        home.write("config/vellobox.ini", content);
        auto &c = Configurations::instance();
        c.reload();
        QCOMPARE(home.read("config/vellobox.ini.bad"), content);
        QVERIFY(!home.exists("config/vellobox.ini"));
        QCOMPARE(c.apiBaseUrl(), QString());
        QCOMPARE(c.logLevel(), 2);
        QVERIFY(c.setLanguage("en"));
        QCOMPARE(home.read("config/vellobox.ini.bad"), content); // the damaged file stays as it was
        c.reload();
        QCOMPARE(c.language(), QStringLiteral("en"));
    }

    void iniIsReadableByItsOwnerOnly()
    {
        TestHome home;
        auto &c = Configurations::instance();
        QVERIFY(c.setValue("/Mail/Password", "x"));
        const auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
        // Owner read and write, nothing for group and others.
        const auto unixMode = [&home] { return int(QFile::permissions(home.file("config/vellobox.ini")) & 0x0777); };
        QCOMPARE(unixMode(), 0x0600);
        // A file made wider by hand is tightened at the next start.
        QFile::setPermissions(home.file("config/vellobox.ini"), ownerOnly | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        c.reload();
        QCOMPARE(unixMode(), 0x0600);
        QCOMPARE(c.value("/Mail/Password").toString(), QStringLiteral("x"));
    }

    void aWriteAfterAFailedOneIsJudgedByItself()
    {
        TestHome home;
        auto &c = Configurations::instance();
        QVERIFY(c.setLanguage("zh"));
        // The folder is taken away and a file stands in its place: nothing can be written.
        QVERIFY(QDir(home.path()).rename("config", "config.away"));
        home.write("config", "a file where the folder belongs");
        QVERIFY(!c.setLanguage("en"));
        QCOMPARE(c.language(), QStringLiteral("zh"));
        // Writable again: the next choice lands and stays.
        QVERIFY(QFile::remove(home.file("config")));
        QVERIFY(QDir(home.path()).rename("config.away", "config"));
        QVERIFY(c.setLanguage("ko"));
        QCOMPARE(c.language(), QStringLiteral("ko"));
        QVERIFY(c.setDefaultRecordPath("/tmp/records"));
        c.reload();
        QCOMPARE(c.language(), QStringLiteral("ko"));
        QCOMPARE(c.defaultRecordPath(), QStringLiteral("/tmp/records"));
    }

    void anOwnerOnlyIniStartsWithoutAWarning()
    {
        TestHome home;
        auto &c = Configurations::instance();
        QVERIFY(c.setValue("/Mail/Password", "x"));
        QsLogging::Logger &logger = QsLogging::Logger::instance();
        const QString previous = logger.filePath();
        logger.setFileDestination(home.file("start.log"), 1 << 20, 1);
        c.reload();
        // Only a group or other bit is worth the warning.
        QFile::setPermissions(home.file("config/vellobox.ini"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
        c.reload();
        c.reload();
        logger.flush();
        logger.setFileDestination(previous, 1 << 20, 1);
        const QByteArray log = home.read("start.log");
        QCOMPARE(log.count("readable by others"), 1);
    }

    void theUsersOwnCopiesOfItsFilesAreKept()
    {
        // Named like a save's temporary, but the user's: a save leaves none behind (its temporary
        // has no name until the moment it replaces the file).
        TestHome home;
        const QStringList copies{"config/keywords.json.backup", "config/hotwords.json.before",
                                 "config/vellobox.ini.2024ok", "config/user.QWErty", "config/setting/mouse.json.a1B2c3"};
        for (const QString &copy : copies)
            home.write(copy, "mine");
        home.reload();
        for (const QString &copy : copies)
            QCOMPARE(home.read(copy), QByteArray("mine"));
    }

    void longNonAsciiKeysGetShortFileNames()
    {
        TestHome home;
        const QString key = QString(27, QChar(0x9f20)) + QStringLiteral(" 2.4G ") + QString(27, QChar(0x6807));
        const QString other = QString(27, QChar(0x9f20)) + QStringLiteral(" 2.4G ") + QString(27, QChar(0x6808));
        auto &store = DeviceConfigHelper::instance();
        QSignalSpy failed(&store, &DeviceConfigHelper::saveFailed);
        store.addSetting(key, std::make_unique<MouseSetting>())->setValue("mKey_url", "https://a/");
        store.addSetting(other, std::make_unique<MouseSetting>())->setValue("mKey_url", "https://b/");
        QCOMPARE(failed.count(), 0);
        QVERIFY(QFileInfo(store.filePath(key)).fileName().toUtf8().size() < 100);
        QVERIFY(store.filePath(key) != store.filePath(other));
        home.reload();
        QCOMPARE(store.setting(key)->text("mKey_url"), QStringLiteral("https://a/"));
        QCOMPARE(store.setting(other)->text("mKey_url"), QStringLiteral("https://b/"));
    }

    void filesOfTheOlderNamingLoadAndMove()
    {
        TestHome home;
        home.write("config/setting/mouse 1.json", "{\"entityType\":\"MouseSetting\",\"mKey_url\":\"https:\\/\\/old\\/\"}");
        home.write("config/setting/A%2FB.json", "{\"entityType\":\"MouseSetting\",\"mKey_url\":\"https:\\/\\/slash\\/\"}");
        home.reload();
        auto &store = DeviceConfigHelper::instance();
        QCOMPARE(store.setting("mouse 1")->text("mKey_url"), QStringLiteral("https://old/"));
        QCOMPARE(store.setting("A/B")->text("mKey_url"), QStringLiteral("https://slash/"));
        QVERIFY(!home.exists("config/setting/mouse 1.json"));
        QVERIFY(QFileInfo::exists(store.filePath("mouse 1")));
        home.reload();
        QCOMPARE(store.keys(), QStringList({"A/B", "mouse 1"}));
    }

    void unknownLanguageIsNone()
    {
        TestHome home;
        home.write("config/vellobox.ini", "[Setting]\nLanguage=xx\n");
        Configurations::instance().reload();
        QCOMPARE(Configurations::instance().language(), QString());
    }

    void languageInEffectIsTheStoredOneElseTheSystems()
    {
        TestHome home;
        auto &c = Configurations::instance();
        const QString system = c.languageInEffect();
        QVERIFY(QStringList({"zh", "ko", "en"}).contains(system));
        QVERIFY(c.setLanguage("tr"));
        QCOMPARE(c.languageInEffect(), QStringLiteral("tr"));
        // Not the size of the file just written: QSettings keeps its copy of a file whose size
        // and time stamp did not change, and both can stay within a clock tick.
        home.write("config/vellobox.ini", "[Setting]\nLanguage=ZH\nLogLevel=2\n");
        c.reload();
        QCOMPARE(c.languageInEffect(), system);
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
