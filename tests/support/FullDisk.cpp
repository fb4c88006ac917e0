#include "support/FullDisk.h"

#include <QFile>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {
const char *const kFiller = "/.filler";
}

FullDisk::FullDisk(const QString &folder)
    : m_folder(folder)
{
    const QByteArray path = QFile::encodeName(folder);
    m_mounted = ::geteuid() == 0
        && ::mount("tmpfs", path.constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=1m,mode=0700") == 0;
}

FullDisk::~FullDisk()
{
    free();
    if (m_mounted)
        ::umount2(QFile::encodeName(m_folder).constData(), MNT_DETACH);
}

void FullDisk::fill(qint64 leaveFree)
{
    if (m_full)
        return;
    m_full = true;
    if (!m_mounted) {
        ::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_limit);
        struct rlimit none = m_limit;
        none.rlim_cur = 0;
        ::setrlimit(RLIMIT_FSIZE, &none);
        return;
    }
    const int fd = ::open(QFile::encodeName(m_folder + QLatin1String(kFiller)).constData(),
                          O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    // Page by page, so that not even one more page is left for another file.
    static const char page[4096] = {};
    off_t size = 0;
    for (ssize_t n; (n = ::write(fd, page, sizeof page)) > 0;)
        size += n;
    if (leaveFree > 0)
        ::ftruncate(fd, size > leaveFree ? size - leaveFree : 0);
    ::close(fd);
}

void FullDisk::free()
{
    if (!m_full)
        return;
    m_full = false;
    if (!m_mounted) {
        ::setrlimit(RLIMIT_FSIZE, &m_limit);
        return;
    }
    ::unlink(QFile::encodeName(m_folder + QLatin1String(kFiller)).constData());
}
