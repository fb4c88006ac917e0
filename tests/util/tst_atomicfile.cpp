#include "support/FullDisk.h"
#include "util/AtomicFile.h"

#include <QDir>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QtTest>

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
};

QTEST_MAIN(TestAtomicFile)
#include "tst_atomicfile.moc"
