#include "platform/SingleInstanceGuard.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocalSocket>
#include <QProcess>
#include <QSocketNotifier>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <sys/stat.h>
#include <vector>
#include <unistd.h>

namespace {

// The second program start: this executable run with "--guard-child <key> <dir>" ("-": the
// program's own folder). Prints "primary" or "refused"; a primary stays until its standard input
// closes.
int runGuardChild(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString dir = QString::fromLocal8Bit(argv[3]);
    SingleInstanceGuard guard(QString::fromLocal8Bit(argv[2]), dir == QLatin1String("-") ? QString() : dir);
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

    void theLockLivesOnlyInAFolderOfTheUsersOwn()
    {
        // A link planted where the lock goes is not followed.
        QFile notes(m_dir.filePath("notes.txt"));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write("my notes");
        notes.close();
        {
            SingleInstanceGuard guard(m_key, m_dir.path());
            QVERIFY(QFile::link(notes.fileName(), guard.lockPath()));
            QVERIFY(guard.tryAcquire());
            QVERIFY(!QFileInfo(guard.lockPath()).isSymLink());
        }
        QVERIFY(notes.open(QIODevice::ReadOnly));
        QCOMPARE(notes.readAll(), QByteArray("my notes"));

        // A folder others may enter is refused, and says so.
        QTemporaryDir open;
        QVERIFY(QFile::setPermissions(open.path(), QFile::permissions(open.path()) | QFile::ReadOther | QFile::ExeOther));
        SingleInstanceGuard shared(m_key, open.path());
        QVERIFY(!shared.tryAcquire());
        QCOMPARE(shared.folderFault(), SingleInstanceGuard::FolderFault::NotPrivate);
        QCOMPARE(shared.folder(), open.path());
        QVERIFY(!QFile::exists(shared.lockPath()));

        // A folder that cannot be made says so, and names it.
        SingleInstanceGuard unmade(m_key, notes.fileName() + "/lock");
        QVERIFY(!unmade.tryAcquire());
        QCOMPARE(unmade.folderFault(), SingleInstanceGuard::FolderFault::CannotMake);
        QCOMPARE(unmade.folder(), notes.fileName() + "/lock");
        QVERIFY(!unmade.failure().isEmpty());
    }

    void oneCopyRunsPerProgramFolderWhateverTheEnvironment()
    {
        // A start from the desktop, then one from su, ssh or cron: no runtime folder, another
        // cache, another home variable. Then the first start's caches are emptied.
        QTemporaryDir runtime, cacheA, cacheB, home;
        QVERIFY(QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QProcessEnvironment desktop = QProcessEnvironment::systemEnvironment();
        desktop.insert("XDG_RUNTIME_DIR", runtime.path());
        desktop.insert("XDG_CACHE_HOME", cacheA.path());
        QProcessEnvironment terminal = QProcessEnvironment::systemEnvironment();
        terminal.remove("XDG_RUNTIME_DIR");
        terminal.insert("XDG_CACHE_HOME", cacheB.path());
        terminal.insert("HOME", home.path());
        const auto start = [this](QProcess &child, const QProcessEnvironment &env) {
            child.setProcessEnvironment(env);
            child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--guard-child"), m_key, QStringLiteral("-")});
            QVERIFY(child.waitForStarted());
        };

        QProcess first;
        start(first, desktop);
        QCOMPARE(firstLine(first), QByteArray("primary"));
        QProcess second;
        start(second, terminal);
        QCOMPARE(firstLine(second), QByteArray("refused"));
        QVERIFY(QDir(cacheA.path()).removeRecursively() && QDir(runtime.path()).removeRecursively());
        QProcess third;
        start(third, desktop);
        QCOMPARE(firstLine(third), QByteArray("refused"));

        // The lock went with the first copy: the next start from anywhere runs.
        first.closeWriteChannel();
        QVERIFY(first.waitForFinished(10000));
        QProcess next;
        start(next, terminal);
        QCOMPARE(firstLine(next), QByteArray("primary"));
        next.closeWriteChannel();
        QVERIFY(next.waitForFinished(10000));
        QVERIFY(!QFile::exists(SingleInstanceGuard(m_key).lockPath()));
    }

    void aWakeUpConnectionIsClosedAtOnceAndKeepsNothing()
    {
        SingleInstanceGuard guard(m_key, m_dir.path());
        QVERIFY(guard.tryAcquire());
        QSignalSpy told(&guard, &SingleInstanceGuard::anotherInstanceStarted);
        // One client keeps sending; many others only hold their connection.
        QLocalSocket flood;
        flood.connectToServer(guard.serverPath());
        QVERIFY(flood.waitForConnected(2000));
        flood.write(QByteArray(4 * 1024 * 1024, 'x'));
        std::vector<std::unique_ptr<QLocalSocket>> held;
        for (int i = 0; i < 100; ++i) {
            held.push_back(std::make_unique<QLocalSocket>());
            held.back()->connectToServer(guard.serverPath());
            QVERIFY(held.back()->waitForConnected(2000));
            QCoreApplication::processEvents(); // the server takes them as they come
        }
        const auto allClosed = [&] {
            return flood.state() == QLocalSocket::UnconnectedState
                && std::all_of(held.begin(), held.end(),
                               [](const auto &c) { return c->state() == QLocalSocket::UnconnectedState; });
        };
        QTRY_VERIFY_WITH_TIMEOUT(allClosed(), 5000);
        QVERIFY(told.count() >= 1);
        QTRY_VERIFY(guard.findChildren<QLocalSocket *>().isEmpty());
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
