#include "platform/DesktopEntryReader.h"
#include "platform/LinuxOsHelper.h"

#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// An executable file that does nothing.
bool makeProgram(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("#!/bin/sh\n") > 0
           && file.setPermissions(file.permissions() | QFile::ExeOwner | QFile::ExeUser);
}
} // namespace

// Installed programs come from the XDG desktop entries shipped as fixtures: a data folder
// and a user folder whose entries take precedence.
class tst_DesktopEntryReader : public QObject
{
    Q_OBJECT

    const QString m_data = QStringLiteral(FIXTURES "/data");
    const QString m_home = QStringLiteral(FIXTURES "/home");
    // The programs the entries name: the desktop lists no entry whose program is missing.
    QTemporaryDir m_bin;

    QVector<InstalledProgram> scan() const
    {
        return DesktopEntryReader::installedPrograms(
            {m_home + QStringLiteral("/applications"), m_data + QStringLiteral("/applications")});
    }

    static const InstalledProgram *byName(const QVector<InstalledProgram> &list, const QString &name)
    {
        for (const InstalledProgram &p : list) {
            if (p.displayName == name)
                return &p;
        }
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        // Icon names are looked up below these folders only.
        qputenv("XDG_DATA_HOME", m_home.toLocal8Bit());
        qputenv("XDG_DATA_DIRS", m_data.toLocal8Bit());
        qputenv("HOME", QByteArray(FIXTURES "/no-home"));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        // Names in the language the desktop reads them in; entries as this desktop shows them.
        qputenv("LANGUAGE", "");
        qputenv("LC_ALL", "en_US.UTF-8");
        qputenv("XDG_CURRENT_DESKTOP", "GNOME");
        QVERIFY(m_bin.isValid());
        for (const char *name : {"editor", "hidden", "vctool", "nodisplay", "noicon", "noname", "jdk", "systemprog",
                                 "nested", "vcredist", "viewer", "homeprog", "my app"})
            QVERIFY(makeProgram(m_bin.filePath(QLatin1String(name))));
        qputenv("PATH", QFile::encodeName(m_bin.path()) + ':' + qgetenv("PATH"));
    }

    void onlyStartableProgramsAreListedInOrder()
    {
        QStringList names;
        for (const InstalledProgram &p : scan())
            names << p.displayName;
        // User entries first; the user's Hidden entry and its shadowing hide the system ones;
        // NoDisplay, Link, no icon, no name, SDKs, runtimes and broken commands are left out.
        QCOMPARE(names, QStringList({QStringLiteral("Home Wins"), QStringLiteral("Text Editor"),
                                     QStringLiteral("My visual c tool"), QStringLiteral("Quoted App"),
                                     QStringLiteral("Nested"), QStringLiteral("Viewer")}));
    }

    void entryFieldsAreResolved_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("icon");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("workingDirectory");
        QTest::newRow("absolute icon kept") << "Home Wins" << "/opt/home/icon.png" << "homeprog"
                                            << QStringList() << "";
        QTest::newRow("theme icon, largest size, field code dropped")
            << "Text Editor" << m_data + "/icons/hicolor/48x48/apps/editor.png"
            << "editor" << QStringList({"--new-window"}) << "/srv/work";
        QTest::newRow("quotes, escapes, %% and codes inside an argument")
            << "Quoted App" << m_data + "/pixmaps/viewer.xpm" << "my app"
            << QStringList({"--title=a \"b\"", "-x", "%", "--file="}) << "";
        QTest::newRow("unknown icon name kept") << "Nested" << "nested-unknown-icon" << "nested"
                                                << QStringList() << "";
    }

    void entryFieldsAreResolved()
    {
        QFETCH(QString, name);
        QFETCH(QString, icon);
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(QString, workingDirectory);
        const QVector<InstalledProgram> list = scan();
        const InstalledProgram *p = byName(list, name);
        QVERIFY2(p, qPrintable(name));
        QCOMPARE(p->iconPath, icon);
        QCOMPARE(p->programPath, program);
        QCOMPARE(p->arguments, arguments);
        QCOMPARE(p->workingDirectory, workingDirectory);
    }

    // TryExec, the Exec program, OnlyShowIn and NotShowIn as the Desktop Entry rules say; an
    // Exec that names no command is no program.
    void entriesTheDesktopWouldNotListAreLeftOut()
    {
        QStringList names;
        for (const InstalledProgram &p : DesktopEntryReader::installedPrograms({QStringLiteral(FIXTURES "/rules/applications")}))
            names << p.displayName;
        QCOMPARE(names, QStringList({QStringLiteral("Only Here"), QStringLiteral("Plain"), QStringLiteral("Try Present")}));
    }

    // The autostart entry the program writes quotes its path and doubles its '%': the entry
    // reads back as the program it names.
    void theProgramsOwnQuotingReadsBack()
    {
        const QString program = QStringLiteral("/opt/100% app/run");
        const QString exec = LinuxOsHelper::quotedExecArgument(program) + QStringLiteral(" -h");
        QCOMPARE(exec, QStringLiteral("\"/opt/100%% app/run\" -h"));
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QFile file(dir.filePath(QStringLiteral("app.desktop")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Desktop Entry]\nType=Application\nName=Percent\nIcon=/x.png\nExec=" + exec.toUtf8() + "\n");
        file.close();
        const auto read = DesktopEntryReader::programOf(DesktopEntryReader::readEntry(file.fileName()));
        QVERIFY(read);
        QCOMPARE(read->programPath, program);
        QCOMPARE(read->arguments, QStringList{"-h"});
    }

    void splitExec_data()
    {
        QTest::addColumn<QString>("exec");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("plain") << "gedit" << QStringList({"gedit"});
        QTest::newRow("codes alone") << "app %f %F %u %U %i %c %k %d %D %n %N %v %m"
                                     << QStringList({"app"});
        QTest::newRow("extra spaces") << "  app   -a  " << QStringList({"app", "-a"});
        QTest::newRow("empty quoted argument kept") << "app \"\"" << QStringList({"app", ""});
        QTest::newRow("escaped dollar and backslash") << "app \"\\$HOME\\\\x\""
                                                      << QStringList({"app", "$HOME\\x"});
        QTest::newRow("unterminated quote") << "\"app" << QStringList();
        QTest::newRow("empty") << "" << QStringList();
    }

    void splitExec()
    {
        QFETCH(QString, exec);
        QFETCH(QStringList, expected);
        QCOMPARE(DesktopEntryReader::splitExec(exec), expected);
    }

    void nameFollowsTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("name");
        QTest::newRow("zh_CN") << "zh_CN" << QStringLiteral("文本编辑器");
        QTest::newRow("de_AT falls back to de") << "de_AT" << "Texteditor";
        QTest::newRow("fr_FR falls back to Name") << "fr_FR" << "Text Editor";
    }

    void nameFollowsTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, name);
        QLocale::setDefault(QLocale(locale));
        const auto program = DesktopEntryReader::programOf(
            DesktopEntryReader::readEntry(m_data + QStringLiteral("/applications/editor.desktop")));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(program);
        QCOMPARE(program->displayName, name);
    }

    void actionGroupsDoNotLeakIntoTheEntry()
    {
        const auto entry = DesktopEntryReader::readEntry(m_data + QStringLiteral("/applications/editor.desktop"));
        QCOMPARE(entry.value(QStringLiteral("Name")), QStringLiteral("Text Editor"));
        QCOMPARE(entry.value(QStringLiteral("Exec")), QStringLiteral("editor --new-window %U"));
        QVERIFY(DesktopEntryReader::readEntry(m_data + QStringLiteral("/missing.desktop")).isEmpty());
    }

    void helperReadsTheXdgFolders()
    {
        LinuxOsHelper helper;
        const QVector<InstalledProgram> list = helper.installedPrograms();
        QCOMPARE(list.size(), 6);
        QCOMPARE(list.first().displayName, QStringLiteral("Home Wins"));
        QVERIFY(!helper.isWindows11());
    }

    void aLeakInReadingAnEntryIsReported()
    {
#ifndef VB_LEAK_CHECKED
        QSKIP("built without the leak check");
#else
        // Run with the suite's own leak check and its suppressions.
        QProcess reader;
        reader.start(QStringLiteral(VB_LEAKY_READER), {m_data + QStringLiteral("/applications/editor.desktop")});
        QVERIFY(reader.waitForFinished(30000));
        const QByteArray report = reader.readAllStandardError();
        QVERIFY2(report.contains("LeakSanitizer: detected memory leaks"), report.constData());
        QVERIFY(report.contains("readEntryAndForgetToFreeIt"));
#endif
    }
};

QTEST_MAIN(tst_DesktopEntryReader)
#include "tst_DesktopEntryReader.moc"
