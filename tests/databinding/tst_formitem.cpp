#include "databinding/FormContainer.h"
#include "databinding/FormGroup.h"
#include "databinding/FormItem.h"
#include "databinding/ZCheckBox.h"
#include "databinding/ZColorComboBox.h"
#include "databinding/ZComboBox.h"
#include "qui/control/IconCheckBoxItem.h"
#include "qui/control/ImageSwitch.h"

#include <QLabel>
#include <QPainter>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

class TestFormItem : public QObject
{
    Q_OBJECT

private slots:
    void checkRow();
    void setCheckStateWithAndWithoutSignal_data();
    void setCheckStateWithAndWithoutSignal();
    void labeledComboRow();
    void comboRowGrowsItemByItem();
    void colourRow();
    void colourComboOffersAShortTranslatedList();
    void textWidgets();
    void sliderRow();
    void cutLine();
    void customData();
    void emptyGroup();
    void imageSwitch();
    void iconCheckBoxItem();
};

void TestFormItem::checkRow()
{
    FormContainer page;
    FormItem *row = page.addCheckBoxItem(QStringLiteral("飞鼠"), Qt::Unchecked, &page);
    row->resize(300, 40);
    QCOMPARE(row->parentWidget(), &page);
    QVERIFY(row->checkBox());
    QCOMPARE(row->checkBox()->text(), QStringLiteral("飞鼠"));
    QVERIFY(!row->checkBox()->isChecked());
    QVERIFY(page.bindWidgets().isEmpty()); // no field: bound to nothing

    QSignalSpy spy(row, &FormItem::frontCheckedChanged);
    QTest::mouseClick(row->checkBox(), Qt::LeftButton, {}, QPoint(5, row->checkBox()->height() / 2));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), int(Qt::Checked));

    FormItem *checked = page.addCheckBoxItem(QStringLiteral("数码光"), true, &page, {"mKey_function"});
    QVERIFY(checked->checkBox()->isChecked());
    QCOMPARE(page.bindWidgets().size(), 1);
}

void TestFormItem::setCheckStateWithAndWithoutSignal_data()
{
    QTest::addColumn<bool>("emitSignal");
    QTest::addColumn<int>("heard");
    QTest::newRow("quiet") << false << 0;
    QTest::newRow("heard") << true << 1;
}

void TestFormItem::setCheckStateWithAndWithoutSignal()
{
    QFETCH(bool, emitSignal);
    QFETCH(int, heard);
    FormItem row;
    row.addCheckBox(QStringLiteral("聚光灯"));
    QSignalSpy spy(&row, &FormItem::frontCheckedChanged);
    row.setCheckState(Qt::Checked, emitSignal);
    QVERIFY(row.checkBox()->isChecked());
    QCOMPARE(spy.count(), heard);
}

void TestFormItem::labeledComboRow()
{
    FormContainer page;
    FormItem *row = page.addLabeledComboBoxItem(QStringLiteral("输出模式"), {"兼容模式", "动态模式", "浮框模式"},
                                                {"0", "1", "2"}, &page, {"asr_typingOutputMode"});
    QCOMPARE(row->label()->text(), QStringLiteral("输出模式"));
    ZComboBox *combo = row->comboBox();
    QCOMPARE(combo->width(), 220);
    QCOMPARE(combo->count(), 3);
    QCOMPARE(combo->itemText(2), QStringLiteral("浮框模式"));
    QCOMPARE(combo->itemData(2, Qt::UserRole).toString(), QStringLiteral("2"));
    QCOMPARE(combo->bindFields(), QStringList{"asr_typingOutputMode"});
    QCOMPARE(page.bindWidgets().size(), 1);
    // The field list can be replaced later.
    combo->setBindFields({"asr_enablePtt"});
    QCOMPARE(combo->bindField(), QStringLiteral("asr_enablePtt"));
}

void TestFormItem::comboRowGrowsItemByItem()
{
    FormItem row;
    ZComboBox *first = row.addComboBox(QStringLiteral("mic A"), 0);
    ZComboBox *second = row.addComboBox(QStringLiteral("mic B"), 1);
    QCOMPARE(first, second);
    QCOMPARE(first->count(), 2);
    QCOMPARE(first->itemData(1).toInt(), 1);
    QCOMPARE(row.comboBox(), first);
}

void TestFormItem::colourRow()
{
    FormContainer page;
    FormItem *row = page.addComboBoxItem(QStringLiteral("字体颜色"), &page, {"subtitle_ui_identify_fontColor"});
    ZColorComboBox *combo = row->secondComboBox();
    QVERIFY(combo);
    QCOMPARE(row->comboBox(), nullptr);
    QCOMPARE(combo->width(), 200);
    QVERIFY(combo->findData("red") >= 0);
    QVERIFY(!combo->itemIcon(combo->findData("red")).isNull());
    QCOMPARE(combo->currentIndex(), -1);
}

void TestFormItem::colourComboOffersAShortTranslatedList()
{
    ZColorComboBox combo;
    QVERIFY(combo.count() >= 8);
    QVERIFY(combo.count() <= 20);
    QCOMPARE(combo.itemText(combo.findData("red")), QStringLiteral("红色"));
    for (int i = 0; i < combo.count(); ++i) {
        const QString value = combo.itemData(i).toString();
        QVERIFY2(QColor::isValidColor(value), qPrintable(value));
        QVERIFY2(combo.itemText(i) != value, qPrintable(value)); // a name, not the colour code
    }
}


void TestFormItem::textWidgets()
{
    FormItem row;
    QLabel *left = row.addLabel(QStringLiteral("声音来源"));
    QLabel *right = row.addTitleLabel(QStringLiteral("Presenter X"));
    QVERIFY(right->alignment() & Qt::AlignRight);
    QCOMPARE(row.label(), left);
    QTextBrowser *browser = row.addTextBrowser(QStringLiteral("<p>测试麦克风</p>"), 48);
    QCOMPARE(browser->height(), 48);
    QCOMPARE(browser->minimumHeight(), 48);
    QCOMPARE(browser->maximumHeight(), 48);
    QVERIFY(browser->toPlainText().contains(QStringLiteral("测试麦克风")));
}

void TestFormItem::sliderRow()
{
    FormItem row;
    QSlider *slider = row.addSlider(0, 4);
    QCOMPARE(slider->minimum(), 0);
    QCOMPARE(slider->maximum(), 4);
    QSignalSpy spy(&row, &FormItem::sliderSetValue);
    slider->setValue(3);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 3);
}

void TestFormItem::cutLine()
{
    FormItem row;
    QVERIFY(!row.isCutLineVisible());
    row.setCutLineVisible(true);
    QVERIFY(row.isCutLineVisible());
    row.setCutLineVisible(false);
    QVERIFY(!row.isCutLineVisible());
}

void TestFormItem::customData()
{
    FormItem row;
    QVERIFY(row.data().isNull());
    row.setData(2);
    QCOMPARE(row.data().toInt(), 2);
}

void TestFormItem::emptyGroup()
{
    FormGroup group;
    QCOMPARE(group.rowCount(), 0);
    QVERIFY(group.title().isEmpty());
    group.show();
    FormItem *row = group.addCheckBoxItem(QStringLiteral("a"), false, &group);
    group.addRow(row);
    QCOMPARE(group.rowCount(), 1);
    group.setTitle(QStringLiteral("常用功能"));
    QCOMPARE(group.title(), QStringLiteral("常用功能"));
}

void TestFormItem::imageSwitch()
{
    ImageSwitch sw;
    sw.resize(sw.sizeHint());
    QVERIFY(!sw.isChecked());
    QSignalSpy spy(&sw, &ImageSwitch::checkedChanged);
    sw.setChecked(true);
    QVERIFY(sw.isChecked());
    QCOMPARE(spy.count(), 0);
    const QImage on = sw.grab().toImage();
    QTest::mouseClick(&sw, Qt::LeftButton);
    QVERIFY(!sw.isChecked());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toBool(), false);
    // The two states look different without any picture files.
    QVERIFY(sw.grab().toImage() != on);
    sw.setEnabled(false);
    QTest::mouseClick(&sw, Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
}

void TestFormItem::iconCheckBoxItem()
{
    QTemporaryDir dir;
    const QString picture = dir.filePath("app.png");
    QImage image(64, 64, QImage::Format_ARGB32);
    image.fill(Qt::blue);
    QVERIFY(image.save(picture));

    IconCheckBoxItem item;
    QVERIFY(!item.imageSwitch()->isEnabled());
    item.setItem(picture, QStringLiteral("Editor"), true, 32, 32);
    QCOMPARE(item.text(), QStringLiteral("Editor"));
    QVERIFY(item.hasIcon());
    QVERIFY(item.imageSwitch()->isEnabled());

    QSignalSpy spy(&item, &IconCheckBoxItem::checkedChanged);
    item.setChecked(true);
    QVERIFY(item.isChecked());
    QCOMPARE(spy.count(), 0);
    item.resize(300, 40);
    item.show();
    QTest::mouseClick(item.imageSwitch(), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toBool(), false);
    QCOMPARE(spy.at(0).at(1).toString(), picture);
    QCOMPARE(spy.at(0).at(2).toString(), QStringLiteral("Editor"));

    IconCheckBoxItem missing;
    missing.setItem(dir.filePath("none.png"), QStringLiteral("Gone"), false, 32, 32);
    QVERIFY(!missing.hasIcon());
    QVERIFY(!missing.imageSwitch()->isEnabled());
}

QTEST_MAIN(TestFormItem)
#include "tst_formitem.moc"
