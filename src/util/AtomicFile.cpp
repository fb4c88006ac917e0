#include "util/AtomicFile.h"

#include "logging/QsLog.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kMarker = QStringLiteral(".vellobox-save-");

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

mode_t modeOf(QFileDevice::Permissions permissions)
{
    mode_t mode = 0;
    const std::pair<QFileDevice::Permission, mode_t> bits[] = {
        {QFileDevice::ReadOwner, S_IRUSR}, {QFileDevice::WriteOwner, S_IWUSR}, {QFileDevice::ExeOwner, S_IXUSR},
        {QFileDevice::ReadGroup, S_IRGRP}, {QFileDevice::WriteGroup, S_IWGRP}, {QFileDevice::ExeGroup, S_IXGRP},
        {QFileDevice::ReadOther, S_IROTH}, {QFileDevice::WriteOther, S_IWOTH}, {QFileDevice::ExeOther, S_IXOTH}};
    for (const auto &[permission, bit] : bits) {
        if (permissions.testFlag(permission))
            mode |= bit;
    }
    return mode;
}

// The file a save of path replaces: a link is followed to what it points at.
QString finalPath(const QString &path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 128 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
}

// Some file systems report a full disk or quota only when the data is synced; others cannot
// sync at all, which loses nothing.
bool syncFailed(int fd)
{
    return ::fsync(fd) != 0 && (errno == ENOSPC || errno == EDQUOT || errno == EIO);
}

} // namespace

QString AtomicFile::temporaryFor(const QString &path, const QByteArray &bytes, QFileDevice::Permissions permissions,
                                 QString *error)
{
    const QString target = finalPath(path);
    const QFileInfo info(target);
    if (!QDir().mkpath(info.absolutePath())) {
        fail(error, QStringLiteral("cannot make the folder %1").arg(info.absolutePath()));
        return QString();
    }
    // Without permissions given, the new file is what the old one was; a new file is as the
    // user's umask makes it.
    mode_t mode = 0666;
    bool setMode = false;
    struct stat old;
    if (permissions) {
        mode = modeOf(permissions);
        setMode = true;
    } else if (::stat(QFile::encodeName(target).constData(), &old) == 0) {
        mode = old.st_mode & 07777;
        setMode = true;
    }
    static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        QString suffix;
        for (int i = 0; i < 6; ++i)
            suffix += QLatin1Char(alphabet[QRandomGenerator::global()->bounded(int(sizeof alphabet - 1))]);
        temporary = info.absoluteFilePath() + kMarker + suffix;
        fd = ::open(QFile::encodeName(temporary).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                    setMode ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST) {
            fail(error, errorText(errno));
            return QString();
        }
    }
    if (fd < 0) {
        fail(error, QStringLiteral("no free temporary name beside %1").arg(target));
        return QString();
    }
    bool ok = !setMode || ::fchmod(fd, mode) == 0;
    int why = ok ? 0 : errno;
    for (qint64 done = 0; ok && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ok = false;
            why = n < 0 ? errno : ENOSPC;
        } else {
            done += n;
        }
    }
    if (ok && syncFailed(fd)) {
        ok = false;
        why = errno;
    }
    if (::close(fd) != 0 && ok && errno != EINTR) {
        ok = false;
        why = errno;
    }
    if (!ok) {
        ::unlink(QFile::encodeName(temporary).constData());
        fail(error, errorText(why));
        return QString();
    }
    return temporary;
}

bool AtomicFile::replace(const QString &temporary, const QString &path, QString *error)
{
    const QByteArray from = QFile::encodeName(temporary);
    // What was written into the temporary by another hand (QSettings) must be on the disk first.
    const int fd = ::open(from.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0 || syncFailed(fd)) {
        const int why = errno;
        if (fd >= 0)
            ::close(fd);
        ::unlink(from.constData());
        return fail(error, errorText(why));
    }
    ::close(fd);
    const QString target = finalPath(path);
    if (::rename(from.constData(), QFile::encodeName(target).constData()) != 0) {
        const int why = errno;
        ::unlink(from.constData());
        return fail(error, errorText(why));
    }
    // The rename lives in the folder: until the folder is synced, a power cut can bring the old
    // file back.
    const int folder = ::open(QFile::encodeName(QFileInfo(target).absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return true; // a folder we may write but not read: nothing more to be had
    const bool synced = !syncFailed(folder);
    const int why = errno;
    ::close(folder);
    return synced || fail(error, errorText(why));
}

bool AtomicFile::write(const QString &path, const QByteArray &bytes, QString *error,
                       QFileDevice::Permissions permissions)
{
    const QString temporary = temporaryFor(path, bytes, permissions, error);
    return !temporary.isEmpty() && replace(temporary, path, error);
}

int AtomicFile::removeLeftovers(const QString &folder, bool recursive, int minAgeSeconds)
{
    // Ours, and what QSettings made of a temporary of ours while it wrote it (earlier versions let
    // it edit the settings file's): its own temporary and its lock.
    static const QRegularExpression leftover(QStringLiteral("^.+%1[A-Za-z0-9]{6}(\\.[A-Za-z0-9]{6}|\\.lock)?$")
                                                 .arg(QRegularExpression::escape(kMarker)));
    int removed = 0;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    recursive ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!leftover.match(it.fileName()).hasMatch())
            continue;
        if (minAgeSeconds > 0 && it.fileInfo().lastModified().secsTo(QDateTime::currentDateTime()) < minAgeSeconds)
            continue;
        if (QFile::remove(path)) {
            ++removed;
            QLOG_WARN() << "removed what an interrupted save left:" << path;
        }
    }
    return removed;
}
