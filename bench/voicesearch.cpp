// Voice search at scale: keyword matching at 1,000 and 100,000 keywords (prepared once
// against normalising every keyword per query), and the detected-applications page for 500
// desktop entries, first opening (reads the entries and icons) and second (shared list).
//   QT_QPA_PLATFORM=offscreen voicesearch
#include "config/HotWordStore.h"
#include "form/tab/AutoDetectAppTab.h"
#include "form/tab/InstalledProgramList.h"
#include "logic/businessLogic/workflow/voicesearch/KeywordIndex.h"
#include "orm/data/KeywordVO.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {
using List = QVector<std::shared_ptr<KeywordVO>>;

List makeKeywords(int n)
{
    List list;
    list.reserve(n);
    for (int i = 0; i < n; ++i)
        list.append(std::make_shared<KeywordVO>(2, QStringLiteral("打开 网站-%1 号").arg(i),
                                                QStringLiteral("example.com/%1").arg(i), QString()));
    return list;
}

// What every query did before: a regular expression over every keyword.
std::shared_ptr<KeywordVO> unpreparedMatch(const QString &text, const List &list)
{
    static const QRegularExpression noise(QStringLiteral("[\\s\\p{P}\\p{S}]"));
    const auto norm = [](QString t) { return t.remove(noise).toLower(); };
    const QString spoken = norm(text);
    std::shared_ptr<KeywordVO> best;
    int bestSize = 0;
    for (const auto &k : list) {
        const QString w = norm(k->keyword);
        if (w == spoken)
            return k;
        if (!w.isEmpty() && spoken.contains(w) && w.size() > bestSize) {
            best = k;
            bestSize = w.size();
        }
    }
    return best;
}

template <typename F>
double medianMs(int runs, F f)
{
    QVector<double> t;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        f();
        t.append(timer.nsecsElapsed() / 1e6);
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

void benchMatching()
{
    std::printf("keyword matching, median ms per query of a text that names no keyword (the worst case)\n");
    std::printf("%10s %12s %16s %20s\n", "keywords", "prepare ms", "query, prepared", "query, unprepared");
    for (int n : {1000, 100000}) {
        const List list = makeKeywords(n);
        KeywordIndex index;
        const double prepare = medianMs(3, [&] { index.prepare(list, {}); });
        const QString miss = QStringLiteral("今天天气怎么样");
        const double prepared = medianMs(21, [&] { index.match(miss); });
        const double unprepared = medianMs(n > 10000 ? 3 : 11, [&] { unpreparedMatch(miss, list); });
        std::printf("%10d %12.2f %16.3f %20.3f\n", n, prepare, prepared, unprepared);
    }
}

// Entries of installed programs: GIO leaves out an entry whose program is not there, so
// each names a link in the folder to a real executable, this benchmark itself.
void writeEntries(const QString &dir, int count)
{
    QDir().mkpath(dir + QStringLiteral("/applications"));
    QDir().mkpath(dir + QStringLiteral("/bin"));
    QImage icon(256, 256, QImage::Format_ARGB32);
    for (int i = 0; i < count; ++i) {
        icon.fill(QColor::fromHsv(i % 360, 200, 200));
        const QString iconPath = dir + QStringLiteral("/icon%1.png").arg(i);
        icon.save(iconPath);
        const QString program = dir + QStringLiteral("/bin/program%1").arg(i);
        if (!QFile::link(QCoreApplication::applicationFilePath(), program))
            std::fprintf(stderr, "cannot link %s\n", qPrintable(program));
        QFile f(dir + QStringLiteral("/applications/app%1.desktop").arg(i, 4, 10, QLatin1Char('0')));
        f.open(QIODevice::WriteOnly);
        f.write(QStringLiteral("[Desktop Entry]\nType=Application\nName=Program %1\nName[de]=Programm %1\n"
                               "Icon=%2\nExec=%3 --open %U\n")
                    .arg(i)
                    .arg(iconPath, program)
                    .toUtf8());
    }
}

void benchProgramPage()
{
    QTemporaryDir data;
    QTemporaryDir home;
    qputenv("VELLOBOX_HOME", QFile::encodeName(home.path()));
    HotWordStore::instance().load();
    writeEntries(data.path(), 500);
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(home.path()));

    std::printf("\ndetected-applications page, 500 desktop entries with 256x256 icons\n");
    InstalledProgramList &list = InstalledProgramList::instance();
    QSignalSpy loaded(&list, &InstalledProgramList::loaded);
    QElapsedTimer timer;
    timer.start();
    AutoDetectAppTab first;
    first.show();
    const double shown = timer.nsecsElapsed() / 1e6;
    loaded.wait(60000);
    const double listed = timer.nsecsElapsed() / 1e6;
    QApplication::processEvents();
    std::printf("first opening:  page shown after %.1f ms (GUI thread), %d rows after %.1f ms\n", shown,
                int(first.items().size()), listed);
    timer.restart();
    AutoDetectAppTab second;
    second.show();
    std::printf("second opening: %d rows after %.1f ms (shared list, no read)\n", int(second.items().size()),
                timer.nsecsElapsed() / 1e6);
    std::printf("reads of the entries: %d\n", int(loaded.size()));
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchMatching();
    benchProgramPage();
    return 0;
}
