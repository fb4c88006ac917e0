// Word lists and tables at scale: append, write and load of a word list, checking the rows of
// a checkable table, and adding one word on the hot-word page. Each size should cost about its
// share: 10x the words, 10x the time; adding one word should cost the same at any size.
//   wordlists
#include "config/HotWordStore.h"
#include "databinding/ZTableWidget.h"
#include "device/mouse/mirel/ui/HotWordTab.h"
#include "orm/data/DataHandler.h"
#include "orm/data/HotwordVO.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {
double msSince(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

QVector<HotwordVO> words(int n)
{
    QVector<HotwordVO> list;
    list.reserve(n);
    for (int i = 0; i < n; ++i) {
        HotwordVO w;
        w.hotword = QStringLiteral("热词%1 word").arg(i);
        w.index = -1;
        list.append(w);
    }
    return list;
}

constexpr int Repeats = 5;

// The best of a few runs: the machine is shared.
void wordListRow(const QString &dir, int n)
{
    const QVector<HotwordVO> list = words(n);
    double appendMs = 1e9, writeMs = 1e9, loadMs = 1e9;
    bool complete = true;
    for (int repeat = 0; repeat < Repeats; ++repeat) {
        DataHandler<HotwordVO> handler;
        handler.filePath = dir + QStringLiteral("/hotwords-%1.json").arg(n);
        QElapsedTimer t;
        t.start();
        // Two batches: the second must not rescan the first for every new id.
        handler.appendAll(list.mid(0, n / 2));
        handler.appendAll(list.mid(n / 2));
        appendMs = std::min(appendMs, msSince(t));
        t.restart();
        handler.flush(); // the background write, done here at once
        writeMs = std::min(writeMs, msSince(t));

        DataHandler<HotwordVO> reader;
        reader.filePath = handler.filePath;
        t.restart();
        reader.load();
        loadMs = std::min(loadMs, msSince(t));
        complete = complete && reader.records.size() == n;
    }
    std::printf("%-8d %12.2f %12.2f %12.2f %s\n", n, appendMs, writeMs, loadMs, complete ? "" : "LOST WORDS");
}

void tableRow(int rows)
{
    QVector<std::shared_ptr<HotwordVO>> owned;
    QVector<DataCore *> records;
    for (const HotwordVO &w : words(rows)) {
        owned.append(std::make_shared<HotwordVO>(w));
        records.append(owned.last().get());
    }
    ZTableWidget table;
    table.init(HotwordVO::staticFieldTable(), QStringLiteral("HotwordVO"), true);
    table.setDatas(records);
    table.bindData();

    QElapsedTimer t;
    t.start();
    table.setAllCheckboxStatus(true);
    table.setHeaderChecked(true);
    const double allMs = msSince(t);

    table.setAllCheckboxStatus(false);
    table.setHeaderChecked(false);
    t.restart();
    for (int row = 0; row < rows; ++row)
        table.setRowChecked(row, true);
    const double oneByOneMs = msSince(t);
    std::printf("%-8d %12.2f %16.2f %s\n", rows, allMs, oneByOneMs, table.isHeaderChecked() ? "" : "HEADER WRONG");
}
// One word typed and added on the hot-word page holding n words, until the window can paint
// again (the file is written afterwards, off the GUI thread). The median of a few adds.
void addOneWordRow(const QString &dir, int n)
{
    const QString home = dir + QStringLiteral("/home-%1").arg(n);
    qputenv("VELLOBOX_HOME", home.toLocal8Bit());
    {
        DataHandler<HotwordVO> seed;
        seed.filePath = home + QStringLiteral("/config/hotwords.json");
        seed.appendAll(words(n));
        seed.flush();
    }
    HotWordStore::instance().load();
    HotWordTab page;
    page.resize(800, 600);
    page.show();
    QApplication::processEvents();
    auto *text = page.findChild<QPlainTextEdit *>(QStringLiteral("teHotWords"));
    auto *add = page.findChild<QPushButton *>(QStringLiteral("btnAdd"));
    QVector<double> times;
    for (int repeat = 0; repeat < Repeats; ++repeat) {
        text->setPlainText(QStringLiteral("新词 %1").arg(repeat));
        QElapsedTimer t;
        t.start();
        add->click();
        QApplication::processEvents();
        times.append(msSince(t));
    }
    HotWordStore::instance().flush();
    std::sort(times.begin(), times.end());
    const bool complete = HotWordStore::instance().hotwords().records.size() == n + Repeats;
    std::printf("%-8d %12.2f %12.2f %s\n", n, times[Repeats / 2], times.last(), complete ? "" : "LOST WORDS");
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;

    std::printf("word list (hot words)\n%-8s %12s %12s %12s\n", "words", "append ms", "write ms*", "load ms");
    for (int n : {1000, 10000, 100000})
        wordListRow(dir.path(), n);

    std::printf("* off the GUI thread in the program; the file is synced to disk\n");
    std::printf("\ncheckable table\n%-8s %12s %16s\n", "rows", "check-all ms", "one-by-one ms");
    for (int rows : {1000, 4000})
        tableRow(rows);

    std::printf("\nhot-word page: add one word\n%-8s %12s %12s\n", "words", "median ms", "worst ms");
    for (int n : {1000, 10000, 100000})
        addOneWordRow(dir.path(), n);
    return 0;
}
