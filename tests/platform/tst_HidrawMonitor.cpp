#include "platform/HidrawMonitor.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

// A node reported by udev is announced once it can be opened, after a few tries at most;
// a node that goes away before that is never announced at all.
class tst_HidrawMonitor : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString node(const QString &name) const { return m_dir.path() + QLatin1Char('/') + name; }

    static void create(const QString &path)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }

private slots:
    void openableNodeIsAnnouncedAtOnce()
    {
        HidrawMonitor monitor;
        QSignalSpy added(&monitor, &HidrawMonitor::deviceAdded);
        const QString path = node(QStringLiteral("hidraw0"));
        create(path);
        monitor.nodeAdded(path);
        QCOMPARE(added.count(), 1);
        QCOMPARE(added.at(0).at(0).toString(), path);
    }

    void nodeIsAnnouncedWhenItBecomesOpenable()
    {
        HidrawMonitor monitor;
        monitor.setOpenRetries(20, 20);
        QSignalSpy added(&monitor, &HidrawMonitor::deviceAdded);
        const QString path = node(QStringLiteral("hidraw1"));
        monitor.nodeAdded(path);
        QCOMPARE(added.count(), 0);
        QTimer::singleShot(60, this, [path] { create(path); });
        QVERIFY(added.wait(2000));
        QCOMPARE(added.count(), 1);
        QCOMPARE(added.at(0).at(0).toString(), path);
        QTest::qWait(100);
        QCOMPARE(added.count(), 1); // once, not once per try
    }

    void nodeThatNeverOpensIsAnnouncedAfterTheLastTry()
    {
        HidrawMonitor monitor;
        monitor.setOpenRetries(3, 10);
        QSignalSpy added(&monitor, &HidrawMonitor::deviceAdded);
        QElapsedTimer t;
        t.start();
        monitor.nodeAdded(node(QStringLiteral("never")));
        QVERIFY(added.wait(2000));
        QVERIFY(t.elapsed() >= 15); // it did wait for the retries
        QTest::qWait(50);
        QCOMPARE(added.count(), 1);
    }

    void nodeGoneBeforeOpeningIsNeverAnnounced()
    {
        HidrawMonitor monitor;
        monitor.setOpenRetries(3, 10);
        QSignalSpy added(&monitor, &HidrawMonitor::deviceAdded);
        QSignalSpy removed(&monitor, &HidrawMonitor::deviceRemoved);
        const QString path = node(QStringLiteral("brief"));
        monitor.nodeAdded(path);
        monitor.nodeRemoved(path);
        QTest::qWait(100);
        QCOMPARE(added.count(), 0);
        QCOMPARE(removed.count(), 0);
    }

    void removalOfAnAnnouncedNodeIsReported()
    {
        HidrawMonitor monitor;
        QSignalSpy removed(&monitor, &HidrawMonitor::deviceRemoved);
        const QString path = node(QStringLiteral("hidraw2"));
        create(path);
        monitor.nodeAdded(path);
        monitor.nodeRemoved(path);
        QCOMPARE(removed.count(), 1);
        QCOMPARE(removed.at(0).at(0).toString(), path);
    }
};

QTEST_GUILESS_MAIN(tst_HidrawMonitor)
#include "tst_HidrawMonitor.moc"
