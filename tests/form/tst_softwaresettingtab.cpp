// The software settings page: auto start, interface language with its restart, update check.
#include "SimulatedDevice.h"

#include "config/BaseSetting.h"
#include "config/Configurations.h"
#include "config/DeviceConfigHelper.h"
#include "config/HotWordStore.h"
#include "databinding/ZComboBox.h"
#include "device/DeviceMap.h"
#include "form/AppExit.h"
#include "form/DeviceHub.h"
#include "form/MainWindow.h"
#include "form/StartupSequence.h"
#include "form/tab/SoftwareSettingTab.h"
#include "platform/SingleInstanceGuard.h"
#include "qui/control/ImageSwitch.h"
#include "support/LoopbackHttpServer.h"
#include "support/PromptRecorder.h"
#include "support/TestHome.h"
#include "support/ToastRecorder.h"
#include "util/AppHelper.h"
#include "util/UpgradeHelper.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QFile>
#include <QXmlStreamReader>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <memory>

namespace {
struct DesignerWidget
{
    QString className;
    QString name;
    QString styleSheet;
    bool holdsWidgets = false;
};

// Style sheets of the designer forms that name no selector: such a sheet styles everything
// the widget holds or opens (a combo's list, an editor's menu, a completer), unless the widget
// is a label, a button or a line that holds nothing and opens nothing.
QStringList unscopedSheetsReachingPopups(const QString &uiPath)
{
    static const QStringList passive = {QStringLiteral("QLabel"), QStringLiteral("ClickableLabel"),
                                        QStringLiteral("QPushButton"), QStringLiteral("QCheckBox"),
                                        QStringLiteral("QRadioButton"), QStringLiteral("Line")};
    QStringList found;
    QFile file(uiPath);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("cannot read ") + uiPath};
    QXmlStreamReader xml(&file);
    QVector<DesignerWidget> open;
    bool inSheet = false;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (xml.name() == QLatin1String("widget")) {
                if (!open.isEmpty())
                    open.last().holdsWidgets = true;
                open.append({xml.attributes().value(QLatin1String("class")).toString(),
                             xml.attributes().value(QLatin1String("name")).toString(), {}, false});
            } else if (xml.name() == QLatin1String("property")) {
                inSheet = xml.attributes().value(QLatin1String("name")) == QLatin1String("styleSheet");
            } else if (xml.name() == QLatin1String("string") && inSheet && !open.isEmpty()) {
                open.last().styleSheet = xml.readElementText();
                inSheet = false;
            }
        } else if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("widget") && !open.isEmpty()) {
            const DesignerWidget w = open.takeLast();
            const bool unscoped = !w.styleSheet.trimmed().isEmpty() && !w.styleSheet.contains(QLatin1Char('{'));
            if (unscoped && (w.holdsWidgets || !passive.contains(w.className)))
                found << QFileInfo(uiPath).fileName() + QLatin1Char(' ') + w.className + QLatin1Char(' ') + w.name
                             + QStringLiteral(": ") + w.styleSheet.simplified();
        }
    }
    if (xml.hasError())
        found << uiPath + QStringLiteral(": ") + xml.errorString();
    return found;
}

const QString kLanguageKey = QStringLiteral("/Setting/Language");
const QString kRestartQuestion = QStringLiteral("修改生效需要重启程序，是否重启?");
} // namespace

class TestSoftwareSettingTab : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<QTemporaryDir> m_config;

    QString autostartFile() const { return m_config->path() + QStringLiteral("/autostart/vellobox.desktop"); }
    QByteArray ini() const { return m_home->read(QStringLiteral("config/vellobox.ini")); }

    static void clickSwitch(ImageSwitch *toggle) { QTest::mouseClick(toggle, Qt::LeftButton); }

    // The running program a restart ends: the instance lock's holder, with its main window.
    struct RunningCopy
    {
        QTemporaryDir runtime;
        SingleInstanceGuard guard{QStringLiteral("vellobox-test"), runtime.path()};
        std::unique_ptr<MainWindow> window;
        RunningCopy()
        {
            AppExit::setLockRelease([this] { guard.release(); });
            MainWindow::setTrayAvailableForTest(true);
            window = std::make_unique<MainWindow>();
            AppHelper::instance().setMainWindow(window.get());
        }
        ~RunningCopy()
        {
            window.reset();
            MainWindow::setTrayAvailableForTest(std::nullopt);
        }
        // Whether a new copy starting now would get the lock.
        bool nextIsFree() const { return SingleInstanceGuard(QStringLiteral("vellobox-test"), runtime.path()).tryAcquire(); }
    };

    // Chooses English in the page from within the event loop the program runs, as a user does,
    // and runs that loop to the program's end; a restart that never ends it fails the test.
    static int restartWithin(SoftwareSettingTab *page)
    {
        QTimer::singleShot(0, page, [page] { page->languageCombo()->setCurrentIndex(1); });
        QTimer stuck;
        stuck.setSingleShot(true);
        QObject::connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        stuck.start(20000);
        return AppExit::execUntilSaved();
    }

private slots:
    // The interface-language list showed its entry under the mouse white on white: the white
    // of the frame around the combo reached the list. Every form scopes such sheets.
    void noDesignerStyleSheetWithoutASelectorReachesAPopup()
    {
        QStringList found;
        int forms = 0;
        QDirIterator it(QStringLiteral(VB_SRC_DIR), {QStringLiteral("*.ui")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            found << unscopedSheetsReachingPopups(it.next());
            ++forms;
        }
        QVERIFY(forms > 20);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }

    void init()
    {
        m_home = std::make_unique<TestHome>();
        m_config = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", m_config->path().toLocal8Bit());
        Configurations::instance().setLanguage(QStringLiteral("zh"));
    }

    void cleanup()
    {
        AppExit::setProcessStarter({});
        AppExit::setLockRelease({});
        AppHelper::instance().setMainWindow(nullptr);
        m_config.reset();
        m_home.reset();
    }

    void openingWritesNothingAndHidesTheSystemSection()
    {
        PromptRecorder prompts;
        const QByteArray before = ini();
        SoftwareSettingTab page;
        page.show();
        QCOMPARE(ini(), before);
        QVERIFY(!QFile::exists(autostartFile()));
        QVERIFY(prompts.texts.isEmpty());
        QVERIFY(!page.findChild<QLabel *>("lbTitle2")->isVisible());
        QVERIFY(!page.findChild<QWidget *>("frame2")->isVisible());
        QCOMPARE(page.findChild<QLabel *>("lbVersion")->text(), QCoreApplication::applicationVersion());
        QCOMPARE(page.languageCombo()->currentText(), QStringLiteral("简体中文"));
    }

    void withNothingStoredTheLanguageInEffectIsShown()
    {
        PromptRecorder prompts;
        Configurations::instance().setValue(kLanguageKey, QString());
        const QByteArray before = ini();
        SoftwareSettingTab page;
        QVERIFY(page.languageCombo()->currentIndex() >= 0);
        QCOMPARE(page.languageCombo()->currentData().toString(), Configurations::instance().languageInEffect());
        // Choosing it again is no change.
        const int current = page.languageCombo()->currentIndex();
        {
            const QSignalBlocker blocker(page.languageCombo());
            page.languageCombo()->setCurrentIndex(current == 0 ? 1 : 0);
        }
        page.languageCombo()->setCurrentIndex(current);
        QCOMPARE(ini(), before);
        QVERIFY(prompts.texts.isEmpty());
    }

    void languagesAreListedInOrderWithTheirCodes()
    {
        SoftwareSettingTab page;
        const QStringList texts{"简体中文", "English", "한국어", "Türkçe"};
        const QStringList codes{"zh", "en", "ko", "tr"};
        QCOMPARE(page.languageCombo()->count(), 4);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(page.languageCombo()->itemText(i), texts.at(i));
            QCOMPARE(page.languageCombo()->itemData(i).toString(), codes.at(i));
        }
    }

    void switchMirrorsAnExistingEntry()
    {
        QVERIFY(AppHelper::setAutoStart(true));
        SoftwareSettingTab page;
        QVERIFY(page.autoStartSwitch()->isChecked());
    }

    void autoStartIsWrittenAndRemovedAtEachChange()
    {
        SoftwareSettingTab page;
        QVERIFY(!page.autoStartSwitch()->isChecked());
        for (int round = 0; round < 2; ++round) {
            clickSwitch(page.autoStartSwitch());
            QVERIFY(QFile::exists(autostartFile()));
            QVERIFY(AppHelper::isAutoStart());
            clickSwitch(page.autoStartSwitch());
            QVERIFY(!QFile::exists(autostartFile()));
        }
    }

    void failedAutoStartWriteTurnsTheSwitchBack()
    {
        ToastRecorder toasts;
        // A file where the folder should be: the entry cannot be written.
        QFile blocker(m_config->path() + QStringLiteral("/autostart"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        SoftwareSettingTab page;
        clickSwitch(page.autoStartSwitch());
        QVERIFY(!page.autoStartSwitch()->isChecked());
        QCOMPARE(toasts.entries.size(), 1);
        QCOMPARE(toasts.entries.first().type, 2);
    }

    void languageChoice_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<int>("restarts");
        QTest::newRow("English, declined") << 1 << int(QMessageBox::No) << "en" << true << 0;
        QTest::newRow("Korean, box closed") << 2 << int(QMessageBox::Cancel) << "ko" << true << 0;
        QTest::newRow("Türkçe stores tr") << 3 << int(QMessageBox::No) << "tr" << true << 0;
        QTest::newRow("the language in effect") << 0 << int(QMessageBox::Yes) << "zh" << false << 0;
    }

    void languageChoice()
    {
        QFETCH(int, index);
        QFETCH(int, answer);
        QFETCH(QString, stored);
        QFETCH(bool, asked);
        QFETCH(int, restarts);
        int started = 0;
        AppExit::setProcessStarter([&started](const QString &, const QStringList &) { return ++started > 0; });
        PromptRecorder prompts(answer);
        SoftwareSettingTab page;
        if (index == 0) {
            // Away without a signal, so that choosing the language in effect is a change.
            const QSignalBlocker blocker(page.languageCombo());
            page.languageCombo()->setCurrentIndex(1);
        }
        page.languageCombo()->setCurrentIndex(index);
        QCOMPARE(Configurations::instance().value(kLanguageKey).toString(), stored);
        QCOMPARE(prompts.texts, asked ? QStringList{kRestartQuestion} : QStringList());
        QCOMPARE(started, restarts);
    }

    void languageThatCannotBeSavedIsNotShownOrKept()
    {
        // A folder where the settings file should be: nothing can be written.
        QVERIFY(QFile::remove(m_home->file(QStringLiteral("config/vellobox.ini"))));
        QVERIFY(QDir().mkpath(m_home->file(QStringLiteral("config/vellobox.ini"))));
        ToastRecorder toasts;
        PromptRecorder prompts(QMessageBox::Yes);
        SoftwareSettingTab page;
        page.languageCombo()->setCurrentIndex(1);
        QCOMPARE(toasts.entries.size(), 1);
        QCOMPARE(toasts.entries.first().type, 2);
        QVERIFY(prompts.texts.isEmpty());
        QCOMPARE(page.languageCombo()->currentData().toString(), QStringLiteral("zh"));
        QCOMPARE(Configurations::instance().value(kLanguageKey).toString(), QStringLiteral("zh"));
    }

    void aLanguageChosenInTheWindowChangesOnlyItsOwnLineOfTheUsersFile_data()
    {
        QTest::addColumn<QByteArray>("languageLine"); // as the user left it in the example
        QTest::newRow("left commented out") << QByteArray(";Language=");
        QTest::newRow("set by the user") << QByteArray("Language=zh");
    }
    void aLanguageChosenInTheWindowChangesOnlyItsOwnLineOfTheUsersFile()
    {
        QFETCH(QByteArray, languageLine);
        QFile example(QStringLiteral(VB_SRC_DIR "/../resources/config/vellobox.ini.example"));
        QVERIFY(example.open(QIODevice::ReadOnly));
        // Filled in as the README tells: servers and accounts, and a server parked in a comment.
        QByteArray filled = example.readAll();
        const QList<QPair<QByteArray, QByteArray>> fills{
            {";Language=\n", languageLine + '\n'},
            {";ApiBaseUrl=https://api.example.com", "; old server: ApiBaseUrl=https://old.example.org\n"
                                                    "ApiBaseUrl=https://api.example.org"},
            {";UpgradeUrl=https://api.example.com/upgrade", "UpgradeUrl = https://api.example.org/upgrade"},
            {";Host=", "Host=smtp.example.org"},
            {";Account=", "Account=feedback@example.org ; the shared one"},
            {";Password=", "Password=\" se;cret \""}};
        for (const auto &[from, to] : fills) {
            QVERIFY2(filled.contains(from), from.constData());
            filled.replace(from, to);
        }
        m_home->write(QStringLiteral("config/vellobox.ini"), filled);
        Configurations::instance().reload();
        QCOMPARE(Configurations::instance().value(QStringLiteral("/Mail/Password")).toString(), QStringLiteral(" se;cret "));

        PromptRecorder prompts(QMessageBox::No);
        SoftwareSettingTab page;
        page.languageCombo()->setCurrentIndex(2); // 한국어
        QCOMPARE(Configurations::instance().language(), QStringLiteral("ko"));

        const QList<QByteArray> before = filled.split('\n');
        const QList<QByteArray> after = m_home->read(QStringLiteral("config/vellobox.ini")).split('\n');
        QList<QByteArray> expected = before;
        const int at = before.indexOf(languageLine);
        QVERIFY(at > 0);
        if (languageLine.startsWith(';'))
            expected.insert(at + 1, "Language=ko"); // beside the user's commented-out entry
        else
            expected[at] = "Language=ko";
        QCOMPARE(after.size(), expected.size());
        for (int i = 0; i < after.size(); ++i)
            QVERIFY2(after.at(i) == expected.at(i), qPrintable(QStringLiteral("line %1: %2, not %3")
                                                                   .arg(i + 1)
                                                                   .arg(QString::fromUtf8(after.at(i)),
                                                                        QString::fromUtf8(expected.at(i)))));
        const QSettings read(m_home->file(QStringLiteral("config/vellobox.ini")), QSettings::IniFormat);
        QCOMPARE(read.value(QStringLiteral("Mail/Password")).toString(), QStringLiteral(" se;cret "));
        QCOMPARE(read.value(QStringLiteral("Server/UpgradeUrl")).toString(), QStringLiteral("https://api.example.org/upgrade"));
    }

    void updateCheckOffersEvenAnIgnoredVersion()
    {
        LoopbackHttpServer server;
        Configurations::instance().setValue(QStringLiteral("/Server/UpgradeUrl"), server.url(QStringLiteral("/up")));
        Configurations::instance().addIgnoredVersion(QStringLiteral("9.0.0"));
        server.setEnvelope(QStringLiteral("/up"), 0, QString(),
                           QJsonObject{{"version", "9.0.0"}, {"isMandatory", false}, {"title", ""}, {"content", ""},
                                       {"downloadUrl", server.url(QStringLiteral("/f"))}});
        QSignalSpy offered(&UpgradeHelper::instance(), &UpgradeHelper::newVersion);
        SoftwareSettingTab page;
        QTest::mouseClick(page.findChild<QPushButton *>("btnCheckUpdate"), Qt::LeftButton);
        QVERIFY(offered.wait(5000));
        QCOMPARE(offered.first().first().toString(), QStringLiteral("9.0.0"));
    }

    // The window's orderly exit ends event loops: keep these last.
    void aRestartStartsTheNewCopyOnlyOnceTheWordListsAreWritten()
    {
        RunningCopy copy;
        QVERIFY(copy.guard.tryAcquire());
        HotWordStore::instance().load();
        const QString words = m_home->file(QStringLiteral("config/hotwords.json"));
        const auto onDisk = [&words] {
            QFile file(words);
            return file.open(QIODevice::ReadOnly) && file.readAll().contains("restart word");
        };
        // A fast new copy: it takes the lock and clears unfinished saves the moment it starts.
        QStringList starts;
        AppExit::setProcessStarter([&](const QString &, const QStringList &) {
            starts << QStringLiteral("lock %1, word %2").arg(copy.nextIsFree() ? "free" : "held", onDisk() ? "saved" : "not saved");
            StartupSequence::removeUnfinishedSaves();
            return true;
        });
        HotwordVO word;
        word.hotword = QStringLiteral("restart word");
        QVERIFY(HotWordStore::instance().hotwords().appendAll({word}));
        PromptRecorder prompts(QMessageBox::Yes);
        SoftwareSettingTab page;
        QCOMPARE(restartWithin(&page), 0);

        QCOMPARE(starts, QStringList{"lock free, word saved"});
        QVERIFY(onDisk());
    }

    void confirmedRestartStartsOneCopyAfterSavingAndReleasingTheLock()
    {
        RunningCopy copy;
        QVERIFY(copy.guard.tryAcquire());
        QStringList journal;
        DeviceContext *device = makeSimulatedDevice(QStringLiteral("mouse"), QStringLiteral("智能鼠标"), &journal, 1);
        DeviceMap::instance().insert(device->key(), device);
        copy.window->addDevice(device);
        // Stored straight into the record: only the exit's save brings it to the file.
        device->setting->snapshot_shortcut = QStringLiteral("Ctrl+Alt+R");
        const QString settingsFile = DeviceConfigHelper::instance().filePath(device->key());

        struct Start {
            QString program;
            QStringList arguments;
            bool saved;
            bool lockFree;
        };
        QVector<Start> starts;
        AppExit::setProcessStarter([&](const QString &program, const QStringList &arguments) {
            QFile file(settingsFile);
            file.open(QIODevice::ReadOnly);
            starts.append({program, arguments, file.readAll().contains("Ctrl+Alt+R"), copy.nextIsFree()});
            return true;
        });
        PromptRecorder prompts(QMessageBox::Yes);
        SoftwareSettingTab page;
        QCOMPARE(restartWithin(&page), 0);

        QCOMPARE(prompts.texts, QStringList{kRestartQuestion});
        QCOMPARE(Configurations::instance().language(), QStringLiteral("en"));
        QCOMPARE(starts.size(), 1);
        QCOMPARE(starts.first().program, QCoreApplication::applicationFilePath());
        QVERIFY(starts.first().arguments.isEmpty());
        QVERIFY2(starts.first().saved, "the device settings are saved before the new copy starts");
        QVERIFY2(starts.first().lockFree, "the new copy is not refused by the single-instance lock");
        QCOMPARE(DeviceMap::instance().size(), 0);
    }
};

QTEST_MAIN(TestSoftwareSettingTab)
#include "tst_softwaresettingtab.moc"
