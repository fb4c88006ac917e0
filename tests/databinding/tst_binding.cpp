#include "config/DeviceConfigHelper.h"
#include "config/PointerSetting.h"
#include "config/language/Languages.h"
#include "databinding/FormContainer.h"
#include "databinding/FormItem.h"
#include "databinding/NotifyHandlerGuard.h"
#include "databinding/ZButtonGroup.h"
#include "databinding/ZCheckBox.h"
#include "databinding/ZColorComboBox.h"
#include "databinding/ZComboBox.h"
#include "device/DeviceContext.h"
#include "qui/control/ImageSwitch.h"
#include "qui/control/TranSettingItem.h"
#include "support/TestHome.h"

#include <QCheckBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QFileInfo>
#include <QtTest>
#include <memory>

namespace {
const QString DeviceKey = QStringLiteral("test-presenter");

// Counts every notified change of a record for as long as it lives.
class ChangeCounter
{
public:
    explicit ChangeCounter(NotifyData *record)
        : m_record(record)
        , m_id(record->addNotifyHandler([this](const QString &f, const QVariant &, const QVariant &) {
            fields.append(f);
        }))
    {
    }
    ~ChangeCounter() { m_record->removeNotifyHandler(m_id); }
    QStringList fields;

private:
    NotifyData *m_record;
    int m_id;
};

// A page as the settings pages build theirs: rows made by the builders, bound by field name.
class TestPage : public FormContainer
{
public:
    TestPage()
    {
        auto *layout = new QVBoxLayout(this);
        size = addLabeledComboBoxItem(QStringLiteral("调整大小"), {"小", "中", "大"}, {"25", "50", "100"}, this,
                                      {"mKey_cursorRadius"});
        ratio = addLabeledComboBoxItem(QStringLiteral("放大倍数"), {"2", "3", "4"}, {"1.0", "2.0", "3.0"}, this,
                                       {"mKey_magnifierRatio"});
        language = addLabeledComboBoxItem(QStringLiteral("翻译语言"), {"英文", "中文"}, {"en", "zh"}, this,
                                          {"subtitle_transLanguage"});
        color = addComboBoxItem(QStringLiteral("选择颜色"), this, {"mKey_cursorColor"});
        disable = addImageSwitchItem(QStringLiteral("字幕关闭"), this, {"subtitle_ui_disable"});
        check = addCheckBoxItem(QStringLiteral("翻译关闭"), Qt::Unchecked, this, {"subtitle_ui_identify_disable"});
        group = new ZButtonGroup(this);
        for (int i = 0; i < 3; ++i) {
            auto *b = new QCheckBox(QString::number(i), this);
            group->addButton(b, i);
            layout->addWidget(b);
        }
        addBindWidget(group, {"mKey_functionIndex"});
        for (QWidget *row : {size, ratio, language, color, disable, check})
            layout->addWidget(row);
    }
    FormItem *size, *ratio, *language, *color, *disable, *check;
    ZButtonGroup *group;
};
} // namespace

class TestBinding : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void roundTrip_data();
    void roundTrip();
    void bindingWritesNothingAndSignalsNothing();
    void valuesCompareByKind_data();
    void valuesCompareByKind();
    void editableComboIgnoresUnlistedText();
    void editableComboStoresListedText();
    void buttonGroupChecksNothingWithoutMatch();
    void missingFieldIsReportedAndNeverWritten();
    void colourOutsideTheNamesIsShown();
    void bindContextSetting();
    void childContainersFollowTheForm();
    void tranSettingItemRows();
    void editorsMayDieBeforeOrAfterTheForm();
    void switchRowWithoutFieldStoresNothing();
    void handlerGuardRemovesItsHandler();

private:
    PointerSetting *record() const { return static_cast<PointerSetting *>(DeviceConfigHelper::instance().setting(DeviceKey)); }
    QJsonObject savedFile() const
    {
        QFile f(DeviceConfigHelper::instance().filePath(DeviceKey));
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QJsonDocument::fromJson(f.readAll()).object();
    }

    std::unique_ptr<TestHome> m_home;
};

void TestBinding::init()
{
    m_home = std::make_unique<TestHome>();
    QVERIFY(DeviceConfigHelper::instance().addSetting(DeviceKey, std::make_unique<PointerSetting>()));
}

void TestBinding::cleanup()
{
    m_home.reset();
}

void TestBinding::roundTrip_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("shownBefore"); // index, bool or id the editor shows at first
    QTest::addColumn<QVariant>("stored");      // the record's value after the user's change
    QTest::addColumn<QJsonValue>("inFile");

    QTest::newRow("int combo") << "size" << "mKey_cursorRadius" << QVariant(0) << QVariant(100) << QJsonValue(100);
    QTest::newRow("double combo") << "ratio" << "mKey_magnifierRatio" << QVariant(1) << QVariant(3.0)
                                  << QJsonValue(3.0);
    QTest::newRow("text combo") << "language" << "subtitle_transLanguage" << QVariant(0) << QVariant("zh")
                                << QJsonValue("zh");
    QTest::newRow("colour combo") << "color" << "mKey_cursorColor" << QVariant("red") << QVariant("blue")
                                  << QJsonValue("blue");
    QTest::newRow("switch") << "disable" << "subtitle_ui_disable" << QVariant(false) << QVariant(true)
                            << QJsonValue(true);
    QTest::newRow("check box") << "check" << "subtitle_ui_identify_disable" << QVariant(false) << QVariant(true)
                               << QJsonValue(true);
    QTest::newRow("button group") << "group" << "mKey_functionIndex" << QVariant(0) << QVariant(2) << QJsonValue(2);
}

void TestBinding::roundTrip()
{
    QFETCH(QString, editor);
    QFETCH(QString, field);
    QFETCH(QVariant, shownBefore);
    QFETCH(QVariant, stored);
    QFETCH(QJsonValue, inFile);

    TestPage page;
    page.show();
    page.setData(record(), true);
    page.bindData();
    auto changes = std::make_unique<ChangeCounter>(record());

    if (editor == "size" || editor == "ratio" || editor == "language") {
        FormItem *row = editor == "size" ? page.size : editor == "ratio" ? page.ratio : page.language;
        ZComboBox *combo = row->comboBox();
        QCOMPARE(combo->currentIndex(), shownBefore.toInt());
        combo->setFocus();
        // The user picks the last item.
        combo->setCurrentIndex(combo->count() - 1);
    } else if (editor == "color") {
        ZColorComboBox *combo = page.color->secondComboBox();
        QCOMPARE(combo->currentColor(), QColor(shownBefore.toString()));
        combo->setCurrentIndex(combo->findData("blue"));
    } else if (editor == "disable") {
        ImageSwitch *sw = page.disable->imageSwitch();
        QCOMPARE(sw->isChecked(), shownBefore.toBool());
        QTest::mouseClick(sw, Qt::LeftButton);
    } else if (editor == "check") {
        QCheckBox *box = page.check->checkBox();
        QCOMPARE(box->isChecked(), shownBefore.toBool());
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
    } else if (editor == "group") {
        QCOMPARE(page.group->checkedId(), shownBefore.toInt());
        QTest::mouseClick(page.group->button(2), Qt::LeftButton, {}, QPoint(5, 5));
    }

    QCOMPARE(changes->fields, QStringList{field});
    QCOMPARE(record()->value(field), stored);
    QCOMPARE(savedFile().value(field), inFile);
    // A second binding shows the stored value again and writes nothing.
    page.bindData();
    QCOMPARE(changes->fields.size(), 1);
    changes.reset();
    page.setData(nullptr, true);

    // The file is what the next start reads.
    m_home->reload();
    QCOMPARE(record()->value(field), stored);
}

void TestBinding::bindingWritesNothingAndSignalsNothing()
{
    TestPage page;
    ChangeCounter changes(record());
    // Values that differ from every editor's start state.
    record()->setValue("mKey_cursorRadius", 100);
    record()->setValue("subtitle_ui_disable", true);
    record()->setValue("subtitle_ui_identify_disable", true);
    record()->setValue("mKey_functionIndex", 1);
    record()->setValue("mKey_cursorColor", "#0000ff");
    changes.fields.clear();
    const QByteArray before = m_home->read("config/setting/" + QFileInfo(DeviceConfigHelper::instance().filePath(DeviceKey)).fileName());

    QSignalSpy sizeSpy(page.size->comboBox(), QOverload<int>::of(&QComboBox::currentIndexChanged));
    QSignalSpy colorSpy(page.color->secondComboBox(), &QComboBox::currentTextChanged);
    QSignalSpy switchSpy(page.disable->imageSwitch(), &ImageSwitch::checkedChanged);
    QSignalSpy frontSpy(page.check, &FormItem::frontCheckedChanged);
    QSignalSpy groupSpy(page.group, &QButtonGroup::idToggled);

    page.setData(record(), true);
    page.bindData();

    QCOMPARE(page.size->comboBox()->currentText(), QStringLiteral("大"));
    QCOMPARE(page.color->secondComboBox()->currentText(), QStringLiteral("蓝色"));
    QVERIFY(page.disable->imageSwitch()->isChecked());
    QVERIFY(page.check->checkBox()->isChecked());
    QCOMPARE(page.group->checkedId(), 1);
    QVERIFY(changes.fields.isEmpty());
    QCOMPARE(sizeSpy.count() + colorSpy.count() + switchSpy.count() + frontSpy.count() + groupSpy.count(), 0);
    QCOMPARE(m_home->read("config/setting/" + QFileInfo(DeviceConfigHelper::instance().filePath(DeviceKey)).fileName()), before);
}

void TestBinding::valuesCompareByKind_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QVariant>("fieldValue");
    QTest::addColumn<int>("index");

    QTest::newRow("int and text") << QStringList{"1", "2", "3"} << QVariant(2) << 1;
    QTest::newRow("double and integer text") << QStringList{"1", "2", "3"} << QVariant(2.0) << 1;
    QTest::newRow("text with decimals") << QStringList{"1.0", "2.0", "3.0"} << QVariant(2) << 1;
    QTest::newRow("number text") << QStringList{"25", "50"} << QVariant("50.0") << 1;
    QTest::newRow("colour code case") << QStringList{"#00ff00", "#FF0000"} << QVariant("#ff0000") << 1;
    QTest::newRow("colour name and code") << QStringList{"green", "red"} << QVariant("#FF0000") << 1;
    QTest::newRow("plain text") << QStringList{"en", "zh"} << QVariant("zh") << 1;
    QTest::newRow("text is case-sensitive") << QStringList{"en", "zh"} << QVariant("ZH") << -1;
    QTest::newRow("no match") << QStringList{"1", "2"} << QVariant(7) << -1;
    QTest::newRow("size text") << QStringList{"300*200", "600*400"} << QVariant("600*400") << 1;
    QTest::newRow("invalid") << QStringList{"1"} << QVariant() << -1;
}

void TestBinding::valuesCompareByKind()
{
    QFETCH(QStringList, values);
    QFETCH(QVariant, fieldValue);
    QFETCH(int, index);
    ZComboBox combo;
    combo.setItems(values, values);
    QCOMPARE(combo.findValue(fieldValue), index);
    QSignalSpy spy(&combo, QOverload<int>::of(&QComboBox::currentIndexChanged));
    combo.setCurrentIndex(0);
    spy.clear();
    combo.selectByData(fieldValue);
    QCOMPARE(combo.currentIndex(), index);
    QCOMPARE(spy.count(), 0);
}

void TestBinding::editableComboIgnoresUnlistedText()
{
    TestPage page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    ZComboBox *combo = page.language->comboBox();
    combo->setEditable(true);
    QCOMPARE(combo->insertPolicy(), QComboBox::NoInsert);
    page.setData(record(), true);
    page.bindData();
    ChangeCounter changes(record());
    const int items = combo->count();

    combo->setFocus();
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("klingon"));
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    page.size->comboBox()->setFocus(); // leaving the field finishes the edit

    QVERIFY(changes.fields.isEmpty());
    QCOMPARE(record()->subtitle_transLanguage, QStringLiteral("en"));
    QCOMPARE(combo->count(), items);
    QCOMPARE(combo->currentText(), QStringLiteral("英文")); // the stored choice shows again
    QCOMPARE(savedFile().value("subtitle_transLanguage").toString(), QStringLiteral("en"));
}

void TestBinding::editableComboStoresListedText()
{
    FormContainer page;
    auto *layout = new QVBoxLayout(&page);
    FormItem *row = page.addLabeledComboBoxItem(QStringLiteral("翻译语言"), {"English", "Chinese"}, {"en", "zh"},
                                                &page, {"subtitle_transLanguage"});
    auto *other = new QLineEdit(&page);
    layout->addWidget(row);
    layout->addWidget(other);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    ZComboBox *combo = row->comboBox();
    combo->setEditable(true);
    page.setData(record(), true);
    page.bindData();
    QCOMPARE(combo->currentText(), QStringLiteral("English"));
    ChangeCounter changes(record());

    combo->setFocus();
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("Chinese"));
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    other->setFocus();

    QCOMPARE(record()->subtitle_transLanguage, QStringLiteral("zh"));
    QCOMPARE(changes.fields, QStringList{"subtitle_transLanguage"});
}

void TestBinding::buttonGroupChecksNothingWithoutMatch()
{
    TestPage page;
    page.group->button(1)->setChecked(true);
    record()->setValue("mKey_functionIndex", 7);
    ChangeCounter changes(record());
    page.setData(record(), true);
    page.bindData();
    QCOMPARE(page.group->checkedId(), -1);
    for (QAbstractButton *b : page.group->buttons())
        QVERIFY(!b->isChecked());
    QVERIFY(page.group->exclusive());
    QVERIFY(changes.fields.isEmpty());

    // A match later checks exactly that button.
    record()->setValue("mKey_functionIndex", 2);
    page.bindData();
    QCOMPARE(page.group->checkedId(), 2);
}

void TestBinding::missingFieldIsReportedAndNeverWritten()
{
    FormContainer page;
    FormItem *row = page.addLabeledComboBoxItem(QStringLiteral("识别语言"), {"中文", "英文"}, {"zh", "en"}, &page,
                                                {"asr_unknownLanguage"});
    page.setData(record(), true);
    QCOMPARE(page.missingFields(), QStringList{"asr_unknownLanguage"});
    page.bindData();
    QCOMPARE(row->comboBox()->currentIndex(), -1);
    ChangeCounter changes(record());
    row->comboBox()->setCurrentIndex(1);
    QVERIFY(changes.fields.isEmpty());
    QVERIFY(!savedFile().contains("asr_unknownLanguage"));
}

void TestBinding::colourOutsideTheNamesIsShown()
{
    FormContainer page;
    FormItem *row = page.addComboBoxItem(QStringLiteral("背景颜色"), &page, {"subtitle_ui_bakColor"});
    QCOMPARE(row->secondComboBox()->width(), 200);
    record()->setValue("subtitle_ui_bakColor", "#123456");
    ChangeCounter changes(record());
    page.setData(record(), true);
    page.bindData();
    QCOMPARE(row->secondComboBox()->currentColor(), QColor("#123456"));
    QVERIFY(changes.fields.isEmpty());
    // A listed colour stored as a code shows as that colour's name.
    record()->setValue("subtitle_ui_bakColor", "#00ff00");
    changes.fields.clear();
    page.bindData();
    QCOMPARE(row->secondComboBox()->currentText(), QStringLiteral("亮绿色"));
    QVERIFY(changes.fields.isEmpty());
}

void TestBinding::bindContextSetting()
{
    TestPage page;
    page.bindContextSetting(nullptr);
    QCOMPARE(page.bindRecord(), nullptr);

    DeviceContext empty;
    page.bindContextSetting(&empty);
    QCOMPARE(page.bindRecord(), nullptr);

    record()->setValue("mKey_cursorRadius", 50);
    DeviceContext context;
    context.setting = record();
    page.bindContextSetting(&context);
    QCOMPARE(page.bindRecord(), static_cast<DataCore *>(record()));
    QCOMPARE(page.size->comboBox()->currentText(), QStringLiteral("中"));
}

void TestBinding::childContainersFollowTheForm()
{
    FormContainer page;
    auto *child = new FormContainer(&page);
    FormItem *row = child->addLabeledComboBoxItem(QStringLiteral("字体大小"), {"小", "中", "大"}, {"16", "24", "36"},
                                                  child, {"subtitle_ui_fontSize"});
    page.addChildContainer(child);
    page.setData(record(), true);
    QCOMPARE(child->bindRecord(), static_cast<DataCore *>(record()));
    page.bindData();
    QCOMPARE(row->comboBox()->currentText(), QStringLiteral("中"));

    // setData without children leaves them as they were.
    PointerSetting other;
    page.setData(&other, false);
    QCOMPARE(child->bindRecord(), static_cast<DataCore *>(record()));

    // A child that goes away is forgotten.
    delete child;
    QVERIFY(page.childContainers().isEmpty());
    page.bindData();
}

void TestBinding::tranSettingItemRows()
{
    FormContainer page;
    auto *item = new TranSettingItem(&page);
    page.addChildContainer(item);
    item->setLanguageLabel(QStringLiteral("语言"));
    item->setFromLanguages({QStringLiteral("自动")}, {QStringLiteral("auto")}, "getword_tranFromLanguage");
    item->setToLanguage(2, "getword_tranToLanguage");
    QCOMPARE(item->languageLabel(), QStringLiteral("语言"));
    const auto languages = Languages::displayNames(Languages::instance().sections(2));
    QCOMPARE(item->toComboBox()->count(), languages.first.size());
    const QString english = languages.first.at(languages.second.indexOf("en"));

    DeviceContext context;
    context.setting = record();
    item->setContext(&context);
    QCOMPARE(item->fromComboBox()->currentText(), QStringLiteral("自动"));
    QCOMPARE(item->toComboBox()->currentText(), english);

    ChangeCounter changes(record());
    item->toComboBox()->setCurrentIndex(languages.second.indexOf("jp"));
    QCOMPARE(record()->getword_tranToLanguage, QStringLiteral("jp"));
    QCOMPARE(savedFile().value("getword_tranToLanguage").toString(), QStringLiteral("jp"));

    // A change made elsewhere shows after the page binds again.
    record()->setValue("getword_tranToLanguage", "en");
    page.bindData();
    QCOMPARE(item->toComboBox()->currentText(), english);
    QCOMPARE(changes.fields.size(), 2);
}

void TestBinding::editorsMayDieBeforeOrAfterTheForm()
{
    {
        TestPage page;
        page.setData(record(), true);
        delete page.size; // the row and its combo go first
        QCOMPARE(page.bindWidgets().size(), 6);
        page.bindData();
        delete page.group;
        QCOMPARE(page.bindWidgets().size(), 5);
    }
    // The form dies first and its rows after it (rows parented elsewhere).
    QWidget holder;
    ZComboBox *combo = nullptr;
    {
        FormContainer page;
        FormItem *row = page.addLabeledComboBoxItem(QStringLiteral("x"), {"a"}, {"a"}, &holder, {"deviceName"});
        combo = row->comboBox();
        page.setData(record(), true);
    }
    ChangeCounter changes(record());
    combo->setCurrentIndex(-1);
    combo->setCurrentIndex(0); // still bound to the record, no longer to the form
    QCOMPARE(record()->deviceName, QStringLiteral("a"));
}

void TestBinding::switchRowWithoutFieldStoresNothing()
{
    FormContainer page;
    FormItem *row = page.addImageSwitchItem(QStringLiteral("划词翻译（启动/关闭）"), &page, {});
    QVERIFY(page.bindWidgets().isEmpty());
    page.setData(record(), true);
    page.bindData();
    ChangeCounter changes(record());
    QSignalSpy spy(row->imageSwitch(), &ImageSwitch::checkedChanged);
    row->resize(300, 40);
    QTest::mouseClick(row->imageSwitch(), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toBool(), true);
    QVERIFY(changes.fields.isEmpty());
}

void TestBinding::handlerGuardRemovesItsHandler()
{
    const int before = record()->notifyHandlerCount();
    QStringList heard;
    {
        NotifyHandlerGuard guard;
        guard.set(record(), [&](const QString &f, const QVariant &, const QVariant &) { heard << f; });
        guard.set(record(), [&](const QString &f, const QVariant &, const QVariant &) { heard << f + "!"; });
        QCOMPARE(record()->notifyHandlerCount(), before + 1);
        record()->setValue("mKey_cursorRadius", 50);
    }
    QCOMPARE(record()->notifyHandlerCount(), before);
    record()->setValue("mKey_cursorRadius", 100);
    QCOMPARE(heard, QStringList{"mKey_cursorRadius!"});
}

QTEST_MAIN(TestBinding)
#include "tst_binding.moc"
