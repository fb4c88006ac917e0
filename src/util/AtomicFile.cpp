#include "util/AtomicFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

bool AtomicFile::commit(QSaveFile &file, QString *error)
{
    const auto discard = [&](const QString &why) {
        if (error)
            *error = why;
        file.cancelWriting(); // the temporary goes; the old file stays
        return false;
    };
    // flush() reports what commit() would swallow: the bytes left in the buffer.
    if (!file.flush())
        return discard(file.errorString());
    // Some file systems report a full disk or quota only when the data is synced.
    const int fd = file.handle();
    if (fd >= 0 && ::fsync(fd) != 0 && (errno == ENOSPC || errno == EDQUOT || errno == EIO))
        return discard(QString::fromLocal8Bit(std::strerror(errno)));
    const QString target = file.fileName();
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    // The rename lives in the folder: until the folder is synced, a power cut can bring the old
    // file back.
    const int folder = ::open(QFile::encodeName(QFileInfo(target).absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return true; // a folder we may write but not read: nothing more to be had
    const bool synced = ::fsync(folder) == 0 || (errno != ENOSPC && errno != EDQUOT && errno != EIO);
    const int why = errno;
    ::close(folder);
    if (!synced) {
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(why));
        return false;
    }
    return true;
}

bool AtomicFile::write(const QString &path, const QByteArray &bytes, QString *error,
                       QFileDevice::Permissions permissions)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    const auto failed = [&] {
        if (error)
            *error = file.errorString();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return failed();
    if (permissions && !file.setPermissions(permissions))
        return failed();
    if (file.write(bytes) != bytes.size())
        return failed(); // the temporary is removed with file
    return commit(file, error);
}
