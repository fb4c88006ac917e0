#include "platform/AtspiCaretLocator.h"
#include "platform/HidrawMonitor.h"
#include "platform/ICaretLocator.h"
#include "platform/IKeySender.h"
#include "platform/LinuxOsHelper.h"
#include "platform/RecordingKeySender.h"
#include "platform/VirtualKeyToQtKey.h"
#include "platform/X11KeySender.h"
#include "platform/X11KeyboardListener.h"
#include "support/FullDisk.h"
#include "util/AppHelper.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// The helper without a desktop session: auto start entries, the key table, and clean
// refusals when there is no X display, accessibility bus or udev.
class tst_LinuxOsHelper : public QObject
{
    Q_OBJECT

    QTemporaryDir m_config;
    QTemporaryDir m_runtime;

    static QByteArray execLine(const QString &path)
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        for (const QByteArray &line : f.readAll().split('\n')) {
            if (line.startsWith("Exec="))
                return line;
        }
        return {};
    }

    // What a desktop reads back from one quoted Exec argument: the key file's string escapes
    // first, then the doubled '%', then the quoting.
    static QString decodeExecArgument(const QString &value)
    {
        QString unescaped;
        for (int i = 0; i < value.size(); ++i) {
            if (value[i] == QLatin1Char('\\') && i + 1 < value.size()) {
                const QChar n = value[++i];
                unescaped += n == QLatin1Char('s') ? QChar(' ') : n == QLatin1Char('n') ? QChar('\n')
                           : n == QLatin1Char('t') ? QChar('\t') : n == QLatin1Char('r') ? QChar('\r') : n;
            } else {
                unescaped += value[i];
            }
        }
        unescaped.replace(QStringLiteral("%%"), QStringLiteral("%"));
        if (!unescaped.startsWith(QLatin1Char('"')) || !unescaped.endsWith(QLatin1Char('"')))
            return QStringLiteral("<not quoted>");
        QString arg;
        for (int i = 1; i < unescaped.size() - 1; ++i) {
            if (unescaped[i] == QLatin1Char('\\') && i + 1 < unescaped.size() - 1)
                ++i;
            arg += unescaped[i];
        }
        return arg;
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
        qunsetenv("DISPLAY");
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        qunsetenv("AT_SPI_BUS_ADDRESS");
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
    }

    void autostartEntryIsCreatedAndRemoved()
    {
        const QString path = LinuxOsHelper::autostartPath();
        QCOMPARE(path, m_config.path() + QStringLiteral("/autostart/vellobox.desktop"));
        QVERIFY(!AppHelper::isAutoStart());

        QVERIFY(AppHelper::setAutoStart(true));
        QVERIFY(QFile::exists(path));
        QVERIFY(AppHelper::isAutoStart());
        const QByteArray exec = execLine(path);
        QVERIFY2(exec.endsWith(" -h"), exec.constData());
        QCOMPARE(exec, "Exec=" + LinuxOsHelper::quotedExecArgument(QCoreApplication::applicationFilePath()).toUtf8() + " -h");

        QVERIFY(AppHelper::setAutoStart(false));
        QVERIFY(!QFile::exists(path));
        QVERIFY(!AppHelper::isAutoStart());
        QVERIFY(AppHelper::setAutoStart(false)); // removing what is not there is fine
    }

    void autostartEntryCarriesTheProgramFolder()
    {
        QTemporaryDir base;
        const QString folder = base.path() + QStringLiteral("/my \"home\" $HOME 100%");
        QVERIFY(QDir().mkpath(folder));
        qputenv("VELLOBOX_HOME", folder.toLocal8Bit());
        const bool written = AppHelper::setAutoStart(true);
        qunsetenv("VELLOBOX_HOME");
        QVERIFY(written);
        const QString path = LinuxOsHelper::autostartPath();
        const QString setting = LinuxOsHelper::quotedExecArgument(QStringLiteral("VELLOBOX_HOME=") + folder);
        QCOMPARE(decodeExecArgument(setting), QStringLiteral("VELLOBOX_HOME=") + folder);
        QCOMPARE(QString::fromUtf8(execLine(path)),
                 QStringLiteral("Exec=env ") + setting + QLatin1Char(' ')
                     + LinuxOsHelper::quotedExecArgument(QCoreApplication::applicationFilePath()) + QStringLiteral(" -h"));

        const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (!validator.isEmpty()) {
            QProcess validate;
            validate.start(validator, {path});
            QVERIFY(validate.waitForFinished(10000));
            const QByteArray said = validate.readAllStandardOutput() + validate.readAllStandardError();
            QVERIFY2(validate.exitCode() == 0 && !said.contains("error"), said.constData());
        }
        QVERIFY(AppHelper::setAutoStart(false));
    }

    void execArgumentSurvivesTheDesktopEntryRules_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("spaces") << QStringLiteral("/opt/My Apps/vellobox");
        QTest::newRow("percent and dollar") << QStringLiteral("/opt/100% $HOME/vellobox");
        QTest::newRow("quotes, backquote, backslash") << QStringLiteral("/opt/a\"b`c\\d/vellobox");
        QTest::newRow("non-ASCII") << QStringLiteral("/home/用户/程序/vellobox");
    }
    void execArgumentSurvivesTheDesktopEntryRules()
    {
        QFETCH(QString, program);
        const QString quoted = LinuxOsHelper::quotedExecArgument(program);
        QCOMPARE(decodeExecArgument(quoted), program);

        const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (validator.isEmpty())
            QSKIP("desktop-file-validate is not installed");
        const QString path = m_config.path() + QStringLiteral("/check.desktop");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QStringLiteral("[Desktop Entry]\nType=Application\nName=Vellobox\nExec=%1 -h\n").arg(quoted).toUtf8());
        file.close();
        QProcess validate;
        validate.start(validator, {path});
        QVERIFY(validate.waitForFinished(10000));
        const QByteArray said = validate.readAllStandardOutput() + validate.readAllStandardError();
        QVERIFY2(validate.exitCode() == 0 && !said.contains("error"), said.constData());
    }

    void hiddenOrDisabledEntriesAreOff_data()
    {
        QTest::addColumn<QByteArray>("extra");
        QTest::addColumn<bool>("on");
        QTest::newRow("plain") << QByteArray() << true;
        QTest::newRow("Hidden=true") << QByteArray("Hidden=true\n") << false;
        QTest::newRow("Hidden=false") << QByteArray("Hidden=false\n") << true;
        QTest::newRow("GNOME switch off") << QByteArray("X-GNOME-Autostart-enabled=false\n") << false;
        QTest::newRow("Hidden in another group") << QByteArray("[Desktop Action x]\nHidden=true\n") << true;
    }
    void hiddenOrDisabledEntriesAreOff()
    {
        QFETCH(QByteArray, extra);
        QFETCH(bool, on);
        const QString path = LinuxOsHelper::autostartPath();
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[Desktop Entry]\nType=Application\nName=Vellobox\nExec=vellobox -h\n" + extra);
        file.close();
        QCOMPARE(IOsHelper::instance()->isAutoStart(), on);
        QFile::remove(path);
    }

    void autostartWithoutCommandIsOff()
    {
        const QString path = LinuxOsHelper::autostartPath();
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Desktop Entry]\nType=Application\nExec=\n");
        f.close();
        QVERIFY(!IOsHelper::instance()->isAutoStart());
        QVERIFY(IOsHelper::instance()->setAutoStart(false));
    }

    void autostartReportsAFolderItCannotWrite()
    {
        QTemporaryDir blocked;
        // A file where the autostart folder should be.
        QFile block(blocked.path() + QStringLiteral("/autostart"));
        QVERIFY(block.open(QIODevice::WriteOnly));
        block.close();
        qputenv("XDG_CONFIG_HOME", blocked.path().toLocal8Bit());
        const bool ok = IOsHelper::instance()->setAutoStart(true);
        qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
        QVERIFY(!ok);
    }

    void anAutostartEntryWrittenOnAFullDiskKeepsTheOldOne()
    {
        QTemporaryDir config;
        FullDisk disk(config.path());
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        QVERIFY(IOsHelper::instance()->setAutoStart(true));
        QFile entry(LinuxOsHelper::autostartPath());
        QVERIFY(entry.open(QIODevice::ReadOnly));
        const QByteArray before = entry.readAll();
        entry.close();

        qputenv("VELLOBOX_HOME", config.path().toLocal8Bit()); // the entry would change
        disk.fill();
        const bool ok = IOsHelper::instance()->setAutoStart(true);
        disk.free();
        qunsetenv("VELLOBOX_HOME");
        qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
        QVERIFY(!ok);
        QVERIFY(entry.open(QIODevice::ReadOnly));
        QCOMPARE(entry.readAll(), before);
    }

    void virtualKeyToQtKey_data()
    {
        QTest::addColumn<int>("vk");
        QTest::addColumn<int>("key");
        QTest::newRow("Q") << 0x51 << int(Qt::Key_Q);
        QTest::newRow("A") << 0x41 << int(Qt::Key_A);
        QTest::newRow("Z") << 0x5A << int(Qt::Key_Z);
        QTest::newRow("0") << 0x30 << int(Qt::Key_0);
        QTest::newRow("numpad 7") << 0x67 << int(Qt::Key_7);
        QTest::newRow("F1") << 0x70 << int(Qt::Key_F1);
        QTest::newRow("F12") << 0x7B << int(Qt::Key_F12);
        QTest::newRow("F24") << 0x87 << int(Qt::Key_F24);
        QTest::newRow("Backspace") << 0x08 << int(Qt::Key_Backspace);
        QTest::newRow("Return") << 0x0D << int(Qt::Key_Return);
        QTest::newRow("Escape") << 0x1B << int(Qt::Key_Escape);
        QTest::newRow("Space") << 0x20 << int(Qt::Key_Space);
        QTest::newRow("PageDown") << 0x22 << int(Qt::Key_PageDown);
        QTest::newRow("Left") << 0x25 << int(Qt::Key_Left);
        QTest::newRow("Delete") << 0x2E << int(Qt::Key_Delete);
        QTest::newRow("Snapshot") << 0x2C << int(Qt::Key_Print);
        QTest::newRow("left Ctrl") << 0xA2 << int(Qt::Key_Control);
        QTest::newRow("right Alt") << 0xA5 << int(Qt::Key_Alt);
        QTest::newRow("OEM minus") << 0xBD << int(Qt::Key_Minus);
        QTest::newRow("OEM 4") << 0xDB << int(Qt::Key_BracketLeft);
        QTest::newRow("none") << 0x00 << 0;
        QTest::newRow("undefined 0x07") << 0x07 << 0;
        QTest::newRow("reserved 0xFF") << 0xFF << 0;
        QTest::newRow("out of range") << 0x1234 << 0;
    }

    void virtualKeyToQtKey()
    {
        QFETCH(int, vk);
        QFETCH(int, key);
        QCOMPARE(::virtualKeyToQtKey(vk), key);
    }

    // "/", "-", "." and "," are on both keyboards: a shortcut is the main keyboard's unless it
    // was recorded on the number pad.
    void symbolKeysAreTheMainKeyboardsUnlessTheNumberPadWasRecorded()
    {
        QCOMPARE(qtKeyToVirtualKey(Qt::Key_Slash), 0xBF);
        QCOMPARE(qtKeyToVirtualKey(Qt::Key_Minus), 0xBD);
        QCOMPARE(qtKeyToVirtualKey(Qt::Key_Period), 0xBE);
        QCOMPARE(qtKeyToVirtualKey(Qt::Key_Comma), 0xBC);
        QCOMPARE(qtKeyToVirtualKey(Qt::Key_7), 0x37);
        QCOMPARE(qtKeyToVirtualKey(Qt::Key_Slash, true), 0x6F);
        QCOMPARE(qtKeyToVirtualKey(Qt::Key_Minus, true), 0x6D);
        QCOMPARE(qtKeyToVirtualKey(Qt::Key_7, true), 0x67);
        QCOMPARE(qtKeyToVirtualKey(Qt::Key_Q, true), 0x51); // not on the pad: the main key
        QCOMPARE(qtKeyToVirtualKey(Qt::Key_Asterisk), 0x6A); // only the pad has it as a key
    }

    void withoutDisplayKeysAreRefusedCleanly()
    {
        LinuxOsHelper helper;
        int calls = 0;
        QVERIFY(!helper.addKeyboardHook(QStringLiteral("a"), [&calls](int, int, int) { ++calls; }));
        QVERIFY(!helper.addKeyboardHook(QStringLiteral("a"), [&calls](int, int, int) { ++calls; }));
        helper.removeKeyboardHook(QStringLiteral("a"));

        X11KeyboardListener listener;
        QVERIFY(!listener.start());
        QVERIFY(!listener.isRunning());

        X11KeySender sender;
        QCOMPARE(sender.send(IKeySender::chord(0x11, 0x56)), 0);
        QCOMPARE(sender.send(IKeySender::taps(0x08, 2)), 0);
        QCOMPARE(calls, 0);
    }

    void withoutBusThereIsNoCaret()
    {
        QVERIFY(!AtspiCaretLocator::busAvailable());
        AtspiCaretLocator locator;
        QElapsedTimer t;
        t.start();
        QVERIFY(!locator.caretPosition());
        QVERIFY(!locator.caretPosition());
        QVERIFY(t.elapsed() < 250);
    }

    void deviceMonitorStartsOrSaysWhy()
    {
        HidrawMonitor monitor;
        const bool started = monitor.start();
        QCOMPARE(monitor.isRunning(), started);
        QVERIFY(monitor.start() == started); // a second start changes nothing
    }

    void recordingSenderStandsInWhileAlive()
    {
        IKeySender *before = IKeySender::instance();
        {
            RecordingKeySender recorder;
            QCOMPARE(IKeySender::instance(), &recorder);
            QCOMPARE(IKeySender::instance()->send(IKeySender::taps(0x08, 2)), 4);
            recorder.setSentLimit(1);
            QCOMPARE(IKeySender::instance()->send(IKeySender::chord(0x11, 0x56)), 1);
            QCOMPARE(recorder.batches().size(), 2);
            const QVector<KeyRecord> paste{{0x11, false}, {0x56, false}, {0x56, true}, {0x11, true}};
            QCOMPARE(recorder.batches().at(1), paste);
            const QVector<KeyRecord> erase{{0x08, false}, {0x08, true}, {0x08, false}, {0x08, true}};
            QCOMPARE(recorder.batches().at(0), erase);
        }
        QCOMPARE(IKeySender::instance(), before);
        QVERIFY(IKeySender::taps(0x08, 0).isEmpty());
    }
};

QTEST_MAIN(tst_LinuxOsHelper)
#include "tst_LinuxOsHelper.moc"
