#include "support/FullDisk.h"
#include "util/AtomicFile.h"

#include <QDir>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QtTest>

#include <climits>
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString g_watched; // the file whose content is noted when its folder is synced
QStringList g_folderSyncs;
} // namespace

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
        QTest::addColumn<bool>("streamed");
        QTest::addColumn<int>("size");
        QTest::newRow("whole, small") << false << 100;
        QTest::newRow("streamed, small") << true << 100;
        // Past QFileDevice's buffer: the first bytes are written before the last are.
        QTest::newRow("streamed, large") << true << 100000;
    }

    void whatDoesNotReachTheDiskLeavesTheOldFile()
    {
        QFETCH(bool, streamed);
        QFETCH(int, size);
        QTemporaryDir dir;
        FullDisk disk(dir.path());
        const QString path = dir.filePath("file");
        QVERIFY(AtomicFile::write(path, "old"));
        const QByteArray text(size, 'x');

        disk.fill();
        bool ok = false;
        QString error;
        if (streamed) {
            QSaveFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            for (int at = 0; at < text.size(); at += 4096)
                file.write(text.mid(at, 4096));
            ok = AtomicFile::commit(file, &error);
        } else {
            ok = AtomicFile::write(path, text, &error);
        }
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

QTEST_MAIN(TestAtomicFile)
#include "tst_atomicfile.moc"
