#include "platform/SingleInstanceGuard.h"

#include "logging/QsLog.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

SingleInstanceGuard::SingleInstanceGuard(const QString &key, const QString &runtimeDir, QObject *parent)
    : QObject(parent)
    , m_key(key + QLatin1Char('-') + QString::number(::getuid()))
    , m_dir(runtimeDir)
{
    if (m_dir.isEmpty())
        m_dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (m_dir.isEmpty())
        m_dir = QDir::tempPath();
}

SingleInstanceGuard::~SingleInstanceGuard()
{
    release();
}

QString SingleInstanceGuard::keyFor(const QString &programDir)
{
    // Hashed: a local server's name must stay short, and a path may hold any character.
    const QString folder = QDir::cleanPath(QDir(programDir).absolutePath());
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
    QDir().mkpath(m_dir);
    // No PID file to judge for staleness and no sync to disk: the kernel holds the lock for as
    // long as the process lives.
    const QByteArray path = QFile::encodeName(lockPath());
    int fd = -1;
    for (int attempt = 0; attempt < 3 && fd < 0; ++attempt) {
        fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd < 0) {
            QLOG_ERROR() << "cannot create the instance lock" << lockPath() << std::strerror(errno);
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
                QLOG_ERROR() << "cannot take the instance lock" << lockPath() << std::strerror(error);
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
        QLOG_ERROR() << "the instance lock" << lockPath() << "keeps changing";
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
        while (QLocalSocket *s = m_server->nextPendingConnection()) {
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            emit anotherInstanceStarted();
        }
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
    // Removed while still held: a start that opened it meanwhile sees it gone and retries.
    if (m_lockFd >= 0) {
        ::unlink(QFile::encodeName(lockPath()).constData());
        ::close(m_lockFd);
        m_lockFd = -1;
    }
    m_primary = false;
}
