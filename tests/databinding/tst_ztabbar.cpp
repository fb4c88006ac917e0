#include "databinding/ZTabBar.h"
#include "databinding/ZTabWidget.h"
#include "device/DeviceContext.h"
#include "device/IDeviceLogic.h"

#include <QLabel>
#include <QPainter>
#include <QtTest>
#include <memory>

namespace {
// A device logic that only draws its status: a red square and a note of where.
class StatusLogic : public IDeviceLogic
{
public:
    explicit StatusLogic(DeviceContext *context)
        : IDeviceLogic(context)
    {
    }
    DeviceUi initializeUI(QWidget *) override { return m_ui; }
    QString typeName() const override { return QStringLiteral("status"); }
    void paintStatus(QPainter *painter, const QRect &rect) const override
    {
        painted.append(rect);
        painter->fillRect(QRect(rect.right() - 8, rect.top() + 2, 6, 6), Qt::red);
    }
    mutable QVector<QRect> painted;
};
} // namespace

class TestZTabBar : public QObject
{
    Q_OBJECT

private slots:
    void parallelContextList();
    void statusIsPaintedPerDevice();
};

void TestZTabBar::parallelContextList()
{
    ZTabWidget tabs;
    ZTabBar *bar = tabs.zTabBar();
    QCOMPARE(static_cast<QTabBar *>(bar), tabs.tabBar());
    DeviceContext first;
    DeviceContext second;

    // The placeholder's entry is null.
    bar->appendItem(nullptr);
    tabs.addTab(new QLabel, QStringLiteral("无设备"));
    QCOMPARE(bar->items().size(), tabs.count());

    tabs.removeTab(0);
    bar->removeItemAt(0);
    tabs.addTab(new QLabel, QStringLiteral("A"));
    bar->appendItem(&first);
    tabs.addTab(new QLabel, QStringLiteral("B"));
    bar->appendItem(&second);
    QCOMPARE(bar->items(), (QVector<DeviceContext *>{&first, &second}));
    QCOMPARE(bar->itemAt(1), &second);
    QCOMPARE(bar->itemAt(5), nullptr);

    bar->removeItemAt(0);
    tabs.removeTab(0);
    QCOMPARE(bar->items(), QVector<DeviceContext *>{&second});
    bar->removeItemAt(7); // out of range: nothing
    QCOMPARE(bar->items().size(), tabs.count());
}

void TestZTabBar::statusIsPaintedPerDevice()
{
    ZTabWidget tabs;
    ZTabBar *bar = tabs.zTabBar();
    DeviceContext withLogic;
    auto owned = std::make_unique<StatusLogic>(&withLogic);
    StatusLogic *logic = owned.get();
    withLogic.logic = logic;
    DeviceContext withoutLogic;

    tabs.addTab(new QLabel, QStringLiteral("Presenter"));
    bar->appendItem(&withLogic);
    tabs.addTab(new QLabel, QStringLiteral("Mouse"));
    bar->appendItem(&withoutLogic);
    tabs.resize(400, 200);
    tabs.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tabs));
    logic->painted.clear();
    const QImage image = bar->grab().toImage();
    QCOMPARE(logic->painted.size(), 1);
    QCOMPARE(logic->painted.at(0), bar->tabRect(0));
    const QRect r = bar->tabRect(0);
    QCOMPARE(QColor(image.pixel(r.right() - 5, r.top() + 5)), QColor(Qt::red));
    withLogic.logic = nullptr;
}

QTEST_MAIN(TestZTabBar)
#include "tst_ztabbar.moc"
