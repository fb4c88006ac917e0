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
#include <cerrno>
#include <cstring>
#include <pwd.h>
#include <cstdio>
#include <memory>
#include <sys/stat.h>
#include <vector>
#include <unistd.h>

namespace {

// The second program start: this executable run with "--guard-child <key> <program folder>".
// Prints "primary", "refused" or "failed: <reason>"; a primary prints "woken" each time a later
// start wakes it, and stays until its standard input closes.
int runGuardChild(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    SingleInstanceGuard guard(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (!guard.tryAcquire()) {
        const QByteArray line = guard.failure().isEmpty() ? QByteArray("refused") : "failed: " + guard.failure().toLocal8Bit();
        std::fputs(line.constData(), stdout);
        std::fputs("\n", stdout);
        std::fflush(stdout);
        return 1;
    }
    std::fputs("primary\n", stdout);
    std::fflush(stdout);
    QObject::connect(&guard, &SingleInstanceGuard::anotherInstanceStarted, &app, [] {
        std::fputs("woken\n", stdout);
        std::fflush(stdout);
    });
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buf[64];
        if (::read(STDIN_FILENO, buf, sizeof buf) <= 0)
            app.quit();
    });
    QTimer::singleShot(30000, &app, &QCoreApplication::quit);
    return app.exec();
}

// Runs a command and says whether it ended well.
bool run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// A path below base that is at least length characters long.
QString longPath(const QString &base, const QString &leaf, int length)
{
    QString path = base;
    while (path.size() + leaf.size() + 1 < length)
        path += QStringLiteral("/a-folder-with-a-rather-long-name");
    return path + QLatin1Char('/') + leaf;
}

// An account of its own for the span of a test (root only), removed with its socket folder.
class TestAccount
{
public:
    explicit TestAccount(const QString &prefix)
        : m_name(prefix + QString::number(QCoreApplication::applicationPid() % 100000))
    {
        run(QStringLiteral("userdel"), {m_name}); // left by an earlier run that was killed
        if (!run(QStringLiteral("useradd"), {"-M", "-U", "-d", "/nonexistent", "-s", "/usr/sbin/nologin", m_name}))
            return;
        if (const struct passwd *entry = ::getpwnam(m_name.toLocal8Bit().constData())) {
            uid = entry->pw_uid;
            gid = entry->pw_gid;
            m_made = true;
            // A folder of this uid's left by an account removed earlier is no copy's of ours.
            QDir(socketFolder()).removeRecursively();
        }
    }
    ~TestAccount()
    {
        if (m_made)
            QDir(socketFolder()).removeRecursively();
        run(QStringLiteral("userdel"), {m_name});
    }
    bool isValid() const { return m_made; }
    QString socketFolder() const { return QStringLiteral("/tmp/vellobox-%1").arg(uid); }
    // Starts "--guard-child vellobox <folder>" as this account, without a runtime folder.
    void start(QProcess &child, const QString &folder) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("XDG_RUNTIME_DIR");
        env.insert("HOME", folder);
        env.insert("USER", m_name);
        child.setProcessEnvironment(env);
        child.start(QStringLiteral("setpriv"),
                    {QStringLiteral("--reuid=%1").arg(uid), QStringLiteral("--regid=%1").arg(gid), "--clear-groups",
                     QCoreApplication::applicationFilePath(), "--guard-child", "vellobox", folder});
    }

    uid_t uid = 0;
    gid_t gid = 0;

private:
    QString m_name;
    bool m_made = false;
};

// Folders /tmp/vellobox-* that belong to uid.
QStringList socketFoldersOf(uid_t uid)
{
    QStringList found;
    const QDir tmp(QStringLiteral("/tmp"));
    for (const QString &name : tmp.entryList({QStringLiteral("vellobox-*")}, QDir::Dirs | QDir::Hidden | QDir::System)) {
        struct stat info;
        if (::lstat(QFile::encodeName(tmp.filePath(name)).constData(), &info) == 0 && info.st_uid == uid)
            found << tmp.filePath(name);
    }
    return found;
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
        SingleInstanceGuard guard(m_key, second.path());
        QVERIFY(guard.tryAcquire());
        QProcess other;
        other.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--guard-child"), m_key, first.path()});
        QVERIFY(other.waitForStarted());
        QCOMPARE(firstLine(other), QByteArray("primary"));
        // The same folder again, even reached through a link, is refused.
        const QString link = m_dir.filePath(QStringLiteral("link-%1").arg(m_count));
        QVERIFY(QFile::link(first.path(), link));
        QProcess same;
        same.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--guard-child"), m_key, link});
        QVERIFY(same.waitForStarted());
        QCOMPARE(firstLine(same), QByteArray("refused"));
        QCOMPARE(firstLine(other), QByteArray("woken"));
        other.closeWriteChannel();
        QVERIFY(other.waitForFinished(10000));
    }

    void theLockIsNeitherALinkNorAnotherUsersFile()
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
        notes.close();

        // A file of another user, open to all, is not taken: that user could hold the lock.
        if (::geteuid() == 0) {
            SingleInstanceGuard guard(m_key, m_dir.path());
            QFile planted(guard.lockPath());
            QVERIFY(planted.open(QIODevice::WriteOnly));
            planted.close();
            QVERIFY(::chmod(QFile::encodeName(guard.lockPath()).constData(), 0666) == 0);
            QVERIFY(::chown(QFile::encodeName(guard.lockPath()).constData(), 65534, 65534) == 0);
            QVERIFY(guard.tryAcquire());
            struct stat info;
            QVERIFY(::stat(QFile::encodeName(guard.lockPath()).constData(), &info) == 0);
            QCOMPARE(info.st_uid, ::geteuid());
            QCOMPARE(info.st_mode & 0777, mode_t(0600));
        }

        // A folder that cannot be made says so, and names it.
        SingleInstanceGuard unmade(m_key, notes.fileName() + "/program");
        QVERIFY(!unmade.tryAcquire());
        QCOMPARE(unmade.folderFault(), SingleInstanceGuard::FolderFault::CannotMake);
        QCOMPARE(unmade.folder(), notes.fileName() + "/program");
        QCOMPARE(unmade.failure(), QString::fromLocal8Bit(std::strerror(ENOTDIR)));
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
            child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--guard-child"), m_key, m_dir.path()});
            QVERIFY(child.waitForStarted());
        };

        QProcess first;
        start(first, desktop);
        QCOMPARE(firstLine(first), QByteArray("primary"));
        QProcess second;
        start(second, terminal);
        QCOMPARE(firstLine(second), QByteArray("refused"));
        QCOMPARE(firstLine(first), QByteArray("woken"));
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
        QVERIFY(!QFile::exists(SingleInstanceGuard(m_key, m_dir.path()).lockPath()));
    }

    void aSecondNameOfTheUsersFileWhereTheLockGoesLeavesThatFileAlone()
    {
        if (::geteuid() != 0)
            QSKIP("making an account needs root");
        const TestAccount account(QStringLiteral("vbnlink"));
        QVERIFY(account.isValid());
        QTemporaryDir base;
        QVERIFY(QFile::setPermissions(base.path(), QFile::permissions(base.path()) | QFile::ExeOther | QFile::ReadOther));
        // A program folder others may write to, and a file of the user's elsewhere.
        const QString program = base.filePath(QStringLiteral("program"));
        const QString notes = base.filePath(QStringLiteral("notes.txt"));
        QVERIFY(QDir().mkpath(program));
        QVERIFY(::chmod(QFile::encodeName(program).constData(), 0777) == 0);
        QFile file(notes);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("my notes\n");
        file.close();
        QVERIFY(::chown(QFile::encodeName(notes).constData(), account.uid, account.gid) == 0);
        const QString lock = program + QStringLiteral("/vellobox-%1.lock").arg(account.uid);
        QVERIFY(::link(QFile::encodeName(notes).constData(), QFile::encodeName(lock).constData()) == 0);

        QProcess first;
        account.start(first, program);
        QVERIFY(first.waitForStarted());
        QCOMPARE(firstLine(first), QByteArray("primary"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("my notes\n"));
        file.close();
        struct stat user, held;
        QVERIFY(::stat(QFile::encodeName(notes).constData(), &user) == 0);
        QVERIFY(::stat(QFile::encodeName(lock).constData(), &held) == 0);
        QCOMPARE(user.st_nlink, nlink_t(1));
        QVERIFY(held.st_ino != user.st_ino);
        QCOMPARE(held.st_nlink, nlink_t(1));
        QCOMPARE(held.st_uid, account.uid);

        // The lock made anew keeps to one copy.
        QProcess second;
        account.start(second, program);
        QVERIFY(second.waitForStarted());
        QCOMPARE(firstLine(second), QByteArray("refused"));
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(firstLine(first), QByteArray("woken"));
        first.closeWriteChannel();
        QVERIFY(first.waitForFinished(10000));
        QCOMPARE(first.exitCode(), 0);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("my notes\n"));
    }

    void copiesWhoseSocketFolderIsTakenLeaveNoFolderBehind()
    {
        if (::geteuid() != 0)
            QSKIP("making an account needs root");
        const TestAccount account(QStringLiteral("vbsquat"));
        QVERIFY(account.isValid());
        // Another user has made the folder for this user's sockets first.
        const QByteArray squatted = QFile::encodeName(account.socketFolder());
        QVERIFY(::mkdir(squatted.constData(), 0755) == 0);
        QVERIFY(::chown(squatted.constData(), 65534, 65534) == 0);
        const auto cleanUp = qScopeGuard([&] {
            for (const QString &left : socketFoldersOf(account.uid))
                QDir(left).removeRecursively();
        });
        QTemporaryDir base;
        QVERIFY(QFile::setPermissions(base.path(), QFile::permissions(base.path()) | QFile::ExeOther | QFile::ReadOther));
        const QString program = base.filePath(QStringLiteral("program"));
        QVERIFY(QDir().mkpath(program));
        QVERIFY(::chown(QFile::encodeName(program).constData(), account.uid, account.gid) == 0);

        for (int start = 0; start < 3; ++start) {
            QProcess first;
            account.start(first, program);
            QVERIFY(first.waitForStarted());
            QCOMPARE(firstLine(first), QByteArray("primary"));
            // Its socket is in a folder of its own making, through which it is woken.
            QCOMPARE(socketFoldersOf(account.uid).size(), 1);
            QProcess second;
            account.start(second, program);
            QVERIFY(second.waitForStarted());
            QCOMPARE(firstLine(second), QByteArray("refused"));
            QVERIFY(second.waitForFinished(10000));
            QCOMPARE(firstLine(first), QByteArray("woken"));
            first.closeWriteChannel();
            QVERIFY(first.waitForFinished(10000));
            QCOMPARE(first.exitCode(), 0);
        }
        QCOMPARE(socketFoldersOf(account.uid), QStringList());
        struct stat info;
        QVERIFY(::lstat(squatted.constData(), &info) == 0);
        QCOMPARE(info.st_uid, uid_t(65534));
    }

    void aSecondStartWakesTheFirstForAnyHomeAndProgramFolder_data()
    {
        QTest::addColumn<int>("homeMode"); // -1: there is no home
        QTest::addColumn<bool>("folderWritable");
        QTest::newRow("a long home") << 0700 << true;
        QTest::newRow("a long home that cannot be written") << 0555 << true;
        QTest::newRow("a home that does not exist") << -1 << true;
        QTest::newRow("a program folder that cannot be written") << -1 << false;
    }

    // Real starts under an account of its own, whose home and program folder paths are longer
    // than a local socket's path may be.
    void aSecondStartWakesTheFirstForAnyHomeAndProgramFolder()
    {
        QFETCH(int, homeMode);
        QFETCH(bool, folderWritable);
        if (::geteuid() != 0)
            QSKIP("making an account needs root");
        const QString account = QStringLiteral("vbguard%1").arg(QCoreApplication::applicationPid() % 100000);
        run(QStringLiteral("userdel"), {account}); // left by an earlier run that was killed
        QTemporaryDir base;
        QVERIFY(QFile::setPermissions(base.path(), QFile::permissions(base.path()) | QFile::ExeOther | QFile::ReadOther));
        const QString home = longPath(base.path(), QStringLiteral("home"), 110);
        QVERIFY(run(QStringLiteral("useradd"), {"-M", "-U", "-d", home, "-s", "/usr/sbin/nologin", account}));
        const struct passwd *entry = ::getpwnam(account.toLocal8Bit().constData());
        QVERIFY(entry);
        const uid_t uid = entry->pw_uid;
        const gid_t gid = entry->pw_gid;
        const auto cleanUp = qScopeGuard([&] {
            run(QStringLiteral("userdel"), {account});
            QDir(QStringLiteral("/tmp/vellobox-%1").arg(uid)).removeRecursively();
        });
        const QString program = longPath(base.path(), QStringLiteral("program"), 120);
        const QString runtime = longPath(base.path(), QStringLiteral("runtime"), 110);
        QVERIFY(QDir().mkpath(program) && QDir().mkpath(runtime));
        QVERIFY(::chmod(QFile::encodeName(runtime).constData(), 0700) == 0);
        QVERIFY(::chown(QFile::encodeName(runtime).constData(), uid, gid) == 0);
        if (folderWritable)
            QVERIFY(::chown(QFile::encodeName(program).constData(), uid, gid) == 0);
        if (homeMode >= 0) {
            QVERIFY(QDir().mkpath(home));
            QVERIFY(::chown(QFile::encodeName(home).constData(), uid, gid) == 0);
            QVERIFY(::chmod(QFile::encodeName(home).constData(), mode_t(homeMode)) == 0);
        }
        for (QString path = program; path.size() > base.path().size(); path = QFileInfo(path).path())
            QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOther | QFile::ReadOther);
        const auto start = [&](QProcess &child, bool desktop) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("HOME", home);
            env.insert("USER", account);
            env.remove("XDG_RUNTIME_DIR");
            if (desktop)
                env.insert("XDG_RUNTIME_DIR", runtime);
            child.setProcessEnvironment(env);
            child.start(QStringLiteral("setpriv"),
                        {QStringLiteral("--reuid=%1").arg(uid), QStringLiteral("--regid=%1").arg(gid), "--clear-groups",
                         QCoreApplication::applicationFilePath(), "--guard-child", "vellobox", program});
            QVERIFY(child.waitForStarted());
        };

        QProcess first;
        start(first, true);
        if (!folderWritable) {
            // The real reason, not a missing file.
            const QByteArray line = firstLine(first);
            QVERIFY2(line.startsWith("failed: ") && line.contains(std::strerror(EACCES)), line.constData());
            QVERIFY(first.waitForFinished(10000));
            return;
        }
        QCOMPARE(firstLine(first), QByteArray("primary"));
        QVERIFY(QFile::exists(program + QStringLiteral("/vellobox-%1.lock").arg(uid)));
        QProcess second;
        start(second, false);
        QCOMPARE(firstLine(second), QByteArray("refused"));
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(firstLine(first), QByteArray("woken"));
        first.closeWriteChannel();
        QVERIFY(first.waitForFinished(10000));
        QProcess next;
        start(next, false);
        QCOMPARE(firstLine(next), QByteArray("primary"));
        next.closeWriteChannel();
        QVERIFY(next.waitForFinished(10000));
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
