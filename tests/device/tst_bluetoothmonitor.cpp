#include "logging/QsLog.h"
#include "logic/businessLogic/monitor/BlueToothMonitor.h"
#include "support/TestHome.h"
#include "support/ToastRecorder.h"

#include <QFile>
#include <QSignalSpy>
#include <QtTest>

class TestBlueToothMonitor : public QObject
{
    Q_OBJECT
private slots:
    void stopBeforeStartOnlyLogs();
    void noAdapterTellsTheUser();
};

void TestBlueToothMonitor::stopBeforeStartOnlyLogs()
{
    TestHome home;
    auto &logger = QsLogging::Logger::instance();
    logger.setFileDestination(home.file("log/log.txt"), 1024 * 1024, 1);
    BlueToothMonitor::instance().stop();
    logger.flush();
    logger.setFileDestination(QString(), 0, 0);
    QFile log(home.file("log/log.txt"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QByteArray text = log.readAll();
    QVERIFY2(text.contains("DiscoveryAgent is Not created"), text.constData());
    QVERIFY(!text.contains("BlueTooth Manager: Stop"));
}

void TestBlueToothMonitor::noAdapterTellsTheUser()
{
    if (BlueToothMonitor::hasAdapter())
        QSKIP("this machine has a Bluetooth adapter");
    ToastRecorder toasts;
    QSignalSpy started(&BlueToothMonitor::instance(), &BlueToothMonitor::startScan);
    QSignalSpy finished(&BlueToothMonitor::instance(), &BlueToothMonitor::finishScan);
    BlueToothMonitor::instance().start(true);
    QCOMPARE(started.size(), 1);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(toasts.entries.size(), 1);
    QCOMPARE(toasts.entries[0].type, 2);
    QVERIFY(toasts.entries[0].text.contains(QStringLiteral("蓝牙适配器")));
    QVERIFY(!BlueToothMonitor::instance().isDiscovering());

    // The quiet start at program start shows nothing.
    BlueToothMonitor::instance().start(false);
    QCOMPARE(toasts.entries.size(), 1);
    QCOMPARE(finished.size(), 2);
}

QTEST_MAIN(TestBlueToothMonitor)
#include "tst_bluetoothmonitor.moc"
