// Start-up benchmark: how long the program takes from its process start to a running event
// loop (started hidden, "-h"), and how much resident memory it holds after 5 s idle.
// Prints its figures; run it where an X display is available (else the offscreen platform).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

#include <signal.h>

namespace {
constexpr int IdleMs = 5000;
constexpr int PollMs = 2;

// The number after "event loop running after" in the program's log, or -1.
qint64 loopLineMs(const QString &logPath)
{
    QFile log(logPath);
    if (!log.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression line(QStringLiteral("event loop running after (\\d+) ms"));
    const QRegularExpressionMatch match = line.match(QString::fromUtf8(log.readAll()));
    return match.hasMatch() ? match.captured(1).toLongLong() : -1;
}

qint64 residentKiB(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QString text = QString::fromLatin1(status.readAll());
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("VmRSS:\\s+(\\d+) kB")).match(text);
    return match.hasMatch() ? match.captured(1).toLongLong() : -1;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString program = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(VB_PROGRAM);
    const int runs = argc > 2 ? qMax(1, atoi(argv[2])) : 3;

    for (int run = 1; run <= runs; ++run) {
        QTemporaryDir home;
        QTemporaryDir runtime;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VELLOBOX_HOME"), home.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path()); // an instance lock of its own
        if (!env.contains(QStringLiteral("DISPLAY")) && !env.contains(QStringLiteral("QT_QPA_PLATFORM")))
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        const QString logPath = home.path() + QStringLiteral("/log/log.txt");

        QProcess process;
        process.setProcessEnvironment(env);
        // The program logs to its own file too; its console output would only interleave.
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        QElapsedTimer clock;
        clock.start();
        process.start(program, {QStringLiteral("-h")});
        if (!process.waitForStarted(10000)) {
            std::fprintf(stderr, "cannot start %s\n", qPrintable(program));
            return 1;
        }
        qint64 inside = -1;
        while ((inside = loopLineMs(logPath)) < 0 && clock.elapsed() < 30000 && process.state() == QProcess::Running)
            QThread::msleep(PollMs);
        const qint64 toLoop = clock.elapsed();
        if (inside < 0) {
            std::fprintf(stderr, "the program did not reach its event loop\n");
            process.kill();
            process.waitForFinished();
            return 1;
        }
        QThread::msleep(IdleMs);
        const qint64 rss = residentKiB(process.processId());
        ::kill(pid_t(process.processId()), SIGTERM);
        const bool ended = process.waitForFinished(10000);
        std::printf("run %d: start to event loop %lld ms (inside main %lld ms); resident after %d s idle %.1f MiB; "
                    "orderly exit on SIGTERM: %s\n",
                    run, toLoop, inside, IdleMs / 1000, rss / 1024.0,
                    ended && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 ? "yes" : "no");
        std::fflush(stdout);
        if (!ended)
            process.kill();
    }
    return 0;
}
