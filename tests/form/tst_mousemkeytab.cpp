#include "DevicePageHome.h"

#include "config/MouseSetting.h"
#include "device/ProductInfo.h"
#include "device/common/ui/DevicePages.h"
#include "device/common/ui/FunctionChipEditor.h"
#include "device/mouse/common/MouseDevice.h"
#include "device/mouse/common/ui/MouseMKeyTab.h"
#include "form/panel/DevicePanelBuilder.h"
#include "form/panel/LeftTabbarPanel.h"
#include "form/panel/TabPanel.h"
#include "qui/control/CheckBoxItem.h"
#include "qui/control/ClickableLabel.h"
#include "support/ToastRecorder.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

namespace {
QVector<int> ids(std::initializer_list<int> list) { return QVector<int>(list); }
} // namespace

class TestMouseMKeyTab : public QObject
{
    Q_OBJECT

    static QVector<int> ticked(const MouseMKeyTab &page)
    {
        QVector<int> result;
        for (int id : MouseMKeyTab::functionIds()) {
            if (page.functionButton(id)->isChecked())
                result << id;
        }
        return result;
    }

private slots:
    void initTestCase() { registerVelloboxMetaTypes(); }

    void newRecordTicksNothingAndOffersEveryCommonFunction()
    {
        DevicePageHome device(std::make_unique<MouseSetting>());
        MouseMKeyTab page;
        page.setContext(&device.context);
        QCOMPARE(ticked(page), ids({}));
        QVERIFY(page.chipEditor()->chipIds().isEmpty());
        QCOMPARE(page.chipEditor()->menuIds(), ids({7, 8, 11, 14, 15, 16}));
        QCOMPARE(page.chipEditor()->action(11)->text(), QStringLiteral("回车"));
    }

    void tickShowsTheFunctionTheMKeyRuns_data()
    {
        QTest::addColumn<int>("function");
        QTest::addColumn<QString>("functions");
        QTest::addColumn<int>("index");
        QTest::addColumn<QVector<int>>("expected");
        QTest::addColumn<int>("stored");
        QTest::newRow("chosen function") << 9 << "11,8" << 1 << ids({9}) << 9;
        QTest::newRow("list position ticks and stores") << -1 << "11,8" << 1 << ids({8}) << 8;
        QTest::newRow("web page") << 19 << "" << 0 << ids({19}) << 19;
        QTest::newRow("id without a row") << 3 << "" << 0 << ids({}) << 3;
        QTest::newRow("listed id without a row") << -1 << "21,8" << 0 << ids({}) << -1;
        QTest::newRow("index past the list") << -1 << "11,8" << 2 << ids({}) << -1;
    }

    void tickShowsTheFunctionTheMKeyRuns()
    {
        QFETCH(int, function);
        QFETCH(QString, functions);
        QFETCH(int, index);
        QFETCH(QVector<int>, expected);
        QFETCH(int, stored);
        DevicePageHome device(std::make_unique<MouseSetting>(),
                              {{"mKey_function", function}, {"mKey_functions", functions}, {"mKey_functionIndex", index}});
        MouseMKeyTab page;
        page.setContext(&device.context);
        QCOMPARE(ticked(page), expected);
        QCOMPARE(device.setting()->mKey_function, stored);
    }

    void addingAndRemovingEditsTheListElementByElement_data()
    {
        QTest::addColumn<QString>("functions");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("add");
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("newIndex");
        QTest::newRow("7 + 8") << "7" << 0 << 8 << true << "7,8" << 0;
        QTest::newRow("11,8,16 - 8") << "11,8,16" << 0 << 8 << false << "11,16" << 0;
        QTest::newRow("11,8 - 11") << "11,8" << 0 << 11 << false << "8" << 0;
        QTest::newRow("8,16 - 16") << "8,16" << 0 << 16 << false << "8" << 0;
        QTest::newRow("17,7 - 7") << "17,7" << 0 << 7 << false << "17" << 0;
        QTest::newRow("index follows") << "11,8,16" << 2 << 16 << false << "11,8" << 1;
        QTest::newRow("last one") << "16" << 0 << 16 << false << "" << -1;
    }

    void addingAndRemovingEditsTheListElementByElement()
    {
        QFETCH(QString, functions);
        QFETCH(int, index);
        QFETCH(int, id);
        QFETCH(bool, add);
        QFETCH(QString, list);
        QFETCH(int, newIndex);
        DevicePageHome device(std::make_unique<MouseSetting>(),
                              {{"mKey_functions", functions}, {"mKey_functionIndex", index}});
        MouseMKeyTab page;
        page.setContext(&device.context);
        if (add)
            page.chipEditor()->action(id)->trigger();
        else
            QTest::mouseClick(page.chipEditor()->chip(id), Qt::LeftButton);
        QCOMPARE(device.stored().value("mKey_functions").toString(), list);
        QCOMPARE(device.stored().value("mKey_functionIndex").toInt(), newIndex);
        QCOMPARE(page.chipEditor()->chipIds().contains(id), add);
    }

    void bindingAgainShowsEachChipOnce()
    {
        DevicePageHome device(std::make_unique<MouseSetting>(), {{"mKey_functions", "11,8"}});
        MouseMKeyTab page;
        page.setContext(&device.context);
        page.setContext(&device.context);
        QCOMPARE(page.chipEditor()->chipIds(), ids({11, 8}));
        QCOMPARE(page.findChild<QHBoxLayout *>("hltFunctionBtns")->count(), 4); // two chips, "+", spacer
    }

    void tickingARowStoresItsFunction_data()
    {
        QTest::addColumn<int>("id");
        QTest::newRow("web page") << 19;
        QTest::newRow("shortcut") << 15;
        QTest::newRow("screenshot translation") << 9;
        QTest::newRow("switch window") << 18;
    }

    void tickingARowStoresItsFunction()
    {
        QFETCH(int, id);
        DevicePageHome device(std::make_unique<MouseSetting>(), {{"mKey_function", 7}});
        MouseMKeyTab page;
        page.setContext(&device.context);
        QCOMPARE(ticked(page), ids({7}));
        page.functionButton(id)->click();
        QCOMPARE(ticked(page), ids({id}));
        QCOMPARE(device.stored().value("mKey_function").toInt(), id);
    }

    void typingAnAddressStoresItOnEveryKeystroke()
    {
        DevicePageHome device(std::make_unique<MouseSetting>(), {{"mKey_url", "https://a.example"}});
        MouseMKeyTab page;
        page.setContext(&device.context);
        auto *edit = page.findChild<QLineEdit *>("lineEdit");
        QCOMPARE(edit->text(), QStringLiteral("https://a.example"));
        int writes = 0;
        const int handler = device.setting()->addNotifyHandler([&writes](const QString &field, const QVariant &, const QVariant &) {
            writes += field == QLatin1String("mKey_url");
        });
        edit->end(false);
        QTest::keyClicks(edit, "/x");
        QCOMPARE(writes, 2);
        QCOMPARE(device.stored().value("mKey_url").toString(), QStringLiteral("https://a.example/x"));
        device.setting()->removeNotifyHandler(handler);
    }

    void aKeyCombinationWritesTheShortcutFieldsAndShowsOneNotice()
    {
        DevicePageHome device(std::make_unique<MouseSetting>());
        MouseMKeyTab page;
        page.setContext(&device.context);
        ToastRecorder toasts;
        QWidget *edit = page.findChild<QWidget *>("leShortcut");
        QTest::keyClick(edit, Qt::Key_F5, Qt::ControlModifier);
        const QJsonObject stored = device.stored();
        QCOMPARE(stored.value("mKey_shortcut_modifiers").toInt(), int(Qt::ControlModifier));
        QCOMPARE(stored.value("mKey_shortcut_key").toInt(), int(Qt::Key_F5));
        QCOMPARE(stored.value("mKey_shortcut_Str").toString(), QStringLiteral("Ctrl+F5"));
        QCOMPARE(toasts.texts(), QStringList({"快捷键设置成功"}));
    }

    void aProductWithoutTheListHidesItsSection()
    {
        DevicePageHome device(std::make_unique<MouseSetting>());
        ProductInfo product;
        product.flags = 0;
        device.context.product = &product;
        MouseMKeyTab page;
        page.setContext(&device.context);
        QVERIFY(page.findChild<QWidget *>("fm2")->isHidden());
        QVERIFY(page.findChild<QWidget *>("title2")->isHidden());
        QVERIFY(!page.findChild<QWidget *>("fm1")->isHidden());
    }

    // The real mouse: the page table builds the page, its "设置" links lead to the function's
    // page, and a double click of the M key moves the tick.
    void theMouseBuildsThePageAndFollowsItsMKey()
    {
        DevicePageHome device(std::make_unique<MouseSetting>(),
                              {{"mKey_function", 9}, {"mKey_functions", "11,8"}, {"mKey_functionIndex", 0}});
        DevicePanelBuilder::install();
        MouseDevice logic(&device.context);
        device.context.logic = &logic;
        struct Detach {
            DeviceContext &context;
            ~Detach() { context.logic = nullptr; } // the logic lives on this stack
        } detach{device.context};
        const IDeviceLogic::DeviceUi ui = logic.initializeUI(nullptr);
        std::unique_ptr<TabPanel> pages(ui.first);
        std::unique_ptr<LeftTabbarPanel> nav(ui.second);
        auto *page = qobject_cast<MouseMKeyTab *>(pages->widget(4));
        QVERIFY(page);
        QCOMPARE(ticked(*page), ids({9}));

        auto *link = page->findChild<CheckBoxItem *>("cbFunction9")->label();
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(pages->currentIndex(), 3);
        QCOMPARE(nav->currentIndex(), 3);
        QTest::mouseClick(page->findChild<CheckBoxItem *>("cbFunction8")->label(), Qt::LeftButton);
        QCOMPARE(pages->currentIndex(), 1);

        logic.handleKeyEvent(Action_MKeySwitch, Flag_Press, QString());
        logic.handleKeyEvent(Action_MKeySwitch, Flag_Press, QString());
        QTRY_COMPARE(ticked(*page), ids({8})); // "11,8" position 1
        QCOMPARE(device.stored().value("mKey_functionIndex").toInt(), 1);
    }
};

QTEST_MAIN(TestMouseMKeyTab)
#include "tst_mousemkeytab.moc"
