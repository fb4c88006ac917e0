#include "util/CrashHandler.h"

#include <QByteArray>
#include <QDir>
#include <csignal>
#include <cstring>
#include <ctime>
#include <execinfo.h>
#include <fcntl.h>
#include <unistd.h>

namespace CrashHandler {

namespace {
// Prepared before any crash: the handler may only use async-signal-safe calls.
char g_folder[1024];
char g_version[64];

void put(int fd, const char *s)
{
    ssize_t unused = ::write(fd, s, std::strlen(s));
    (void)unused;
}

// Decimal digits without printf, which is not async-signal-safe.
void appendNumber(char *dst, unsigned long long v)
{
    char tmp[24];
    int n = 0;
    do {
        tmp[n++] = char('0' + v % 10);
        v /= 10;
    } while (v);
    dst += std::strlen(dst);
    for (int i = 0; i < n; ++i)
        dst[i] = tmp[n - 1 - i];
    dst[n] = 0;
}

void putNumber(int fd, unsigned long long v)
{
    char out[24] = {0};
    appendNumber(out, v);
    put(fd, out);
}

const char *signalName(int sig)
{
    switch (sig) {
    case SIGSEGV: return "SIGSEGV";
    case SIGABRT: return "SIGABRT";
    case SIGFPE: return "SIGFPE";
    case SIGILL: return "SIGILL";
    case SIGBUS: return "SIGBUS";
    default: return "signal";
    }
}

void onCrash(int sig)
{
    const time_t now = ::time(nullptr);
    char path[1200];
    // <folder>/vellobox-<epoch seconds>-<pid>.dmp, built by hand.
    std::strcpy(path, g_folder);
    std::strcat(path, "/vellobox-");
    appendNumber(path, (unsigned long long)now);
    std::strcat(path, "-");
    appendNumber(path, (unsigned long long)::getpid());
    std::strcat(path, ".dmp");

    const int fd = ::open(path, O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd >= 0) {
        put(fd, "Vellobox crash report\nversion: ");
        put(fd, g_version);
        put(fd, "\nsignal: ");
        put(fd, signalName(sig));
        put(fd, " (");
        putNumber(fd, (unsigned long long)sig);
        put(fd, ")\ntime (seconds since the epoch, UTC): ");
        putNumber(fd, (unsigned long long)now);
        put(fd, "\nbacktrace:\n");
        void *frames[64];
        const int n = ::backtrace(frames, 64);
        ::backtrace_symbols_fd(frames, n, fd);
        ::close(fd);
    }
    // Let the default action end the process (and write a core file where enabled).
    ::signal(sig, SIG_DFL);
    ::raise(sig);
}
} // namespace

void install(const QString &folder, const QString &version)
{
    QDir().mkpath(folder);
    const QByteArray f = QDir(folder).absolutePath().toLocal8Bit().left(sizeof(g_folder) - 1);
    std::memcpy(g_folder, f.constData(), size_t(f.size()));
    g_folder[f.size()] = 0;
    const QByteArray v = version.toUtf8().left(sizeof(g_version) - 1);
    std::memcpy(g_version, v.constData(), size_t(v.size()));
    g_version[v.size()] = 0;
    // Load the unwinder now: the first backtrace() call may allocate.
    void *warm[1];
    ::backtrace(warm, 1);
    for (int sig : {SIGSEGV, SIGABRT, SIGFPE, SIGILL, SIGBUS})
        ::signal(sig, onCrash);
}

QString reportFolder()
{
    return QString::fromLocal8Bit(g_folder);
}

} // namespace CrashHandler
