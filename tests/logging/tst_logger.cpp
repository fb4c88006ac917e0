#include "logging/QsLog.h"
#include "support/FullDisk.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace QsLogging;

namespace {

// Another process writing to the same log, as a refused second start of the program does: this
// executable run with "--log-writer <log> <word> <count>" logs "<word> <i>" count times.
int runLogWriter(char **argv)
{
    Logger::instance().setConsoleEnabled(false);
    Logger::instance().setLoggingLevel(InfoLevel);
    Logger::instance().setFileDestination(QFile::decodeName(argv[2]), 100 * 1024 * 1024, 1);
    for (int i = 0, count = std::atoi(argv[4]); i < count; ++i)
        QLOG_INFO() << argv[3] << i;
    Logger::instance().setFileDestination(QString(), 0, 0);
    return 0;
}

} // namespace

class TestLogger : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString logPath() const { return m_dir.path() + "/log/log.txt"; }
    QStringList lines(const QString &path) const
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
    }

private slots:
    void init()
    {
        QDir(m_dir.path() + "/log").removeRecursively();
        Logger::instance().setConsoleEnabled(false);
        Logger::instance().setLoggingLevel(TraceLevel);
    }

    void cleanupTestCase() { Logger::instance().setFileDestination(QString(), 0, 0); }

    void lineHasLevelTimeAndSourceLocation()
    {
        Logger::instance().setFileDestination(logPath(), 1024 * 1024, 5);
        const int line = __LINE__ + 1;
        QLOG_INFO() << "设备" << 42;
        const QStringList got = lines(logPath());
        QCOMPARE(got.size(), 1);
        const QRegularExpression re(QStringLiteral(
            "^INFO  \\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\.\\d{3} \\S*tst_logger\\.cpp@%1 设备 42$").arg(line));
        QVERIFY2(re.match(got[0]).hasMatch(), qPrintable(got[0]));
    }

    void lineBreaksInAMessageCannotForgeLines()
    {
        Logger::instance().setFileDestination(logPath(), 1024 * 1024, 5);
        const QString server = QStringLiteral("bad\nERROR 2026-01-01T00:00:00.000 forged\r\nmore\u2028end");
        QLOG_WARN() << "server said:" << server;
        const QStringList got = lines(logPath());
        QCOMPARE(got.size(), 1);
        QVERIFY2(got[0].endsWith(QStringLiteral("server said: bad\\nERROR 2026-01-01T00:00:00.000 forged\\r\\nmore\\u2028end")),
                 qPrintable(got[0]));
    }

    void levelsBelowTheConfiguredOneAreDropped()
    {
        Logger::instance().setFileDestination(logPath(), 1024 * 1024, 5);
        Logger::instance().setLoggingLevel(ErrorLevel);
        int evaluated = 0;
        QLOG_WARN() << "hidden" << ++evaluated; // not even evaluated
        QLOG_ERROR() << "shown";
        QLOG_FATAL() << "also shown";
        QCOMPARE(evaluated, 0);
        const QStringList got = lines(logPath());
        QCOMPARE(got.size(), 2);
        QVERIFY(got[0].startsWith("ERROR"));
        QVERIFY(got[1].startsWith("FATAL"));
        Logger::instance().setLoggingLevel(OffLevel);
        QLOG_FATAL() << "off";
        QCOMPARE(lines(logPath()).size(), 2);
    }

    void levelFromInt_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("level");
        QTest::newRow("trace") << 0 << int(TraceLevel);
        QTest::newRow("error") << 4 << int(ErrorLevel);
        QTest::newRow("off") << 6 << int(OffLevel);
        QTest::newRow("too high") << 9 << int(InfoLevel);
        QTest::newRow("negative") << -1 << int(InfoLevel);
    }

    void levelFromInt()
    {
        QFETCH(int, value);
        QFETCH(int, level);
        QCOMPARE(int(Logger::levelFromInt(value)), level);
    }

    void rotationKeepsTheConfiguredNumberOfBackups()
    {
        Logger::instance().setFileDestination(logPath(), 1000, 3);
        const QString payload(200, QLatin1Char('x'));
        for (int i = 0; i < 60; ++i)
            QLOG_INFO() << i << payload;
        const QDir dir(m_dir.path() + "/log");
        QStringList files = dir.entryList(QDir::Files, QDir::Name);
        QCOMPARE(files, QStringList({"log.txt", "log.txt.1", "log.txt.2", "log.txt.3"}));
        for (const QString &f : files)
            QVERIFY(QFileInfo(dir.filePath(f)).size() <= 1000);
        // The newest line is in log.txt, older ones in order in the backups.
        QVERIFY(lines(dir.filePath("log.txt")).last().contains(" 59 "));
        const QString newestBackup = lines(dir.filePath("log.txt.1")).last();
        const QString olderBackup = lines(dir.filePath("log.txt.2")).last();
        const int a = newestBackup.section('@', 1).section(' ', 1, 1).toInt();
        const int b = olderBackup.section('@', 1).section(' ', 1, 1).toInt();
        QVERIFY2(a > b, qPrintable(newestBackup + " / " + olderBackup));
    }

    void theLogIsReadableByItsOwnerOnly()
    {
        QDir().mkpath(m_dir.path() + "/log");
        QFile::setPermissions(m_dir.path() + "/log", QFile::Permissions(0x7755));
        QFile earlier(logPath() + ".1"); // left readable by an earlier run
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.close();
        QVERIFY(QFile::setPermissions(earlier.fileName(), QFile::Permissions(0x6644)));
        Logger::instance().setFileDestination(logPath(), 1000, 3);
        const QString payload(200, QLatin1Char('x'));
        for (int i = 0; i < 10; ++i)
            QLOG_INFO() << payload; // rotated at least once
        const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
            | QFile::WriteOther | QFile::ExeOther;
        QCOMPARE(QFile::permissions(m_dir.path() + "/log") & others, QFile::Permissions());
        const QDir dir(m_dir.path() + "/log");
        const QStringList files = dir.entryList(QDir::Files);
        QVERIFY(files.size() >= 2);
        for (const QString &f : files)
            QVERIFY2((QFile::permissions(dir.filePath(f)) & others) == QFile::Permissions(), qPrintable(f));
    }

    void aDiskThatStaysFullKeepsTheHistory()
    {
        const QString folder = m_dir.path() + "/log";
        QVERIFY(QDir().mkpath(folder));
        FullDisk disk(folder);
        Logger::instance().setFileDestination(logPath(), 1000, 3);
        const QString payload(200, QLatin1Char('x'));
        const auto history = [&](const QStringList &names) {
            QStringList all;
            for (const QString &name : names)
                all += lines(folder + '/' + name).filter(" before ");
            return all;
        };
        for (int i = 0; i < 20; ++i)
            QLOG_INFO() << "before" << i << payload;
        // The oldest backup may go with the one rotation due before a line is found unwritable.
        const QStringList before = history({"log.txt", "log.txt.1", "log.txt.2"});
        QVERIFY(before.size() >= 6);
        // Kept full: what a rotation deletes frees no room (another link holds it).
        for (const QString &name : QDir(folder).entryList({"log.txt*"}, QDir::Files))
            QVERIFY(::link(QFile::encodeName(folder + '/' + name), QFile::encodeName(folder + "/held-" + name)) == 0);

        disk.fill();
        for (int i = 0; i < 100; ++i)
            QLOG_INFO() << "during" << i << payload;
        const QStringList after = history(QDir(folder).entryList({"log.txt*"}, QDir::Files));
        for (const QString &line : before)
            QVERIFY2(after.contains(line), qPrintable(line));

        disk.free();
        QLOG_INFO() << "after";
        QVERIFY(lines(logPath()).last().contains("after"));
        Logger::instance().setFileDestination(QString(), 0, 0);
    }

    void aLineCutByAFullDiskDoesNotRunIntoTheNext()
    {
        const QString folder = m_dir.path() + "/log";
        QVERIFY(QDir().mkpath(folder));
        FullDisk disk(folder);
        if (!disk.isTmpfs())
            QSKIP("only a small real file system takes part of a line");
        Logger::instance().setFileDestination(logPath(), 100 * 1024 * 1024, 1);
        // Longer than a page: the room left in the log's last page takes part of it.
        const QString payload(6000, QLatin1Char('p'));
        for (int round = 0; round < 5; ++round) {
            QLOG_INFO() << "room" << round;
            disk.fill();
            QLOG_INFO() << "full" << round << payload;
            disk.free();
            QLOG_INFO() << "resumed" << round;
        }
        Logger::instance().setFileDestination(QString(), 0, 0);
        // Each line whole, or not there at all.
        const QStringList got = lines(logPath());
        static const QRegularExpression whole(QStringLiteral("^INFO  \\S+ \\S+ (room \\d|full \\d p{6000}|resumed \\d)$"));
        for (const QString &line : got)
            QVERIFY2(whole.match(line).hasMatch(), qPrintable(line.left(100) + QStringLiteral(" … ") + line.right(100)));
        QCOMPARE(got.filter(QStringLiteral(" resumed ")).size(), 5);
        QCOMPARE(got.filter(QStringLiteral(" room ")).size(), 5);
    }

    void aLineCutByAFullDiskTakesNothingAnotherWriterWroteWithIt()
    {
        const QString folder = m_dir.path() + "/log";
        QVERIFY(QDir().mkpath(folder));
        FullDisk disk(folder);
        if (!disk.isTmpfs())
            QSKIP("only a small real file system takes part of a line");
        const auto otherWriter = [this](const QString &word, int count) {
            QProcess writer;
            writer.start(QCoreApplication::applicationFilePath(),
                         {QStringLiteral("--log-writer"), logPath(), word, QString::number(count)});
            return writer.waitForFinished(30000) && writer.exitStatus() == QProcess::NormalExit && writer.exitCode() == 0;
        };
        const auto contents = [this] {
            QFile f(logPath());
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        Logger::instance().setFileDestination(logPath(), 100 * 1024 * 1024, 1);
        // Longer than a page: the room left in the log's last page takes part of it.
        const QString payload(6000, QLatin1Char('p'));
        QStringList expected;
        for (int round = 0; round < 3; ++round) {
            QLOG_INFO() << "own" << round << 0;
            QVERIFY(otherWriter(QStringLiteral("other-%1").arg(round), 3));
            for (int i = 1; i <= 5; ++i)
                QLOG_INFO() << "own" << round << i;
            disk.fill();
            QLOG_INFO() << "cut" << round << payload;
            disk.free();
            QVERIFY(otherWriter(QStringLiteral("after-%1").arg(round), 2));
            QLOG_INFO() << "resumed" << round;
            for (int i = 0; i <= 5; ++i)
                expected << QStringLiteral("own %1 %2").arg(round).arg(i);
            for (int i = 0; i < 3; ++i)
                expected << QStringLiteral("other-%1 %2").arg(round).arg(i);
            for (int i = 0; i < 2; ++i)
                expected << QStringLiteral("after-%1 %2").arg(round).arg(i);
            expected << QStringLiteral("resumed %1").arg(round);
        }
        // Each line whole, or not there at all; every line written is there once.
        QVERIFY(!contents().contains('\0'));
        const QStringList got = lines(logPath());
        static const QRegularExpression whole(QStringLiteral(
            "^INFO  \\S+ \\S+ (own \\d \\d|other-\\d \\d|after-\\d \\d|cut \\d p{6000}|resumed \\d)$"));
        for (const QString &line : got)
            QVERIFY2(whole.match(line).hasMatch(), qPrintable(line.left(100) + QStringLiteral(" … ") + line.right(100)));
        for (const QString &line : expected)
            QVERIFY2(got.filter(QRegularExpression(QStringLiteral(" %1$").arg(line))).size() == 1, qPrintable(line));

        // Emptied from outside (a copy-and-truncate rotation): a cut line goes without growing the log.
        for (int i = 0; i < 10; ++i)
            QLOG_INFO() << "own" << 9 << i;
        QVERIFY(QFile::resize(logPath(), 0));
        QLOG_INFO() << "emptied";
        const QByteArray emptied = contents();
        QVERIFY(emptied.endsWith(" emptied\n"));
        disk.fill();
        QLOG_INFO() << "cut" << 9 << payload;
        disk.free();
        QCOMPARE(contents(), emptied);

        // Another writer that holds on to the log's lock does not stop this one.
        const int held = ::open(QFile::encodeName(logPath()).constData(), O_RDONLY | O_CLOEXEC);
        QVERIFY(held >= 0);
        QVERIFY(::flock(held, LOCK_EX | LOCK_NB) == 0);
        QElapsedTimer timer;
        timer.start();
        QLOG_INFO() << "resumed" << 9;
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
        ::close(held);
        Logger::instance().setFileDestination(QString(), 0, 0);
        QCOMPARE(lines(logPath()).size(), 2);
        QVERIFY(lines(logPath()).last().endsWith(" resumed 9"));
    }

    void unwritableLogDoesNotStopTheProgram()
    {
        QFile blocker(m_dir.path() + "/blocked");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        Logger::instance().setFileDestination(m_dir.path() + "/blocked/log.txt", 1000, 3);
        QLOG_ERROR() << "nowhere to go";
        QVERIFY(true);
    }

    void loggingFromThreadsKeepsLinesWhole()
    {
        Logger::instance().setFileDestination(logPath(), 10 * 1024 * 1024, 1);
        QVector<QThread *> threads;
        for (int t = 0; t < 4; ++t) {
            threads << QThread::create([t] {
                for (int i = 0; i < 200; ++i)
                    QLOG_DEBUG() << "thread" << t << "line" << i;
            });
            threads.last()->start();
        }
        for (QThread *t : threads) {
            t->wait();
            delete t;
        }
        const QStringList got = lines(logPath());
        QCOMPARE(got.size(), 800);
        for (const QString &l : got)
            QVERIFY2(l.startsWith("DEBUG") && l.contains(" line "), qPrintable(l));
    }
};

int main(int argc, char **argv)
{
    if (argc >= 5 && qstrcmp(argv[1], "--log-writer") == 0)
        return runLogWriter(argv);
    QCoreApplication app(argc, argv);
    TestLogger test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_logger.moc"
