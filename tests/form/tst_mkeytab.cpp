#include "DevicePageHome.h"

#include "config/PointerSetting.h"
#include "databinding/FormItem.h"
#include "databinding/ZCheckBox.h"
#include "databinding/ZColorComboBox.h"
#include "databinding/ZComboBox.h"
#include "device/IDeviceLogic.h"
#include "device/common/ui/DevicePages.h"
#include "device/common/ui/FunctionChipEditor.h"
#include "device/pointer/common/PointerDevice.h"
#include "device/pointer/common/ui/MKeyTab.h"
#include "support/ToastRecorder.h"

#include <QAction>
#include <QHBoxLayout>
#include <QPushButton>
#include <QThread>
#include <QToolButton>
#include <QtTest>

namespace {
// A presenter's logic as far as the page sees it: lives in its own thread and reports actions.
class PresenterLogic : public IDeviceLogic
{
    Q_OBJECT
public:
    using IDeviceLogic::IDeviceLogic;
    DeviceUi initializeUI(QWidget *) override { return {}; }
    QString typeName() const override { return QStringLiteral("presenter"); }
    void paintStatus(QPainter *, const QRect &) const override {}

public slots:
    // What a double click of the M key does to the record before it reports action 5.
    void doubleClick()
    {
        BaseSetting *s = m_context->setting;
        const int count = s->mKey_functions.split(QLatin1Char(',')).size();
        s->setValue(QStringLiteral("mKey_function"), -1);
        s->setValue(QStringLiteral("mKey_functionIndex"), (s->mKey_functionIndex + 1) % count);
        emit invokeFunction(Action_MKeySwitch, Flag_Press, QString());
    }
    // The volume-up key while the spotlight runs: the effect steps its size in the record.
    void volumeUp()
    {
        m_context->setting->setValue(QStringLiteral("mKey_spotLightRadius"), 400);
        emit invokeFunction(Action_Volume, Flag_Up, QString());
    }
};

QVector<int> ids(std::initializer_list<int> list) { return QVector<int>(list); }
} // namespace

class TestMKeyTab : public QObject
{
    Q_OBJECT

    static QVector<int> ticked(MKeyTab &page)
    {
        QVector<int> result;
        for (int id = 0; id < MKeyTab::FunctionCount; ++id) {
            if (page.functionRow(id)->checkBox()->isChecked())
                result << id;
        }
        return result;
    }
    static ZComboBox *optionCombo(MKeyTab &page, const QString &field)
    {
        const QList<ZComboBox *> combos = page.findChildren<ZComboBox *>();
        for (ZComboBox *c : combos) {
            if (c->bindField() == field)
                return c;
        }
        return nullptr;
    }
    static QStringList chipTexts(MKeyTab &page)
    {
        QStringList texts;
        const QVector<int> chips = page.chipEditor()->chipIds();
        for (int id : chips)
            texts << page.chipEditor()->chip(id)->text();
        return texts;
    }

private slots:
    void initTestCase() { registerVelloboxMetaTypes(); }

    void newRecordShowsTheDefaults()
    {
        DevicePageHome device(std::make_unique<PointerSetting>());
        MKeyTab page;
        page.setContext(&device.context);

        QCOMPARE(chipTexts(page), QStringList({"飞鼠", "数码光", "聚光灯", "放大镜"}));
        QVERIFY(page.chipEditor()->menuIds().isEmpty());
        QCOMPARE(ticked(page), ids({MKeyTab::AirMouse}));
        QCOMPARE(optionCombo(page, "mKey_cursorRadius")->currentText(), QStringLiteral("小"));
        QCOMPARE(optionCombo(page, "mKey_spotLightRadius")->currentText(), QStringLiteral("小"));
        QCOMPARE(optionCombo(page, "mKey_magnifierSize")->currentText(), QStringLiteral("大"));
        QCOMPARE(optionCombo(page, "mKey_magnifierRatio")->currentText(), QStringLiteral("2"));
        auto *colour = qobject_cast<ZColorComboBox *>(optionCombo(page, "mKey_cursorColor"));
        QVERIFY(colour);
        QCOMPARE(colour->currentColor(), QColor(Qt::red));
        QCOMPARE(page.functionRow(MKeyTab::AirMouse)->checkBox()->property("mode").toString(), QStringLiteral("MKey"));
        QVERIFY(page.functionRow(MKeyTab::Spotlight)->isCutLineVisible());
    }

    // The tick follows the device's rule for the current function; ids this page does not
    // have (a hand-edited file) tick nothing.
    void tickShowsTheCurrentFunction_data()
    {
        QTest::addColumn<QString>("functions");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("function");
        QTest::addColumn<QVector<int>>("expected");
        QTest::newRow("empty list") << QString() << 0 << -1 << ids({3});
        QTest::newRow("list position") << "3,2,0,1" << 2 << -1 << ids({0});
        QTest::newRow("chosen function wins") << "3,2,0,1" << 0 << 1 << ids({1});
        QTest::newRow("index past the list") << "3,2" << 5 << -1 << ids({3});
        QTest::newRow("negative index") << "3,2" << -1 << -1 << ids({3});
        QTest::newRow("not a number runs the default") << "x,2" << 0 << -1 << ids({3});
        QTest::newRow("empty parts do not count") << ",,0,2" << 1 << -1 << ids({2});
        QTest::newRow("chosen id too large") << "3,2,0,1" << 0 << 7 << ids({});
        QTest::newRow("listed id too large") << "3,12,0" << 1 << -1 << ids({});
        QTest::newRow("listed id negative runs the default") << "3,-4" << 1 << -1 << ids({3});
    }

    void tickShowsTheCurrentFunction()
    {
        QFETCH(QString, functions);
        QFETCH(int, index);
        QFETCH(int, function);
        QFETCH(QVector<int>, expected);
        DevicePageHome device(std::make_unique<PointerSetting>(),
                              {{"mKey_functions", functions}, {"mKey_functionIndex", index}, {"mKey_function", function}});
        MKeyTab page;
        page.setContext(&device.context);
        QCOMPARE(ticked(page), expected);
    }

    void chipsFollowTheListAndTheMenuOffersTheRest_data()
    {
        QTest::addColumn<QString>("functions");
        QTest::addColumn<QVector<int>>("chips");
        QTest::addColumn<QVector<int>>("menu");
        QTest::newRow("empty") << QString() << ids({}) << ids({0, 1, 2, 3});
        QTest::newRow("two") << "2,0" << ids({2, 0}) << ids({1, 3});
        QTest::newRow("empty parts and unknown ids") << ",1,,10,3," << ids({1, 3}) << ids({0, 2});
        QTest::newRow("not a number") << "x,2" << ids({2}) << ids({0, 1, 3});
        QTest::newRow("twice") << "1,1" << ids({1}) << ids({0, 2, 3});
    }

    void chipsFollowTheListAndTheMenuOffersTheRest()
    {
        QFETCH(QString, functions);
        QFETCH(QVector<int>, chips);
        QFETCH(QVector<int>, menu);
        DevicePageHome device(std::make_unique<PointerSetting>(), {{"mKey_functions", functions}});
        MKeyTab page;
        page.setContext(&device.context);
        QCOMPARE(page.chipEditor()->chipIds(), chips);
        QCOMPARE(page.chipEditor()->menuIds(), menu);
        auto *plus = page.findChild<QToolButton *>("tbAddFunction");
        auto *row = page.findChild<QHBoxLayout *>("hltFunctionBtns");
        QCOMPARE(row->indexOf(plus), chips.size());
    }

    // Removing a chip edits the list element by element, reaches the file at once and keeps
    // the position inside the list.
    void removingAChip_data()
    {
        QTest::addColumn<QString>("functions");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("removed");
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("newIndex");
        QTest::newRow("middle") << "3,2,0" << 0 << 2 << "3,0" << 0;
        QTest::newRow("first") << "3,2,0" << 0 << 3 << "2,0" << 0;
        QTest::newRow("last of four, index clamped") << "3,2,0,1" << 3 << 1 << "3,2,0" << 2;
        QTest::newRow("1 leaves 10 alone") << "10,1" << 1 << 1 << "10" << 0;
        QTest::newRow("only chip") << "2" << 0 << 2 << "" << -1;
    }

    void removingAChip()
    {
        QFETCH(QString, functions);
        QFETCH(int, index);
        QFETCH(int, removed);
        QFETCH(QString, list);
        QFETCH(int, newIndex);
        DevicePageHome device(std::make_unique<PointerSetting>(),
                              {{"mKey_functions", functions}, {"mKey_functionIndex", index}});
        MKeyTab page;
        page.setContext(&device.context);
        QPushButton *chip = page.chipEditor()->chip(removed);
        const QVector<int> menuBefore = page.chipEditor()->menuIds();

        QTest::mouseClick(chip, Qt::LeftButton);

        const QJsonObject stored = device.stored();
        QCOMPARE(stored.value("mKey_functions").toString(), list);
        QCOMPARE(stored.value("mKey_functionIndex").toInt(), newIndex);
        QVERIFY(!page.chipEditor()->chipIds().contains(removed));
        QVERIFY(!chip->parent());
        QVERIFY(!chip->isVisible());
        // The removed function is offered again, at the end of the menu.
        QCOMPARE(page.chipEditor()->menuIds(), menuBefore + ids({removed}));
    }

    void removingTheLastChipOffersAllFourAndTicksAirMouse()
    {
        DevicePageHome device(std::make_unique<PointerSetting>(), {{"mKey_functions", "2"}});
        MKeyTab page;
        page.setContext(&device.context);
        QCOMPARE(ticked(page), ids({2}));
        page.chipEditor()->chip(2)->click();
        QCOMPARE(page.chipEditor()->menuIds(), ids({0, 1, 3, 2}));
        QVERIFY(page.chipEditor()->chipIds().isEmpty());
        QCOMPARE(device.stored().value("mKey_functions").toString(), QString());
        QCOMPARE(device.stored().value("mKey_functionIndex").toInt(), -1);
        QCOMPARE(ticked(page), ids({3}));
    }

    void addingAFunctionAppendsIt_data()
    {
        QTest::addColumn<QString>("functions");
        QTest::addColumn<int>("added");
        QTest::addColumn<QString>("list");
        QTest::newRow("to an empty list") << QString() << 2 << "2";
        QTest::newRow("at the end") << "3,0" << 1 << "3,0,1";
        QTest::newRow("after unknown ids") << "3,10" << 0 << "3,10,0";
    }

    void addingAFunctionAppendsIt()
    {
        QFETCH(QString, functions);
        QFETCH(int, added);
        QFETCH(QString, list);
        DevicePageHome device(std::make_unique<PointerSetting>(), {{"mKey_functions", functions}});
        MKeyTab page;
        page.setContext(&device.context);

        page.chipEditor()->action(added)->trigger();

        QCOMPARE(device.stored().value("mKey_functions").toString(), list);
        QCOMPARE(page.chipEditor()->chipIds().last(), added);
        QVERIFY(!page.chipEditor()->menuIds().contains(added));
        auto *plus = page.findChild<QToolButton *>("tbAddFunction");
        auto *row = page.findChild<QHBoxLayout *>("hltFunctionBtns");
        QCOMPARE(row->indexOf(page.chipEditor()->chip(added)), row->indexOf(plus) - 1);
    }

    // Another device bound later shows its own list, without the first one's chips.
    void bindingAnotherDeviceShowsItsList()
    {
        DevicePageHome device(std::make_unique<PointerSetting>(), {{"mKey_functions", "3,2"}});
        auto other = std::make_unique<PointerSetting>();
        other->setValue("mKey_functions", "1");
        DeviceContext otherContext;
        otherContext.setting = DeviceConfigHelper::instance().addSetting(QStringLiteral("other-device"), std::move(other));
        MKeyTab page;
        page.setContext(&device.context);
        page.chipEditor()->chip(2)->click();
        page.setContext(&otherContext);
        QCOMPARE(page.chipEditor()->chipIds(), ids({1}));
        QCOMPARE(page.chipEditor()->menuIds(), ids({0, 2, 3}));
        QCOMPARE(ticked(page), ids({1}));
        page.chipEditor()->action(0)->trigger();
        QCOMPARE(otherContext.setting->mKey_functions, QStringLiteral("1,0"));
        QCOMPARE(device.setting()->mKey_functions, QStringLiteral("3"));
        auto *row = page.findChild<QHBoxLayout *>("hltFunctionBtns");
        QCOMPARE(row->count(), 4); // two chips, "+" and the spacer
    }

    void addAndRemoveAgainRestoresTheList()
    {
        DevicePageHome device(std::make_unique<PointerSetting>(), {{"mKey_functions", "3,0"}});
        MKeyTab page;
        page.setContext(&device.context);
        page.chipEditor()->action(2)->trigger();
        page.chipEditor()->chip(2)->click();
        page.chipEditor()->action(2)->trigger();
        QCOMPARE(device.stored().value("mKey_functions").toString(), QStringLiteral("3,0,2"));
        QCOMPARE(page.chipEditor()->chipIds(), ids({3, 0, 2}));
        QCOMPARE(page.chipEditor()->menuIds(), ids({1}));
    }

    void tickingARowChoosesItsFunction()
    {
        DevicePageHome device(std::make_unique<PointerSetting>());
        MKeyTab page;
        page.setContext(&device.context);
        int changes = 0;
        const int handler = device.setting()->addNotifyHandler(
            [&changes](const QString &field, const QVariant &, const QVariant &) {
                if (field == QLatin1String("mKey_function"))
                    ++changes;
            });

        QTest::mouseClick(page.functionRow(MKeyTab::Spotlight)->checkBox(), Qt::LeftButton);
        QCOMPARE(ticked(page), ids({0}));
        QCOMPARE(device.stored().value("mKey_function").toInt(), 0);
        QCOMPARE(changes, 1); // the other rows were cleared without a word

        // Unticking the ticked row clears every row and keeps the function.
        QTest::mouseClick(page.functionRow(MKeyTab::Spotlight)->checkBox(), Qt::LeftButton);
        QCOMPARE(ticked(page), ids({}));
        QCOMPARE(device.stored().value("mKey_function").toInt(), 0);

        QTest::mouseClick(page.functionRow(MKeyTab::Magnifier)->checkBox(), Qt::LeftButton);
        QCOMPARE(ticked(page), ids({1}));
        QCOMPARE(device.stored().value("mKey_function").toInt(), 1);
        device.setting()->removeNotifyHandler(handler);
    }

    void deviceDoubleClickMovesTheTick()
    {
        DevicePageHome device(std::make_unique<PointerSetting>(), {{"mKey_function", 1}});
        MKeyTab page;
        page.setContext(&device.context);
        QCOMPARE(ticked(page), ids({1}));

        QThread thread;
        auto *logic = new PresenterLogic(&device.context);
        logic->moveToThread(&thread);
        connect(logic, &IDeviceLogic::invokeFunction, &page, &MKeyTab::mkeyTab_invokeFunction);
        thread.start();

        QMetaObject::invokeMethod(logic, "doubleClick", Qt::BlockingQueuedConnection);
        QTRY_COMPARE(ticked(page), ids({2})); // "3,2,0,1" position 1
        QMetaObject::invokeMethod(logic, "doubleClick", Qt::BlockingQueuedConnection);
        QTRY_COMPARE(ticked(page), ids({0}));

        // Blocking, so the deletion is posted before the loop is told to quit.
        QMetaObject::invokeMethod(logic, "deleteLater", Qt::BlockingQueuedConnection);
        thread.quit();
        thread.wait();
    }

    // The presenter's own logic: two quick M-key presses switch to the next listed function.
    void realDeviceDoubleClickMovesTheTick()
    {
        DevicePageHome device(std::make_unique<PointerSetting>(), {{"mKey_function", 1}});
        std::unique_ptr<QWidget> widget(DevicePages::create(QStringLiteral("MKeyTab")));
        auto *page = qobject_cast<MKeyTab *>(widget.get());
        QVERIFY(page);
        page->setContext(&device.context);
        PointerDevice logic(&device.context);
        DevicePages::connectDevice(page, &logic);
        QCOMPARE(ticked(*page), ids({1}));

        logic.handleKeyEvent(Action_MKeySwitch, Flag_Press, QString());
        logic.handleKeyEvent(Action_MKeySwitch, Flag_Press, QString());
        QTRY_COMPARE(ticked(*page), ids({2})); // "3,2,0,1" position 1
        QCOMPARE(device.stored().value("mKey_function").toInt(), -1);
        QCOMPARE(device.stored().value("mKey_functionIndex").toInt(), 1);
    }

    void volumeKeyRereadsTheSizes()
    {
        DevicePageHome device(std::make_unique<PointerSetting>());
        MKeyTab page;
        page.setContext(&device.context);
        ZComboBox *spot = optionCombo(page, "mKey_spotLightRadius");
        QCOMPARE(spot->currentText(), QStringLiteral("小"));

        QThread thread;
        auto *logic = new PresenterLogic(&device.context);
        logic->moveToThread(&thread);
        connect(logic, &IDeviceLogic::invokeFunction, &page, &MKeyTab::mkeyTab_invokeFunction);
        thread.start();
        QMetaObject::invokeMethod(logic, "volumeUp", Qt::BlockingQueuedConnection);
        QTRY_COMPARE(spot->currentText(), QStringLiteral("大"));
        QCOMPARE(ticked(page), ids({3})); // the tick is left alone
        QMetaObject::invokeMethod(logic, "deleteLater");
        thread.quit();
        thread.wait();
    }

    void otherActionsChangeNothing()
    {
        DevicePageHome device(std::make_unique<PointerSetting>());
        MKeyTab page;
        page.setContext(&device.context);
        device.setting()->setValue("mKey_function", 0);
        device.setting()->setValue("mKey_cursorRadius", 100);
        page.mkeyTab_invokeFunction(Action_Spotlight, Flag_Press, QString());
        QCOMPARE(ticked(page), ids({3}));
        QCOMPARE(optionCombo(page, "mKey_cursorRadius")->currentText(), QStringLiteral("小"));
    }

    // The factor items store the zoom they show; numbers compare as numbers.
    void magnifierFactorStoresTheZoomItShows_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("zoom");
        QTest::newRow("2") << "2" << 2.0;
        QTest::newRow("3") << "3" << 3.0;
        QTest::newRow("4") << "4" << 4.0;
    }

    void magnifierFactorStoresTheZoomItShows()
    {
        QFETCH(QString, text);
        QFETCH(double, zoom);
        DevicePageHome device(std::make_unique<PointerSetting>(), {{"mKey_magnifierRatio", 5.0}});
        MKeyTab page;
        page.setContext(&device.context);
        ZComboBox *factor = optionCombo(page, "mKey_magnifierRatio");
        QCOMPARE(factor->currentIndex(), -1);
        factor->setCurrentIndex(factor->findText(text));
        QCOMPARE(device.stored().value("mKey_magnifierRatio").toDouble(), zoom);

        device.setting()->setValue("mKey_magnifierRatio", 1.0);
        page.mkeyTab_invokeFunction(Action_Volume, Flag_Up, QString());
        QCOMPARE(factor->currentIndex(), -1);
        device.setting()->setValue("mKey_magnifierRatio", zoom);
        page.mkeyTab_invokeFunction(Action_Volume, Flag_Up, QString());
        QCOMPARE(factor->currentText(), text);
    }

    void optionCombosStoreTheirValues_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("light size") << "mKey_cursorRadius" << "大" << QVariant(100);
        QTest::newRow("spotlight size") << "mKey_spotLightRadius" << "中" << QVariant(250);
        QTest::newRow("region") << "mKey_magnifierSize" << "中" << QVariant("400*266");
    }

    void optionCombosStoreTheirValues()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QVariant, value);
        DevicePageHome device(std::make_unique<PointerSetting>());
        MKeyTab page;
        page.setContext(&device.context);
        ZComboBox *box = optionCombo(page, field);
        box->setCurrentIndex(box->findText(text));
        QCOMPARE(device.stored().value(field).toVariant(), value);
    }

    void withoutDeviceNothingIsStoredOrShown()
    {
        MKeyTab page;
        page.setContext(nullptr);
        QVERIFY(page.chipEditor()->chipIds().isEmpty());
        QVERIFY(page.chipEditor()->menuIds().isEmpty());
        page.functionRow(MKeyTab::AirMouse)->setCheckState(Qt::Checked, false);
        page.functionRow(MKeyTab::Magnifier)->checkBox()->click();
        QCOMPARE(ticked(page), ids({1}));
    }

    void anUnknownSenderChangesNothing()
    {
        DevicePageHome device(std::make_unique<PointerSetting>());
        MKeyTab page;
        page.setContext(&device.context);
        const QByteArray before = device.fileBytes();
        QPushButton stranger;
        connect(&stranger, &QPushButton::clicked, page.chipEditor(), &FunctionChipEditor::clickFunction);
        stranger.click();
        QCOMPARE(device.fileBytes(), before);
    }

    void listRules_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("appended");
        QTest::addColumn<QString>("removed");
        QTest::newRow("empty") << "" << 2 << "2" << "";
        QTest::newRow("plain") << "3,2,0" << 2 << "3,2,0,2" << "3,0";
        QTest::newRow("stray commas") << ",3,,2," << 3 << "3,2,3" << "2";
        QTest::newRow("number inside a number") << "10,1,21" << 1 << "10,1,21,1" << "10,21";
        QTest::newRow("not a number is kept") << "x,1" << 0 << "x,1,0" << "x,1";
    }

    void listRules()
    {
        QFETCH(QString, list);
        QFETCH(int, id);
        QFETCH(QString, appended);
        QFETCH(QString, removed);
        QCOMPARE(FunctionChipEditor::appended(list, id), appended);
        QCOMPARE(FunctionChipEditor::removed(list, id), removed);
    }
};

QTEST_MAIN(TestMKeyTab)
#include "tst_mkeytab.moc"
