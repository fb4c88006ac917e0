#include "platform/SingleInstanceGuard.h"

#include "logging/QsLog.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

SingleInstanceGuard::SingleInstanceGuard(const QString &key, const QString &folder, QObject *parent)
    : QObject(parent)
    , m_key(key + QLatin1Char('-') + QString::number(::getuid()))
    , m_dir(folder.isEmpty() ? userFolder() : folder)
{
}

QString SingleInstanceGuard::userFolder()
{
    // Not $HOME, $XDG_RUNTIME_DIR or a cache: each differs between a start from the desktop and
    // one from su, ssh or cron, and a cache may be emptied while the program runs.
    QString home;
    if (const struct passwd *account = ::getpwuid(::getuid()); account && account->pw_dir && *account->pw_dir)
        home = QFile::decodeName(account->pw_dir);
    else
        home = QDir::homePath();
    return QDir::cleanPath(home) + QStringLiteral("/.local/state/vellobox");
}

namespace {
// Why folder is not the user's own with nobody else let in, or empty when it is.
QString whyNotPrivate(const QString &folder)
{
    struct stat info;
    if (::lstat(QFile::encodeName(folder).constData(), &info) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (S_ISLNK(info.st_mode))
        return QStringLiteral("it is a symbolic link");
    if (!S_ISDIR(info.st_mode))
        return QStringLiteral("it is not a folder");
    if (info.st_uid != ::geteuid())
        return QStringLiteral("it belongs to user %1").arg(info.st_uid);
    if ((info.st_mode & 077) != 0)
        return QStringLiteral("others may enter it (mode %1)").arg(info.st_mode & 0777, 3, 8, QLatin1Char('0'));
    return QString();
}
} // namespace

bool SingleInstanceGuard::makePrivateFolder()
{
    // Made private from the start; one already there is taken only as it is.
    const QByteArray path = QFile::encodeName(m_dir);
    int made = ::mkdir(path.constData(), 0700) == 0 ? 0 : errno;
    if (made == ENOENT) {
        QDir().mkpath(QFileInfo(m_dir).absolutePath());
        made = ::mkdir(path.constData(), 0700) == 0 ? 0 : errno;
    }
    if (made != 0 && made != EEXIST) {
        m_folderFault = FolderFault::CannotMake;
        m_failure = QString::fromLocal8Bit(std::strerror(made));
        QLOG_ERROR() << "the instance lock's folder" << m_dir << "cannot be made:" << m_failure;
        return false;
    }
    const QString why = whyNotPrivate(m_dir);
    if (!why.isEmpty()) {
        m_folderFault = FolderFault::NotPrivate;
        m_failure = why;
        QLOG_ERROR() << "the instance lock cannot live in" << m_dir << ":" << why;
        return false;
    }
    return true;
}

SingleInstanceGuard::~SingleInstanceGuard()
{
    release();
}

QString SingleInstanceGuard::keyFor(const QString &programDir)
{
    // Hashed: a local server's name must stay short, and a path may hold any character. The same
    // folder reached through a link is the same folder.
    const QString canonical = QFileInfo(programDir).canonicalFilePath();
    const QString folder = canonical.isEmpty() ? QDir::cleanPath(QDir(programDir).absolutePath()) : canonical;
    const QByteArray hash = QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("vellobox-") + QString::fromLatin1(hash);
}

QString SingleInstanceGuard::lockPath() const
{
    return m_dir + QLatin1Char('/') + m_key + QStringLiteral(".lock");
}

QString SingleInstanceGuard::serverPath() const
{
    return m_dir + QLatin1Char('/') + m_key + QStringLiteral(".sock");
}

bool SingleInstanceGuard::tryAcquire()
{
    if (m_primary)
        return true;
    m_failure.clear();
    m_folderFault = FolderFault::None;
    if (!makePrivateFolder())
        return false;
    // No PID file to judge for staleness and no sync to disk: the kernel holds the lock for as
    // long as the process lives.
    const QByteArray path = QFile::encodeName(lockPath());
    int fd = -1;
    for (int attempt = 0; attempt < 3 && fd < 0; ++attempt) {
        fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0 && errno == ELOOP) {
            // Only the user can have put a link in a private folder; it is not followed.
            QLOG_WARN() << "instance lock" << lockPath() << "was a symbolic link; removed";
            ::unlink(path.constData());
            continue;
        }
        if (fd < 0) {
            m_failure = QStringLiteral("cannot create the instance lock %1: %2")
                            .arg(lockPath(), QString::fromLocal8Bit(std::strerror(errno)));
            QLOG_ERROR() << m_failure;
            return false;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            if (error == EWOULDBLOCK) {
                // Wake the running program so the user sees it.
                QLocalSocket socket;
                socket.connectToServer(serverPath());
                if (socket.waitForConnected(500)) {
                    socket.write("show");
                    socket.waitForBytesWritten(500);
                }
                QLOG_WARN() << "another instance is running";
            } else {
                m_failure = QStringLiteral("cannot take the instance lock %1: %2")
                                .arg(lockPath(), QString::fromLocal8Bit(std::strerror(error)));
                QLOG_ERROR() << m_failure;
            }
            return false;
        }
        // A holder that let go removed the file we opened: our lock would be on a file nobody
        // else can see. Take the one that is there now.
        struct stat held, named;
        if (::fstat(fd, &held) != 0 || ::stat(path.constData(), &named) != 0 || held.st_ino != named.st_ino
            || held.st_dev != named.st_dev) {
            ::close(fd);
            fd = -1;
        }
    }
    if (fd < 0) {
        m_failure = QStringLiteral("the instance lock %1 keeps changing").arg(lockPath());
        QLOG_ERROR() << m_failure;
        return false;
    }
    // For people looking at the folder: who holds it.
    const QByteArray pid = QByteArray::number(qint64(::getpid())) + '\n';
    if (::ftruncate(fd, 0) != 0 || ::write(fd, pid.constData(), size_t(pid.size())) != pid.size())
        QLOG_WARN() << "instance lock" << lockPath() << "holds no process id";
    m_lockFd = fd;
    m_primary = true;
    m_server = new QLocalServer(this);
    // In the user's own runtime folder (0700): nobody else can reach it, so it needs no
    // access option (which would build it in a folder of its own first).
    QLocalServer::removeServer(serverPath());
    if (!m_server->listen(serverPath())) {
        QLOG_WARN() << "instance server cannot listen:" << m_server->errorString();
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        // A connection is only a wake-up: nothing it sends is read, and it is closed at once,
        // so that no client can make the program keep its data or its descriptors.
        bool woken = false;
        while (QLocalSocket *s = m_server->nextPendingConnection()) {
            s->abort();
            s->deleteLater();
            woken = true;
        }
        if (woken)
            emit anotherInstanceStarted();
    });
    return true;
}

void SingleInstanceGuard::release()
{
    if (m_server) {
        m_server->close();
        delete m_server;
        m_server = nullptr;
    }
    // Removed while still held: a start that opened it meanwhile sees it gone and retries. Only
    // while the name is still ours: a lock made there since belongs to another copy.
    if (m_lockFd >= 0) {
        const QByteArray path = QFile::encodeName(lockPath());
        struct stat held, named;
        if (::fstat(m_lockFd, &held) == 0 && ::lstat(path.constData(), &named) == 0 && held.st_ino == named.st_ino
            && held.st_dev == named.st_dev)
            ::unlink(path.constData());
        ::close(m_lockFd);
        m_lockFd = -1;
    }
    m_primary = false;
}
