#include "platform/SingleInstanceGuard.h"

#include "logging/QsLog.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Makes path and its missing parents; 0, or the error that stopped it.
int makePath(const QByteArray &path)
{
    struct stat info;
    if (::stat(path.constData(), &info) == 0)
        return S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
    if (errno != ENOENT)
        return errno;
    const int slash = path.lastIndexOf('/');
    if (slash > 0) {
        if (const int error = makePath(path.left(slash)))
            return error;
    }
    return ::mkdir(path.constData(), 0777) == 0 || errno == EEXIST ? 0 : errno;
}

// True when folder is the user's own and nobody else may enter it.
bool isPrivateFolder(const QByteArray &folder)
{
    struct stat info;
    return ::lstat(folder.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid()
        && (info.st_mode & 077) == 0;
}

constexpr int MaxSocketPath = int(sizeof(sockaddr_un::sun_path)) - 1;

// A short folder of the user's own for the wake-up socket: the session's runtime folder when
// there is one and the path fits, else one of ours in the temporary folder; one that someone
// else made there is not used. made: whether the folder was made for this copy alone.
QString socketFolder(int nameLength, bool *made)
{
    *made = false;
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (runtime.startsWith('/') && runtime.size() + 1 + nameLength <= MaxSocketPath && isPrivateFolder(runtime))
        return QFile::decodeName(runtime);
    const QByteArray ours = "/tmp/vellobox-" + QByteArray::number(qulonglong(::geteuid()));
    if ((::mkdir(ours.constData(), 0700) == 0 || errno == EEXIST) && isPrivateFolder(ours))
        return QFile::decodeName(ours);
    QByteArray fresh("/tmp/vellobox-XXXXXX");
    if (::mkdtemp(fresh.data())) {
        *made = true;
        return QFile::decodeName(fresh);
    }
    return QString();
}

} // namespace

SingleInstanceGuard::SingleInstanceGuard(const QString &key, const QString &folder, QObject *parent)
    : QObject(parent)
    , m_key(key)
    , m_dir(QDir::cleanPath(QDir(folder).absolutePath()))
{
}

SingleInstanceGuard::~SingleInstanceGuard()
{
    release();
}

QString SingleInstanceGuard::lockPath() const
{
    return m_dir + QLatin1Char('/') + m_key + QLatin1Char('-') + QString::number(::geteuid())
        + QStringLiteral(".lock");
}

QString SingleInstanceGuard::socketName() const
{
    // Copies living in other program folders have sockets of their own. Hashed: a folder's path
    // may be long and hold any character. The same folder reached through a link is the same.
    const QString canonical = QFileInfo(m_dir).canonicalFilePath();
    const QString folder = canonical.isEmpty() ? m_dir : canonical;
    const QByteArray hash = QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return m_key + QLatin1Char('-') + QString::fromLatin1(hash) + QStringLiteral(".sock");
}

bool SingleInstanceGuard::makeFolder()
{
    if (const int error = makePath(QFile::encodeName(m_dir))) {
        m_folderFault = FolderFault::CannotMake;
        m_failure = errorText(error);
        QLOG_ERROR() << "the program folder" << m_dir << "cannot be made:" << m_failure;
        return false;
    }
    return true;
}

int SingleInstanceGuard::openLock()
{
    const QByteArray path = QFile::encodeName(lockPath());
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        const int error = errno;
        struct stat info;
        // On the opened file itself, so that nothing can be put in its place between check and use.
        if (fd >= 0 && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid()
            && info.st_nlink == 1)
            return fd;
        if (fd < 0 && error != ELOOP) {
            m_failure = QStringLiteral("cannot create the instance lock %1: %2").arg(lockPath(), errorText(error));
            return -1;
        }
        // A link, a second name of another file (which writing the lock would overwrite), or a
        // file that is not the user's own: nothing here is followed or shared with another user,
        // who could otherwise hold the lock for us.
        if (fd >= 0)
            ::close(fd);
        QLOG_WARN() << "instance lock" << lockPath() << "was a link or another user's file; removed";
        if (::unlink(path.constData()) != 0 && errno != ENOENT) {
            m_failure = QStringLiteral("the instance lock %1 is a link or another user's file that cannot be removed: %2")
                            .arg(lockPath(), errorText(errno));
            return -1;
        }
    }
    m_failure = QStringLiteral("the instance lock %1 keeps being replaced").arg(lockPath());
    return -1;
}

bool SingleInstanceGuard::tryAcquire()
{
    if (m_primary)
        return true;
    m_failure.clear();
    m_folderFault = FolderFault::None;
    if (!makeFolder())
        return false;
    // No PID to judge for staleness and no sync to disk: the kernel holds the lock for as long
    // as the process lives.
    const QByteArray path = QFile::encodeName(lockPath());
    int fd = -1;
    for (int attempt = 0; attempt < 3 && fd < 0; ++attempt) {
        fd = openLock();
        if (fd < 0) {
            QLOG_ERROR() << m_failure;
            return false;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            if (error == EWOULDBLOCK) {
                QLOG_WARN() << "another instance is running";
                wakeHolder(fd);
            } else {
                m_failure = QStringLiteral("cannot take the instance lock %1: %2").arg(lockPath(), errorText(error));
                QLOG_ERROR() << m_failure;
            }
            ::close(fd);
            return false;
        }
        // A holder that let go removed the file we opened: our lock would be on a file nobody
        // else can see. Take the one that is there now.
        struct stat held, named;
        if (::fstat(fd, &held) != 0 || ::lstat(path.constData(), &named) != 0 || held.st_ino != named.st_ino
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
    m_lockFd = fd;
    m_primary = true;
    listen();
    // Who holds it, and where the next start finds the socket to wake this copy through.
    QByteArray content = QByteArray::number(qint64(::getpid())) + '\n';
    if (!m_serverPath.isEmpty())
        content += QFile::encodeName(m_serverPath) + '\n';
    if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, content.constData(), size_t(content.size()), 0) != content.size())
        QLOG_ERROR() << "instance lock" << lockPath() << "cannot tell where this copy is woken:" << errorText(errno);
    return true;
}

void SingleInstanceGuard::listen()
{
    const QString name = socketName();
    bool made = false;
    const QString folder = socketFolder(name.size(), &made);
    if (folder.isEmpty()) {
        QLOG_ERROR() << "instance server: no folder of the user's own for its socket:" << errorText(errno);
        return;
    }
    const QString path = folder + QLatin1Char('/') + name;
    m_server = new QLocalServer(this);
    // In a folder nobody else can enter: it needs no access option (which would build it in a
    // folder of its own first).
    QLocalServer::removeServer(path);
    if (!m_server->listen(path)) {
        QLOG_ERROR() << "instance server cannot listen on" << path << ":" << m_server->errorString();
        delete m_server;
        m_server = nullptr;
        if (made)
            ::rmdir(QFile::encodeName(folder).constData());
        return;
    }
    m_serverPath = path;
    // A folder made for this copy alone goes with it, or every start would leave one behind.
    if (made)
        m_madeSocketFolder = folder;
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
}

void SingleInstanceGuard::wakeHolder(int fd)
{
    // The holder writes the socket's path just after taking the lock: a start that comes at
    // that moment waits for it a little.
    QByteArray server;
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        char buffer[4096];
        const ssize_t read = ::pread(fd, buffer, sizeof buffer, 0);
        // Written whole in one go: a text that ends its line is all there is.
        if (read > 0 && buffer[read - 1] == '\n') {
            const QList<QByteArray> lines = QByteArray(buffer, int(read)).split('\n');
            if (lines.size() >= 3 && lines.at(1).startsWith('/')) {
                server = lines.at(1);
                break;
            }
            QLOG_WARN() << "the running copy offers no way to wake it (" << lockPath() << ")";
            return;
        }
        if (waited.elapsed() > 1000) {
            QLOG_WARN() << "the running copy offers no way to wake it (" << lockPath() << ")";
            return;
        }
        QThread::msleep(20);
    }
    QLocalSocket socket;
    socket.connectToServer(QFile::decodeName(server));
    if (!socket.waitForConnected(1000)) {
        QLOG_WARN() << "the running copy cannot be woken through" << server << ":" << socket.errorString();
        return;
    }
    socket.write("show");
    socket.waitForBytesWritten(500);
}

void SingleInstanceGuard::release()
{
    if (m_server) {
        m_server->close(); // removes the socket
        delete m_server;
        m_server = nullptr;
    }
    m_serverPath.clear();
    // Only if empty: what else is in it is not this copy's to remove.
    if (!m_madeSocketFolder.isEmpty()) {
        ::rmdir(QFile::encodeName(m_madeSocketFolder).constData());
        m_madeSocketFolder.clear();
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
