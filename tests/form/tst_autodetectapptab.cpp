#include "config/HotWordStore.h"
#include "config/MouseSetting.h"
#include "device/DeviceContext.h"
#include "form/tab/AutoDetectAppTab.h"
#include "form/tab/InstalledProgramList.h"
#include "logic/businessLogic/Launcher.h"
#include "logic/businessLogic/workflow/voicesearch/SearchImp.h"
#include "qui/control/IconCheckBoxItem.h"
#include "qui/control/ImageSwitch.h"
#include "support/TestHome.h"
#include "util/Clock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QImage>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {
DataHandler<KeywordVO> &autoKeywords()
{
    return HotWordStore::instance().autoKeywords();
}

QStringList rowNames(const AutoDetectAppTab &tab)
{
    QStringList names;
    for (IconCheckBoxItem *row : tab.items())
        names << row->text();
    return names;
}

QList<bool> rowStates(const AutoDetectAppTab &tab)
{
    QList<bool> states;
    for (IconCheckBoxItem *row : tab.items())
        states << row->isChecked();
    return states;
}

void flip(IconCheckBoxItem *row)
{
    QTest::mouseClick(row->imageSwitch(), Qt::LeftButton);
}
} // namespace

class TestAutoDetectAppTab : public QObject
{
    Q_OBJECT
private slots:
    // A data folder of desktop entries as a system has them, with the programs they start
    // (the desktop lists no entry whose program is missing).
    void initTestCase()
    {
        QVERIFY(m_data.isValid());
        const QString apps = m_data.path() + "/home/applications";
        QDir().mkpath(apps);
        QDir().mkpath(m_data.path() + "/system");
        QImage icon(64, 48, QImage::Format_ARGB32);
        icon.fill(Qt::blue);
        QVERIFY(icon.save(m_data.path() + "/alpha.png"));
        for (const QString &program : {bin("alpha"), bin("beta-one"), bin("zeta"), m_data.path() + "/beta two/beta"})
            makeProgram(program);
        entry("a.desktop", "Name=Alpha\nIcon=" + m_data.path() + "/alpha.png\nExec=" + bin("alpha")
                               + " --new-window %U\nPath=/tmp\n");
        entry("b1.desktop", "Name=Beta\nIcon=beta\nExec=beta-one\n");
        entry("b2.desktop", "Name=Beta\nIcon=beta\nExec=\"" + m_data.path() + "/beta two/beta\" --profile \"a b\" %f\n");
        entry("hidden.desktop", "Name=Hidden\nIcon=x\nExec=zeta\nNoDisplay=true\n");
        entry("remove.desktop", "Name=Remove Programs\nIcon=x\nExec=wine uninstaller\n");
        entry("z.desktop", "Name=Zeta\nIcon=no-such-icon\nExec=zeta\n");
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_data.path() + "/home"));
        qputenv("XDG_DATA_DIRS", QFile::encodeName(m_data.path() + "/system"));
        qputenv("PATH", QFile::encodeName(m_data.path() + "/bin") + ':' + qgetenv("PATH"));
        QSignalSpy loaded(&InstalledProgramList::instance(), &InstalledProgramList::loaded);
        InstalledProgramList::instance().reload();
        QVERIFY(loaded.wait(5000));
    }
    void init() { m_home = std::make_unique<TestHome>(); }
    void cleanup()
    {
        Launcher::setProgramStarter({});
        Clock::setOverride({});
        m_home.reset();
    }

    void theShownProgramsAreListedWithTheirIcons()
    {
        AutoDetectAppTab tab;
        QVERIFY(tab.items().isEmpty()); // nothing is read before the page is shown
        tab.show();
        QCOMPARE(rowNames(tab), (QStringList{"Alpha", "Beta", "Beta", "Zeta"}));
        QVERIFY(tab.items()[0]->hasIcon());
        QVERIFY(!tab.items()[3]->hasIcon()); // a missing icon leaves the row without one
        QCOMPARE(tab.findChild<QFrame *>("fm2")->height(), 4 * AutoDetectAppTab::RowHeight + 10);
        QCOMPARE(rowStates(tab), (QList<bool>{false, false, false, false}));
    }

    void twoProgramsOfOneNameShareTheirKeyword()
    {
        AutoDetectAppTab tab;
        tab.show();
        flip(tab.items()[1]);
        QCOMPARE(rowStates(tab), (QList<bool>{false, true, true, false}));
        QCOMPARE(autoKeywords().records.size(), 1);
        QCOMPARE(autoKeywords().records[0]->keywordType, 3);
        QVERIFY(m_home->read("config/autokeywords.json").contains("Beta"));
        flip(tab.items()[2]);
        QCOMPARE(rowStates(tab), (QList<bool>{false, false, false, false}));
        QVERIFY(autoKeywords().records.isEmpty());
    }

    // The switch of a row, reported without the row: the program of that name and icon.
    void aSwitchReportedByNameAddsThatProgram()
    {
        AutoDetectAppTab tab;
        tab.show();
        IconCheckBoxItem *row = tab.items()[0];
        tab.iconCheckBoxItem_checkedChanged(true, row->iconPath(), row->text());
        QCOMPARE(autoKeywords().records.size(), 1);
        QCOMPARE(autoKeywords().records[0]->keyword, QStringLiteral("Alpha"));
        QVERIFY(autoKeywords().records[0]->content.endsWith("a.desktop"));
        QCOMPARE(rowStates(tab), (QList<bool>{true, false, false, false}));
    }

    void adaptingAllGivesDistinctIdsWithinOneSecond()
    {
        Clock::setOverride([] { return qint64(1700000000) * 1000; });
        AutoDetectAppTab tab;
        tab.show();
        flip(tab.items()[0]);
        tab.findChild<QPushButton *>("btnAutoDetect")->click();
        QTRY_COMPARE(rowStates(tab), (QList<bool>{true, true, true, true}));
        QSet<qint64> ids;
        for (const auto &r : autoKeywords().records)
            ids.insert(r->id);
        QCOMPARE(autoKeywords().records.size(), 4);
        QCOMPARE(ids.size(), 4);
        // Two records of one name: one off leaves both rows on until the second goes too.
        flip(tab.items()[1]);
        QCOMPARE(rowStates(tab), (QList<bool>{true, true, true, true}));
        flip(tab.items()[1]);
        QCOMPARE(rowStates(tab), (QList<bool>{true, false, false, true}));
    }

    void recordsOfRemovedProgramsStayUntilTheNextAdapting()
    {
        autoKeywords().appendAll({KeywordVO(3, "Gone", "/nowhere/gone.desktop", "自动检测关键词")});
        AutoDetectAppTab tab;
        tab.show();
        QCOMPARE(autoKeywords().records.size(), 1);
        tab.findChild<QPushButton *>("btnAutoDetect")->click();
        QTRY_COMPARE(autoKeywords().records.size(), 4);
        QStringList words;
        for (const auto &r : autoKeywords().records)
            words << r->keyword;
        QCOMPARE(words, (QStringList{"Alpha", "Beta", "Beta", "Zeta"}));
    }

    // A program uninstalled while the program runs is neither switched on nor made a keyword.
    void adaptingReadsTheInstalledProgramsAgain()
    {
        AutoDetectAppTab tab;
        tab.show();
        QCOMPARE(rowNames(tab), (QStringList{"Alpha", "Beta", "Beta", "Zeta"}));
        const QString zeta = m_data.path() + "/home/applications/z.desktop";
        QVERIFY(QFile::rename(zeta, zeta + ".removed"));
        auto *adapt = tab.findChild<QPushButton *>("btnAutoDetect");
        adapt->click();
        QVERIFY(!adapt->isEnabled()); // while the list is read again
        QTRY_VERIFY(adapt->isEnabled());
        QVERIFY(QFile::rename(zeta + ".removed", zeta));
        QStringList words;
        for (const auto &r : autoKeywords().records)
            words << r->keyword;
        QCOMPARE(words, (QStringList{"Alpha", "Beta", "Beta"}));
        QCOMPARE(rowNames(tab), (QStringList{"Alpha", "Beta", "Beta"}));
        QCOMPARE(rowStates(tab), (QList<bool>{true, true, true}));
        // The list stays as read for the tests that follow.
        QSignalSpy loaded(&InstalledProgramList::instance(), &InstalledProgramList::loaded);
        InstalledProgramList::instance().reload();
        QVERIFY(loaded.wait(5000));
    }

    // Saying a detected program's name starts the entry's program with its arguments, not
    // through a shell, without the field codes.
    void sayingTheNameStartsTheEntrysProgram_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("spoken");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("folder");
        QTest::newRow("arguments and folder") << 0 << "打开 Alpha。" << bin("alpha") << QStringList{"--new-window"}
                                              << "/tmp";
        QTest::newRow("quoted program and argument") << 2 << "beta" << m_data.path() + "/beta two/beta"
                                                     << QStringList{"--profile", "a b"} << "";
    }
    void sayingTheNameStartsTheEntrysProgram()
    {
        QFETCH(int, row);
        QFETCH(QString, spoken);
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(QString, folder);
        QStringList started;
        Launcher::setProgramStarter([&](const QString &p, const QStringList &args, const QString &dir) {
            started << p << args << dir;
            return true;
        });
        AutoDetectAppTab tab;
        tab.show();
        flip(tab.items()[row]);
        MouseSetting setting;
        DeviceContext context;
        context.setting = &setting;
        SearchImp search(&context);
        search.search(spoken);
        QCOMPARE(started, QStringList{program} + arguments + QStringList{folder});
    }

    void anUninstallerIsNeverStarted()
    {
        QStringList started;
        Launcher::setProgramStarter([&](const QString &p, const QStringList &, const QString &) {
            started << p;
            return true;
        });
        QVERIFY(!Launcher::startDetectedProgram("wine uninstaller"));
        QVERIFY(!Launcher::startDetectedProgram("\"/opt/my app/Uninstall.exe\" /S"));
        QVERIFY(started.isEmpty());
        QVERIFY(Launcher::startDetectedProgram("/opt/app/app --fast"));
        QCOMPARE(started, QStringList{"/opt/app/app"});
    }

private:
    QString bin(const QString &name) const { return m_data.path() + "/bin/" + name; }
    void entry(const QString &file, const QString &body) const
    {
        QFile f(m_data.path() + "/home/applications/" + file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Desktop Entry]\nType=Application\n" + body.toUtf8());
    }
    static void makeProgram(const QString &path)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n");
        QVERIFY(file.setPermissions(file.permissions() | QFile::ExeOwner | QFile::ExeUser));
    }

    QTemporaryDir m_data;
    std::unique_ptr<TestHome> m_home;
};

QTEST_MAIN(TestAutoDetectAppTab)
#include "tst_autodetectapptab.moc"
