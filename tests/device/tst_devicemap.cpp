#include "device/DeviceContext.h"
#include "device/DeviceMap.h"

#include <QtTest>
#include <thread>

class TestDeviceMap : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { DeviceMap::instance().clear(); }
    void insertEraseAndCopies();
    void twoThreads();
};

void TestDeviceMap::insertEraseAndCopies()
{
    DeviceContext a;
    DeviceContext b;
    DeviceMap &map = DeviceMap::instance();
    QVERIFY(map.insert("a", &a));
    QVERIFY(!map.insert("a", &b)); // a key is one device
    QVERIFY(!map.insert("n", nullptr));
    QVERIFY(map.insert("b", &b));
    QCOMPARE(map.value("a"), &a);

    const QMap<QString, DeviceContext *> copy = map.snapshot();
    QCOMPARE(map.erase("a"), 1);
    QCOMPARE(map.erase("a"), 0);
    QVERIFY(!map.contains("a"));
    QCOMPARE(map.value("a"), nullptr);
    // The copy is the map as it was.
    QCOMPARE(copy.size(), 2);
    QCOMPARE(copy.value("a"), &a);
    QCOMPARE(map.size(), 1);
}

void TestDeviceMap::twoThreads()
{
    constexpr int Count = 2000;
    std::vector<std::unique_ptr<DeviceContext>> contexts;
    for (int i = 0; i < 2 * Count; ++i)
        contexts.push_back(std::make_unique<DeviceContext>());
    DeviceMap &map = DeviceMap::instance();

    // Two listener threads add devices; one of them also drops every other one it added.
    std::thread first([&] {
        for (int i = 0; i < Count; ++i)
            map.insert(QStringLiteral("a%1").arg(i), contexts[i].get());
    });
    std::thread second([&] {
        for (int i = 0; i < Count; ++i) {
            const QString key = QStringLiteral("b%1").arg(i);
            map.insert(key, contexts[Count + i].get());
            if (i % 2 == 0)
                map.erase(key);
        }
    });
    // Meanwhile the GUI thread walks copies.
    int walked = 0;
    for (int round = 0; round < 200; ++round) {
        const auto copy = map.snapshot();
        for (auto it = copy.cbegin(); it != copy.cend(); ++it) {
            QVERIFY(it.value());
            ++walked;
        }
    }
    first.join();
    second.join();
    QCOMPARE(map.size(), Count + Count / 2);
    QVERIFY(map.contains("a0"));
    QVERIFY(!map.contains("b0"));
    QVERIFY(map.contains("b1"));
    QVERIFY(walked >= 0);
}

QTEST_MAIN(TestDeviceMap)
#include "tst_devicemap.moc"
