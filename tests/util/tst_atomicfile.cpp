#include "support/FullDisk.h"
#include "util/AtomicFile.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QTemporaryDir>
#include <QtTest>

#include <climits>
#include <cstdio>
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString g_watched; // the file whose content is noted when its folder is synced
QStringList g_folderSyncs;
bool g_stopAtRename = false; // a save child that is to be killed inside its rename

// A program killed while it saves: this executable run with "--save-child <folder> rename" stops
// inside its first rename, with "loop" it saves two files over and over.
int runSaveChild(const QString &folder, const QString &mode)
{
    const QByteArray text(20000, 'n');
    if (mode == QLatin1String("rename")) {
        g_stopAtRename = true;
        AtomicFile::write(folder + QStringLiteral("/hotwords.json"), text);
        return 1;
    }
    for (int i = 0;; ++i) {
        AtomicFile::write(folder + QStringLiteral("/hotwords.json"), text);
        AtomicFile::write(folder + QStringLiteral("/setting/pointer.json"), text);
        if (i == 0) {
            std::fputs("ready\n", stdout);
            std::fflush(stdout);
        }
    }
}
} // namespace

extern "C" int rename(const char *from, const char *to)
{
    static const auto real = reinterpret_cast<int (*)(const char *, const char *)>(::dlsym(RTLD_NEXT, "rename"));
    if (g_stopAtRename) {
        std::fputs("renaming\n", stdout);
        std::fflush(stdout);
        for (;;)
            ::pause();
    }
    return real(from, to);
}

// Every fsync of this process passes here: those of a folder are noted with what the watched
// file held at that moment.
extern "C" int fsync(int fd)
{
    static const auto real = reinterpret_cast<int (*)(int)>(::dlsym(RTLD_NEXT, "fsync"));
    struct stat info;
    if (!g_watched.isEmpty() && ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        char folder[PATH_MAX] = {};
        const QByteArray link = "/proc/self/fd/" + QByteArray::number(fd);
        if (::readlink(link.constData(), folder, sizeof folder - 1) > 0) {
            QFile file(g_watched);
            file.open(QIODevice::ReadOnly);
            g_folderSyncs << QFile::decodeName(folder) + QLatin1Char(':') + QString::fromUtf8(file.readAll());
        }
    }
    return real(fd);
}

class TestAtomicFile : public QObject
{
    Q_OBJECT
private slots:
    void whatDoesNotReachTheDiskLeavesTheOldFile_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("small") << 100;
        QTest::newRow("large") << 100000;
    }

    void whatDoesNotReachTheDiskLeavesTheOldFile()
    {
        QFETCH(int, size);
        QTemporaryDir dir;
        FullDisk disk(dir.path());
        const QString path = dir.filePath("file");
        QVERIFY(AtomicFile::write(path, "old"));
        const QByteArray text(size, 'x');

        disk.fill();
        QString error;
        const bool ok = AtomicFile::write(path, text, &error);
        disk.free();

        QVERIFY(!ok);
        QVERIFY(!error.isEmpty());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"file"}); // no temporary left
        QVERIFY(AtomicFile::write(path, text)); // with room again
        QCOMPARE(QFileInfo(path).size(), qint64(size));
    }

    // Saves killed in their rename, and anywhere else, leave temporaries that the next start
    // removes; the user's own copies beside the files stay, whatever their names.
    void whatKilledSavesLeftIsRemovedAndNothingElse()
    {
        QTemporaryDir dir;
        const QStringList usersOwn{"hotwords.json.AbCdEf", "keywords.json.backup", "notes.txt"};
        for (const QString &name : usersOwn)
            QVERIFY(AtomicFile::write(dir.filePath(name), name.toUtf8()));
        QVERIFY(AtomicFile::write(dir.filePath("hotwords.json"), "old"));
        QVERIFY(AtomicFile::write(dir.filePath("setting/pointer.json"), "old"));
        const auto killed = [&](const QString &mode, const QByteArray &signal, int waitMs) {
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(), {"--save-child", dir.path(), mode});
            QVERIFY(child.waitForStarted());
            QVERIFY(child.waitForReadyRead(10000));
            QCOMPARE(child.readLine().trimmed(), signal);
            QThread::msleep(waitMs);
            child.kill();
            QVERIFY(child.waitForFinished(10000));
        };
        killed("rename", "renaming", 0);
        const QStringList cutShort = QDir(dir.path()).entryList({"hotwords.json.*"}, QDir::Files);
        QCOMPARE(cutShort.size(), 2); // the user's copy and what the kill left
        for (int round = 0; round < 8; ++round)
            killed("loop", "ready", QRandomGenerator::global()->bounded(20));

        AtomicFile::removeLeftovers(dir.path(), true);
        QStringList expected = usersOwn + QStringList{"hotwords.json"};
        expected.sort();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name), expected);
        QCOMPARE(QDir(dir.filePath("setting")).entryList(QDir::Files), QStringList{"pointer.json"});
        for (const QString &name : usersOwn) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), name.toUtf8());
        }
        for (const char *name : {"hotwords.json", "setting/pointer.json"}) {
            QFile file(dir.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray content = file.readAll();
            QVERIFY(content == "old" || content == QByteArray(20000, 'n'));
        }
    }

    void theFolderIsSyncedAfterTheRename()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("file");
        QVERIFY(AtomicFile::write(path, "old"));
        g_watched = path;
        g_folderSyncs.clear();
        const bool written = AtomicFile::write(path, "new");
        g_watched.clear();
        QVERIFY(written);
        QCOMPARE(g_folderSyncs, QStringList{QFileInfo(dir.path()).canonicalFilePath() + ":new"});
    }
};

int main(int argc, char **argv)
{
    if (argc == 4 && qstrcmp(argv[1], "--save-child") == 0)
        return runSaveChild(QString::fromLocal8Bit(argv[2]), QString::fromLatin1(argv[3]));
    QCoreApplication app(argc, argv);
    TestAtomicFile test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_atomicfile.moc"
