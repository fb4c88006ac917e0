#include "config/Configurations.h"
#include "config/DeviceConfigHelper.h"
#include "config/MouseSetting.h"
#include "config/PointerSetting.h"
#include "form/StartupSequence.h"
#include "logging/Logger.h"
#include "support/FullDisk.h"
#include "support/TestHome.h"

#include <QJsonDocument>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>

#include <cstdio>
#include <dlfcn.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QJsonObject jsonOf(const QByteArray &text)
{
    return QJsonDocument::fromJson(text).object();
}

bool g_stopAtRename = false; // a settings child that is to be killed inside its save

bool run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// The program with the settings of the program folder: this executable run with
// "--settings-child <folder> <mode>". "open" reads them and prints the language; "rename" stops
// inside the first rename of a settings change; "loop" changes two settings over and over.
int runSettingsChild(int argc, char **argv)
{
    qputenv("VELLOBOX_HOME", argv[2]);
    QCoreApplication app(argc, argv);
    Configurations &config = Configurations::instance();
    const QByteArray mode = argv[3];
    if (mode == "open") {
        std::printf("language '%s'\n%s\n", qPrintable(config.language()), qPrintable(config.fileProblem()));
        return 0;
    }
    if (mode == "rename") {
        g_stopAtRename = true;
        config.setLanguage(QStringLiteral("ko"));
        return 1;
    }
    for (int i = 0;; ++i) {
        config.setLanguage(i % 2 ? QStringLiteral("ko") : QStringLiteral("en"));
        config.setValue(QStringLiteral("/Notes/Long"), QString(9000 + i % 2, QLatin1Char('n')));
        if (i == 0) {
            std::fputs("ready\n", stdout);
            std::fflush(stdout);
        }
    }
}
} // namespace

extern "C" int rename(const char *from, const char *to)
{
    static const auto real = reinterpret_cast<int (*)(const char *, const char *)>(::dlsym(RTLD_NEXT, "rename"));
    if (g_stopAtRename) {
        std::fputs("renaming\n", stdout);
        std::fflush(stdout);
        for (;;)
            ::pause();
    }
    return real(from, to);
}

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

    void aChangeOnANearlyFullDiskIsSavedWholeOrNotAtAll_data()
    {
        QTest::addColumn<int>("fileSize");
        QTest::addColumn<int>("freePages");
        for (const int size : {7800, 30000}) {
            for (int pages = 1; pages <= 9; ++pages)
                QTest::addRow("%d bytes, %d pages free", size, pages) << size << pages;
        }
    }
    void aChangeOnANearlyFullDiskIsSavedWholeOrNotAtAll()
    {
        QFETCH(int, fileSize);
        QFETCH(int, freePages);
        TestHome home;
        FullDisk disk(home.path());
        if (!disk.isTmpfs())
            QSKIP("a small file system of its own needs root");
        QByteArray text = "; the user's settings\n[Setting]\nLanguage=zh\nLogLevel=3\n\n[Server]\n"
                          "ApiBaseUrl=https://api.example.org\n\n[Mail]\nAccount=a@example.org\nPassword=secret\n"
                          "\n[Notes]\nLong=";
        text += QByteArray(fileSize - text.size() - 1, 'n') + '\n';
        home.write("config/vellobox.ini", text);
        QVERIFY(QFile::setPermissions(home.file("config/vellobox.ini"), QFile::ReadOwner | QFile::WriteOwner));
        auto &c = Configurations::instance();
        c.reload();
        QCOMPARE(c.language(), QStringLiteral("zh"));

        disk.fill(qint64(freePages) * 4096);
        const bool saved = c.setLanguage("ko");
        disk.free();

        if (freePages * 4096 >= fileSize + 4096)
            QVERIFY2(saved, "there was room for the whole file");
        QByteArray expected = text;
        if (saved)
            expected.replace("Language=zh", "Language=ko");
        QCOMPARE(home.read("config/vellobox.ini"), expected);
        QCOMPARE(QDir(home.file("config")).entryList(QDir::Files | QDir::Hidden), QStringList{"vellobox.ini"});
        c.reload();
        QCOMPARE(c.language(), saved ? QStringLiteral("ko") : QStringLiteral("zh"));
        QCOMPARE(c.value("/Mail/Password").toString(), QStringLiteral("secret"));
    }

    void aSettingsSaveKilledAtAnyMomentLeavesNothingTheNextStartKeeps()
    {
        TestHome home;
        QTemporaryDir autostart; // the start's clean-up looks there too
        qputenv("XDG_CONFIG_HOME", autostart.path().toLocal8Bit());
        const QStringList usersOwn{"notes.txt", "vellobox.ini.bak", "vellobox.ini.lock"};
        for (const QString &name : usersOwn)
            home.write("config/" + name, name.toUtf8());
        home.write("config/vellobox.ini", "[Setting]\nLanguage=zh\n");
        const auto killed = [&](const char *mode, const QByteArray &signal, int waitMs) {
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(), {"--settings-child", home.path(), mode});
            QVERIFY(child.waitForStarted());
            QVERIFY(child.waitForReadyRead(10000));
            QCOMPARE(child.readLine().trimmed(), signal);
            QThread::msleep(waitMs);
            child.kill();
            QVERIFY(child.waitForFinished(10000));
        };
        killed("rename", "renaming", 0);
        QVERIFY(QDir(home.file("config")).entryList(QDir::Files).size() > 4); // what the kill left
        for (int round = 0; round < 12; ++round)
            killed("loop", "ready", QRandomGenerator::global()->bounded(30));

        StartupSequence::removeUnfinishedSaves();
        qunsetenv("XDG_CONFIG_HOME");
        QStringList expected = usersOwn + QStringList{"vellobox.ini"};
        expected.sort();
        QCOMPARE(QDir(home.file("config")).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
        for (const QString &name : usersOwn)
            QCOMPARE(home.read("config/" + name), name.toUtf8());
        // A whole version of the file.
        const QSettings read(home.file("config/vellobox.ini"), QSettings::IniFormat);
        QCOMPARE(read.status(), QSettings::NoError);
        QVERIFY(QStringList({"zh", "en", "ko"}).contains(read.value("Setting/Language").toString()));
        const int notes = read.value("Notes/Long").toString().size();
        QVERIFY(notes == 0 || notes == 9000 || notes == 9001);
    }

    void anIniThisAccountMayNotReadIsLeftWhereItIs()
    {
        if (::geteuid() != 0)
            QSKIP("a second account needs root");
        const QString account = QStringLiteral("vbini%1").arg(QCoreApplication::applicationPid() % 100000);
        run(QStringLiteral("userdel"), {account}); // left by an earlier run that was killed
        QVERIFY(run(QStringLiteral("useradd"), {"-M", "-U", "-d", "/nonexistent", "-s", "/usr/sbin/nologin", account}));
        const auto cleanUp = qScopeGuard([&] { run(QStringLiteral("userdel"), {account}); });
        const struct passwd *entry = ::getpwnam(account.toLocal8Bit().constData());
        QVERIFY(entry);
        const uid_t uid = entry->pw_uid;
        const gid_t gid = entry->pw_gid;
        // A program folder the two accounts share through the second one's group.
        QTemporaryDir base;
        QVERIFY(::chmod(QFile::encodeName(base.path()).constData(), 0755) == 0);
        const QString program = base.filePath("program");
        const QString ini = program + "/config/vellobox.ini";
        QVERIFY(QDir().mkpath(program + "/config"));
        for (const QString &folder : {program, program + "/config"}) {
            QVERIFY(::chown(QFile::encodeName(folder).constData(), 0, gid) == 0);
            QVERIFY(::chmod(QFile::encodeName(folder).constData(), 02770) == 0);
        }
        const QByteArray text = "[Setting]\nLanguage=ko\n[Mail]\nPassword=first account's\n";
        QFile file(ini);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        QVERIFY(::chmod(QFile::encodeName(ini).constData(), 0600) == 0);

        QProcess second;
        second.start(QStringLiteral("setpriv"),
                     {QStringLiteral("--reuid=%1").arg(uid), QStringLiteral("--regid=%1").arg(gid), "--clear-groups",
                      QCoreApplication::applicationFilePath(), "--settings-child", program, "open"});
        QVERIFY(second.waitForFinished(30000));
        QCOMPARE(second.exitCode(), 0);
        const QList<QByteArray> said = second.readAllStandardOutput().trimmed().split('\n');
        QCOMPARE(said.value(0), QByteArray("language ''")); // defaults
        QVERIFY2(said.value(1).contains("cannot be read (Permission denied)"), said.value(1).constData());

        QCOMPARE(QDir(program + "/config").entryList(QDir::Files | QDir::Hidden), QStringList{"vellobox.ini"});
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), text);
        struct stat info;
        QVERIFY(::stat(QFile::encodeName(ini).constData(), &info) == 0);
        QCOMPARE(int(info.st_uid), 0);
        QCOMPARE(int(info.st_mode & 07777), 0600);
    }

    void aChangeReadsBackAsWrittenAndLeavesEveryOtherValue_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        const QByteArray layout = "; comment\r\n[Setting]\r\nLanguage = en ; chosen by hand\r\nLogLevel=2\r\n"
                                  "[Server]\r\nApiBaseUrl=\"a;b\"\r\nWrapped=one \\\r\n  two\r\n"
                                  "[Setting]\r\nLanguage=zh\r\n[%General]\r\nx=1\r\n";
        const QStringList values{"ko", "", " padded ", "a;b,c=d", "quote\" back\\ slash\\", "new\nline\ttab",
                                 "@at", "中文 Türkçe 😀 a1", QString::fromUtf8("\xc3\xa9" "a"), "C:\\record\\",
                                 QString(QChar(1)) + "1f", QString(QChar(0)) + "0"};
        const QStringList keys{"/Setting/Language", "Server/Wrapped", "/New Section/key with space",
                               "General/x", "top", "Setting/Deep/er", "Setting/%41"};
        for (const QString &key : keys) {
            for (int i = 0; i < values.size(); ++i)
                QTest::addRow("%s %d", qPrintable(key), i) << layout << key << values.at(i);
        }
        QTest::newRow("an empty file") << QByteArray() << "Setting/Language" << "ko";
        QTest::newRow("no line end at the end") << QByteArray("[Setting]\nLogLevel=2") << "Setting/Language" << "ko";
    }
    void aChangeReadsBackAsWrittenAndLeavesEveryOtherValue()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, key);
        QFETCH(QString, value);
        TestHome home;
        home.write("before.ini", text);
        home.write("config/vellobox.ini", text);
        auto &c = Configurations::instance();
        c.reload();
        QVERIFY(c.setValue(key, value));
        QCOMPARE(c.value(key).toString(), value);
        // Read as another program start reads it: under a name this process has not read.
        QVERIFY(QFile::copy(home.file("config/vellobox.ini"), home.file("after.ini")));
        const QSettings before(home.file("before.ini"), QSettings::IniFormat);
        const QSettings after(home.file("after.ini"), QSettings::IniFormat);
        QCOMPARE(after.status(), QSettings::NoError);
        QCOMPARE(after.value(key).toString(), value);
        QStringList keys = before.allKeys();
        const QString normal = key.split('/', Qt::SkipEmptyParts).join('/');
        if (!keys.contains(normal))
            keys << normal;
        keys.sort();
        QCOMPARE(after.allKeys(), keys);
        for (const QString &other : before.allKeys()) {
            if (other != normal)
                QCOMPARE(after.value(other), before.value(other));
        }
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

int main(int argc, char **argv)
{
    if (argc == 4 && qstrcmp(argv[1], "--settings-child") == 0)
        return runSettingsChild(argc, argv);
    QApplication app(argc, argv);
    TestSettings test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_settings.moc"
