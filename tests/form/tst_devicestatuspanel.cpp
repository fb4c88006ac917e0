#include "form/panel/DeviceStatusPanel.h"

#include <QLabel>
#include <QtTest>

namespace {
QVector<int> links(const DeviceStatusPanel &panel)
{
    return {panel.linkStatus(0), panel.linkStatus(1), panel.linkStatus(2)};
}
} // namespace

class TestDeviceStatusPanel : public QObject
{
    Q_OBJECT

    // The information page's first state: device, receiver and App connected, cloud not.
    static void pageStart(DeviceStatusPanel &panel)
    {
        panel.setStatus(0, 2);
        panel.setStatus(1, 2);
        panel.setStatus(2, 2);
        panel.setStatus(3, 1);
    }

private slots:
    void picturesShrinkToThreeQuarters_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QSize>("size");
        QTest::newRow("device") << "lbDeviceImg" << QSize(16, 22);
        QTest::newRow("receiver") << "lbReceiverImg" << QSize(17, 22);
        QTest::newRow("App") << "lbAppImg" << QSize(24, 17);
        QTest::newRow("cloud") << "lbCloudImg" << QSize(24, 16);
        QTest::newRow("Bluetooth") << "lbBlueToothImg" << QSize(11, 11);
        QTest::newRow("USB") << "lbUsbImg" << QSize(9, 11);
    }

    void picturesShrinkToThreeQuarters()
    {
        QFETCH(QString, label);
        QFETCH(QSize, size);
        DeviceStatusPanel panel;
        auto *l = panel.findChild<QLabel *>(label);
        QCOMPARE(l->minimumSize(), size);
        QCOMPARE(l->maximumSize(), size);
        QVERIFY(!l->pixmap(Qt::ReturnByValue).isNull());
    }

    void linksFollowTheNodesTheyJoin_data()
    {
        QTest::addColumn<int>("node");
        QTest::addColumn<int>("status");
        QTest::addColumn<QVector<int>>("expected");
        QTest::newRow("page start") << 0 << 2 << QVector<int>{2, 2, 1};
        QTest::newRow("receiver lost") << 1 << 1 << QVector<int>{1, 1, 1};
        QTest::newRow("cloud unknown beside a connected App") << 3 << 0 << QVector<int>{2, 2, 0};
        QTest::newRow("device unknown beside a connected receiver") << 0 << 0 << QVector<int>{0, 2, 1};
        QTest::newRow("App lost") << 2 << 1 << QVector<int>{2, 1, 1};
        QTest::newRow("refused status") << 1 << -1 << QVector<int>{2, 2, 1};
        QTest::newRow("refused node") << 4 << 1 << QVector<int>{2, 2, 1};
        QTest::newRow("refused negative node") << -1 << 1 << QVector<int>{2, 2, 1};
    }

    void linksFollowTheNodesTheyJoin()
    {
        QFETCH(int, node);
        QFETCH(int, status);
        QFETCH(QVector<int>, expected);
        DeviceStatusPanel panel;
        pageStart(panel);
        panel.setStatus(node, status);
        QCOMPARE(links(panel), expected);
        if (node >= 0 && node < 4 && status >= 0)
            QCOMPARE(panel.status(node), status);
        else
            QCOMPARE(QVector<int>({panel.status(0), panel.status(1), panel.status(2), panel.status(3)}),
                     QVector<int>({2, 2, 2, 1}));
    }

    void linkRuleIsSymmetric_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("link");
        QTest::newRow("2 2") << 2 << 2 << 2;
        QTest::newRow("2 1") << 2 << 1 << 1;
        QTest::newRow("1 1") << 1 << 1 << 1;
        QTest::newRow("1 0") << 1 << 0 << 1;
        QTest::newRow("2 0") << 2 << 0 << 0;
    }

    void linkRuleIsSymmetric()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, link);
        for (bool swap : {false, true}) {
            DeviceStatusPanel panel;
            panel.setStatus(1, swap ? b : a);
            panel.setStatus(2, swap ? a : b);
            QCOMPARE(panel.linkStatus(1), link);
        }
    }

    void linkPicturesStayWhenTheStateIsTheSame()
    {
        DeviceStatusPanel panel;
        pageStart(panel);
        auto *line = panel.findChild<QLabel *>("lbLine1");
        const qint64 before = line->pixmap(Qt::ReturnByValue).cacheKey();
        panel.setStatus(1, 2);
        QCOMPARE(line->pixmap(Qt::ReturnByValue).cacheKey(), before);
    }

    void linkPicturesHideAndShowAgain()
    {
        DeviceStatusPanel panel;
        auto *usb = panel.findChild<QLabel *>("lbUsbImg");
        auto *bluetooth = panel.findChild<QLabel *>("lbBlueToothImg");
        panel.setUsbStatus(-1);
        QVERIFY(usb->isHidden());
        panel.setUsbStatus(2);
        QVERIFY(!usb->isHidden());
        QCOMPARE(DeviceStatusPanel::shownStatus(usb), 2);
        panel.setBluetoothStatus(-1);
        QVERIFY(bluetooth->isHidden());
        panel.setBluetoothStatus(1);
        QCOMPARE(DeviceStatusPanel::shownStatus(bluetooth), 1);
        QVERIFY(!bluetooth->isHidden());
    }

    void noticeRowShowsOnlyWithText()
    {
        DeviceStatusPanel panel;
        auto *title = panel.findChild<QLabel *>("lbNotification");
        auto *text = panel.findChild<QLabel *>("lbNotifiedText");
        QVERIFY(title->isHidden());
        panel.setNotification(QStringLiteral("<b>接收器</b>"));
        QVERIFY(!title->isHidden());
        QCOMPARE(text->text(), QStringLiteral("<b>接收器</b>"));
        QCOMPARE(text->textFormat(), Qt::PlainText);
        panel.setNotification(QString());
        QVERIFY(title->isHidden());
        QVERIFY(text->text().isEmpty());
    }
};

QTEST_MAIN(TestDeviceStatusPanel)
#include "tst_devicestatuspanel.moc"
