#include "platform/SingleInstanceGuard.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSocketNotifier>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cstdio>
#include <unistd.h>

namespace {

// The second program start: this executable run with "--guard-child <key> <dir>". Prints
// "primary" or "refused"; a primary stays until its standard input closes.
int runGuardChild(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    SingleInstanceGuard guard(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (!guard.tryAcquire()) {
        std::fputs("refused\n", stdout);
        std::fflush(stdout);
        return 1;
    }
    std::fputs("primary\n", stdout);
    std::fflush(stdout);
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buf[64];
        if (::read(STDIN_FILENO, buf, sizeof buf) <= 0)
            app.quit();
    });
    QTimer::singleShot(30000, &app, &QCoreApplication::quit);
    return app.exec();
}

} // namespace

// One program per user: a second start is refused, a crashed start's lock is taken over and
// a released lock lets a restart in.
class tst_SingleInstanceGuard : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_key;
    int m_count = 0;

    void startChild(QProcess &child)
    {
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--guard-child"), m_key, m_dir.path()});
        QVERIFY(child.waitForStarted());
    }

    static QByteArray firstLine(QProcess &child)
    {
        QElapsedTimer t;
        t.start();
        while (!child.canReadLine() && t.elapsed() < 10000) {
            if (!child.waitForReadyRead(100) && child.state() == QProcess::NotRunning)
                break;
        }
        return child.readLine().trimmed();
    }

private slots:
    void initTestCase() { qRegisterMetaType<QProcess::ExitStatus>(); }

    void init()
    {
        QVERIFY(m_dir.isValid());
        m_key = QStringLiteral("vbtest-%1-%2").arg(QCoreApplication::applicationPid()).arg(++m_count);
    }

    void secondProcessIsRefusedAndFirstIsTold()
    {
        SingleInstanceGuard guard(m_key, m_dir.path());
        QVERIFY(guard.tryAcquire());
        QVERIFY(guard.isPrimary());
        QSignalSpy told(&guard, &SingleInstanceGuard::anotherInstanceStarted);

        QProcess child;
        QSignalSpy finished(&child, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished));
        startChild(child);
        QVERIFY(finished.wait(10000));
        QCOMPARE(child.exitCode(), 1);
        QCOMPARE(child.readAllStandardOutput().trimmed(), QByteArray("refused"));
        QTRY_COMPARE(told.count(), 1);
        QVERIFY(guard.isPrimary());
    }

    void lockOfAKilledRunIsTakenOver()
    {
        QProcess child;
        startChild(child);
        QCOMPARE(firstLine(child), QByteArray("primary"));

        SingleInstanceGuard guard(m_key, m_dir.path());
        QVERIFY(!guard.tryAcquire());
        QVERIFY(!guard.isPrimary());

        child.kill();
        QVERIFY(child.waitForFinished());
        QVERIFY(QFile::exists(guard.lockPath())); // left behind by the crash
        QVERIFY(guard.tryAcquire());
    }

    void lockFileOfADeadProcessIsTakenOver()
    {
        QProcess gone;
        qint64 pid = 0;
        connect(&gone, &QProcess::started, this, [&] { pid = gone.processId(); });
        gone.start(QStringLiteral("true"), QStringList());
        QVERIFY(gone.waitForFinished());
        QVERIFY(pid > 0);

        SingleInstanceGuard guard(m_key, m_dir.path());
        QFile lock(guard.lockPath());
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QStringLiteral("%1\n%2\n%3\n")
                       .arg(pid)
                       .arg(QCoreApplication::applicationName(), QSysInfo::machineHostName())
                       .toUtf8());
        lock.close();

        QVERIFY(guard.tryAcquire());
        QVERIFY(guard.isPrimary());
    }

    void copiesWithOtherProgramFoldersRunSideBySide()
    {
        QTemporaryDir first;
        QTemporaryDir second;
        const QString firstKey = SingleInstanceGuard::keyFor(first.path());
        QCOMPARE(SingleInstanceGuard::keyFor(first.path() + QStringLiteral("/")), firstKey);
        QVERIFY(SingleInstanceGuard::keyFor(second.path()) != firstKey);

        SingleInstanceGuard guard(SingleInstanceGuard::keyFor(second.path()), m_dir.path());
        QVERIFY(guard.tryAcquire());
        QProcess other;
        other.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--guard-child"), firstKey, m_dir.path()});
        QVERIFY(other.waitForStarted());
        QCOMPARE(firstLine(other), QByteArray("primary"));
        // The same folder again is refused.
        QProcess same;
        same.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--guard-child"), firstKey, m_dir.path()});
        QVERIFY(same.waitForStarted());
        QCOMPARE(firstLine(same), QByteArray("refused"));
        other.closeWriteChannel();
        QVERIFY(other.waitForFinished(10000));
    }

    void releaseLetsARestartTakeIt()
    {
        SingleInstanceGuard guard(m_key, m_dir.path());
        QVERIFY(guard.tryAcquire());
        guard.release();
        QVERIFY(!guard.isPrimary());
        QVERIFY(!QFile::exists(guard.lockPath()));

        QProcess child;
        startChild(child);
        QCOMPARE(firstLine(child), QByteArray("primary"));
        child.closeWriteChannel();
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitCode(), 0);
        // The restart ended in order and gave the lock back.
        QVERIFY(guard.tryAcquire());
    }
};

int main(int argc, char **argv)
{
    if (argc >= 4 && qstrcmp(argv[1], "--guard-child") == 0)
        return runGuardChild(argc, argv);
    QCoreApplication app(argc, argv);
    tst_SingleInstanceGuard test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_SingleInstanceGuard.moc"
