// Start-up benchmark: the program and a bare Qt Widgets program (bench/bare) started side by
// side, alternating, several runs each; the medians of the time from process start to a
// running event loop (hidden, "-h") and their ratio. A third series starts the program with
// three word lists of 100,000 words each. Also prints the resident memory after idling and
// whether QtWebEngine was mapped before any web page was opened, and which of the libraries
// loaded on first use (sound, Bluetooth, accessibility, web view, desktop entries) a hidden
// start mapped.
//   startup [program] [runs]   (21 runs by default: fewer medians still move by a tenth)
// Run it where an X display is available (else the offscreen platform is used). Under X it
// holds a stand-in system tray (bench/trayhost) for the whole run: without a tray the program
// shows its window even when asked to start hidden, and the figure would not be a hidden start.
// Likewise it holds a session bus when there is none (dbus-daemon), as a desktop session has.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>

#include <signal.h>

namespace {
constexpr int IdleMs = 3000;
constexpr int PollUs = 200; // the log is polled this often: a whole millisecond would round every figure
constexpr int QuietMs = 300;
constexpr int ListWords = 100000;

struct Run {
    double toLoopMs = -1; // from the start of the process, to a fifth of a millisecond
    qint64 insideMs = -1;
    qint64 residentKiB = -1;
    bool webEngineMapped = false;
    QStringList onDemandMapped;
    bool orderlyExit = false;
};

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

// The libraries that only their first use should load.
QStringList onDemandMapped(qint64 pid)
{
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    if (!maps.open(QIODevice::ReadOnly))
        return {};
    const QByteArray text = maps.readAll();
    QStringList found;
    for (const char *name : {"libQt5Multimedia", "libQt5Bluetooth", "libatspi", "libXtst", "libvb_audio",
                             "libvb_bluetooth", "libvb_atspi", "libvb_webview", "libvb_appinfo", "libgio-2.0",
                             "libqrencode", "libhidapi"}) {
        if (text.contains(name))
            found << QString::fromLatin1(name);
    }
    return found;
}

bool webEngineMapped(qint64 pid)
{
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt5WebEngine");
}

struct Lists {
    QByteArray hot;
    QByteArray keys;
};

const Lists &bigLists()
{
    static const Lists lists = [] {
    QByteArray hot("[");
    QByteArray keys("[");
    for (int i = 0; i < ListWords; ++i) {
        if (i) {
            hot += ',';
            keys += ',';
        }
        hot += QStringLiteral("{\"id\":%1,\"hotword\":\"word%1\",\"index\":%2,\"entityType\":\"HotwordVO\"}")
                   .arg(1700000000 + i)
                   .arg(i + 1)
                   .toUtf8();
        keys += QStringLiteral("{\"id\":%1,\"keywordType\":2,\"keywordTypeDesc\":\"url\",\"keyword\":\"key%1\","
                               "\"content\":\"https%3A%2F%2Fexample.com%2F%1\",\"entityType\":\"KeywordVO\"}")
                    .arg(1700000000 + i)
                    .toUtf8();
    }
    hot += ']';
    keys += ']';
    return Lists{hot, keys};
    }();
    return lists;
}

void writeWordLists(const QString &home)
{
    QDir().mkpath(home + QStringLiteral("/config"));
    const Lists &lists = bigLists();
    for (const auto &[name, text] : {std::make_pair("hotwords.json", lists.hot), std::make_pair("keywords.json", lists.keys),
                                     std::make_pair("autokeywords.json", lists.keys)}) {
        QFile f(home + QStringLiteral("/config/") + QLatin1String(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(text);
    }
}

Run startOnce(const QString &program, bool withLists, bool measureIdle)
{
    Run result;
    QTemporaryDir home;
    QTemporaryDir runtime;
    if (withLists)
        writeWordLists(home.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VELLOBOX_HOME"), home.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path()); // an instance lock of its own
    if (!env.contains(QStringLiteral("DISPLAY")) && !env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QString logPath = home.path() + QStringLiteral("/log/log.txt");
    // Every start begins from the same quiet machine, whatever the preparation cost.
    QThread::msleep(QuietMs);

    QProcess process;
    process.setProcessEnvironment(env);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    process.start(program, {QStringLiteral("-h")});
    if (!process.waitForStarted(10000))
        return result;
    qint64 inside = -1;
    while ((inside = loopLineMs(logPath)) < 0 && clock.elapsed() < 30000 && process.state() == QProcess::Running)
        QThread::usleep(PollUs);
    if (inside >= 0) {
        result.toLoopMs = clock.nsecsElapsed() / 1e6;
        result.insideMs = inside;
    }
    if (measureIdle)
        QThread::msleep(IdleMs);
    result.residentKiB = residentKiB(process.processId());
    result.webEngineMapped = webEngineMapped(process.processId());
    result.onDemandMapped = onDemandMapped(process.processId());
    ::kill(pid_t(process.processId()), SIGTERM);
    const bool ended = process.waitForFinished(10000);
    result.orderlyExit = ended && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (!ended)
        process.kill();
    process.waitForFinished();
    return result;
}

template <typename T>
double median(QVector<T> values)
{
    if (values.isEmpty())
        return -1;
    std::sort(values.begin(), values.end());
    const int n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString program = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(VB_PROGRAM);
    const QString bare = QStringLiteral(VB_BARE);
    const int runs = argc > 2 ? qMax(1, atoi(argv[2])) : 21;

    QProcess tray;
    if (qEnvironmentVariableIsSet("DISPLAY")) {
        tray.start(QStringLiteral(VB_TRAYHOST), QStringList());
        if (!tray.waitForReadyRead(5000) || !tray.readAll().startsWith("ready")) {
            std::fprintf(stderr, "no stand-in tray: the program would not start hidden\n");
            return 1;
        }
    } else {
        std::fprintf(stderr, "no X display: offscreen has no tray, so the program shows its window\n");
    }
    // A desktop session has a session bus. Without one, the first D-Bus user in a Qt program
    // (the tray icon, the accessibility bridge) tries to start one through dbus-launch, which a
    // desktop never pays: the benchmark holds a bus of its own for the run when there is none.
    QProcess bus;
    if (!qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS")) {
        bus.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                  QStringLiteral("--print-address=1")});
        if (bus.waitForReadyRead(5000)) {
            qputenv("DBUS_SESSION_BUS_ADDRESS", bus.readLine().trimmed());
        } else {
            std::fprintf(stderr, "no session bus could be started: the program pays for looking for one\n");
            bus.kill();
        }
    }

    bigLists();
    // One warm-up each: the first start pays for cold caches.
    startOnce(bare, false, false);
    startOnce(program, false, false);

    QVector<double> bareMs, oursMs, listsMs;
    QVector<qint64> bareInside, oursInside, listsInside;
    bool mapped = false, orderly = true;
    QStringList early;
    for (int run = 0; run < runs; ++run) {
        // The order rotates: a start right after another start of the same program is faster.
        Run b, o, l;
        for (int k = 0; k < 3; ++k) {
            switch ((run + k) % 3) {
            case 0: b = startOnce(bare, false, false); break;
            case 1: o = startOnce(program, false, false); break;
            default: l = startOnce(program, true, false); break;
            }
        }
        if (b.toLoopMs < 0 || o.toLoopMs < 0 || l.toLoopMs < 0) {
            std::fprintf(stderr, "a program did not reach its event loop\n");
            return 1;
        }
        bareMs << b.toLoopMs;
        bareInside << b.insideMs;
        oursMs << o.toLoopMs;
        listsMs << l.toLoopMs;
        oursInside << o.insideMs;
        listsInside << l.insideMs;
        mapped = mapped || o.webEngineMapped || l.webEngineMapped;
        early << o.onDemandMapped << l.onDemandMapped;
        orderly = orderly && o.orderlyExit && l.orderlyExit;
    }
    const Run idle = startOnce(program, false, true);

    std::printf("start to event loop, hidden, median of %d runs (ms)\n", runs);
    std::printf("%-34s %8s %12s\n", "", "outside", "inside main");
    std::printf("%-34s %8.1f %12.1f\n", "bare Qt Widgets program", median(bareMs), median(bareInside));
    std::printf("%-34s %8.1f %12.1f\n", "vellobox, empty word lists", median(oursMs), median(oursInside));
    std::printf("%-34s %8.1f %12.1f\n", "vellobox, 3 x 100,000-word lists", median(listsMs), median(listsInside));
    std::printf("ratio to the bare program: %.2f\n", median(oursMs) / median(bareMs));
    std::printf("lists cost at start: %+.1f ms\n", median(listsMs) - median(oursMs));
    std::printf("resident after %d s idle: %.1f MiB\n", IdleMs / 1000, idle.residentKiB / 1024.0);
    std::printf("QtWebEngine mapped before a web page was opened: %s\n",
                mapped || idle.webEngineMapped ? "YES" : "no");
    // At the event loop; the Bluetooth scan a few seconds later loads Bluetooth, as it should.
    early.removeDuplicates();
    std::printf("libraries of first use mapped by a hidden start: %s\n",
                early.isEmpty() ? "none" : qPrintable(early.join(QStringLiteral(", "))));
    std::printf("orderly exit on SIGTERM: %s\n", orderly && idle.orderlyExit ? "yes" : "NO");
    for (QProcess *helper : {&bus, &tray}) {
        if (helper->state() == QProcess::Running) {
            helper->kill();
            helper->waitForFinished();
        }
    }
    return 0;
}
