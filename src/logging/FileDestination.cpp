#include "logging/FileDestination.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace QsLogging {

namespace {
constexpr QFileDevice::Permissions OwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// Other processes write to the log too (a refused second start does): a line and its take-back
// go under the log's lock, so that nobody writes between them. Only tried briefly: a writer that
// holds on to it, or a file system without locks, must never stop the program; the line then
// goes without it.
class WriteLock
{
public:
    explicit WriteLock(int fd)
    {
        QElapsedTimer waited;
        waited.start();
        while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            if ((errno != EWOULDBLOCK && errno != EINTR) || waited.elapsed() >= 20)
                return;
            QThread::usleep(500);
        }
        m_fd = fd;
    }
    ~WriteLock()
    {
        if (m_fd >= 0)
            ::flock(m_fd, LOCK_UN);
    }
    WriteLock(const WriteLock &) = delete;
    WriteLock &operator=(const WriteLock &) = delete;

private:
    int m_fd = -1;
};

// Writes all of data at the file's end, as far as there is room; what was written, -1 for nothing.
qint64 appendAll(int fd, const QByteArray &data)
{
    qint64 done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.constData() + done, size_t(data.size() - done));
        if (n > 0)
            done += n;
        else if (n < 0 && errno == EINTR)
            continue;
        else
            break;
    }
    return done > 0 ? done : -1;
}
} // namespace

FileDestination::FileDestination(const QString &path, qint64 maxSizeBytes, int maxBackups)
    : m_file(path)
    , m_maxSize(maxSizeBytes > 0 ? maxSizeBytes : 2 * 1024 * 1024)
    , m_maxBackups(maxBackups >= 0 ? maxBackups : 5)
{
    // At the debug level the log holds dictated text: the folder and its files are the user's
    // alone, those of earlier runs included.
    const QString folder = QFileInfo(path).absolutePath();
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    for (int i = 1; i <= m_maxBackups; ++i) {
        const QString backup = path + QLatin1Char('.') + QString::number(i);
        if (QFileInfo(backup).isFile())
            QFile::setPermissions(backup, OwnerOnly);
    }
    open();
}

void FileDestination::open()
{
    // A log that cannot be opened must never stop the program: lines are dropped. Unbuffered, so
    // that what a full disk refuses is known line by line, and not kept in memory meanwhile.
    if (m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        m_file.setPermissions(OwnerOnly);
        m_size = m_file.size();
    }
}

void FileDestination::write(const QByteArray &line)
{
    if (!m_file.isOpen())
        return;
    // While lines cannot be written (a full disk), rotating would only move empty logs over the
    // history.
    if (m_size > 0 && m_size + line.size() + 1 > m_maxSize && !m_writeFailed)
        rotate();
    if (!m_file.isOpen())
        return;
    const int fd = m_file.handle();
    const WriteLock lock(fd);
    // A line cut by an earlier full disk that could not be taken back is ended first, so that
    // this one starts a line of its own.
    const QByteArray record = (m_cutLine ? QByteArray("\n") : QByteArray()) + line + '\n';
    const qint64 written = appendAll(fd, record);
    m_writeFailed = written != record.size();
    if (written <= 0)
        return;
    // Appended: the line ends where the file's offset now is, and began where the file ended
    // just before it, whatever other writers or an outside truncation did to the file earlier.
    const qint64 end = ::lseek(fd, 0, SEEK_CUR);
    if (!m_writeFailed) {
        // Only what reached the file counts towards its size (on a full disk, lines that could
        // not be written must not rotate the history away), but what others wrote does too.
        if (end > 0)
            m_size = end;
        else
            m_size += written;
        m_cutLine = false;
        return;
    }
    // Part of the line reached the file: it goes again, or the next line would run into it. Only
    // while it is still the file's end: cutting there would take what another writer wrote
    // since, and cutting beyond the end (an outside truncation) would fill the file with zeros.
    const qint64 start = end - written;
    struct stat info;
    if (end > 0 && start >= 0 && ::fstat(fd, &info) == 0 && info.st_size == end && ::ftruncate(fd, start) == 0) {
        // Back to where it was: a cut line before this one is still unended.
        m_size = start;
        return;
    }
    m_size = end > 0 ? end : m_size + written;
    m_cutLine = true;
}

void FileDestination::flush()
{
    if (m_file.isOpen())
        m_file.flush();
}

void FileDestination::rotate()
{
    const QString base = m_file.fileName();
    m_file.close();
    if (m_maxBackups == 0) {
        QFile::remove(base);
    } else {
        QFile::remove(base + QLatin1Char('.') + QString::number(m_maxBackups));
        for (int i = m_maxBackups - 1; i >= 1; --i) {
            const QString from = base + QLatin1Char('.') + QString::number(i);
            if (QFile::exists(from))
                QFile::rename(from, base + QLatin1Char('.') + QString::number(i + 1));
        }
        QFile::rename(base, base + QStringLiteral(".1"));
    }
    m_size = 0;
    open();
}

} // namespace QsLogging
