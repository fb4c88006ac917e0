#include "device/pointer/common/ui/MKeyTab.h"
#include "ui_MKeyTab.h"

#include "config/BaseSetting.h"
#include "databinding/FormGroup.h"
#include "databinding/FormItem.h"
#include "databinding/ZCheckBox.h"
#include "device/DeviceContext.h"
#include "device/IDeviceLogic.h"
#include "device/common/ui/FunctionChipEditor.h"
#include "logic/businessLogic/FunctionCatalog.h"
#include "util/TrContexts.h"

namespace {
const QString kFunctions = QStringLiteral("mKey_functions");
const QString kFunction = QStringLiteral("mKey_function");
} // namespace

MKeyTab::MKeyTab(QWidget *parent)
    : FormContainer(parent)
    , ui(new Ui::MKeyTab)
{
    ui->setupUi(this);
    initialize();
}

MKeyTab::~MKeyTab()
{
    delete ui;
}

void MKeyTab::initialize()
{
    ui->vlt1->addWidget(new FormGroup(ui->fm1));

    m_airMouse = addFunctionRow(AirMouse, TUI::tr("飞鼠"));
    m_digitalLight = addFunctionRow(DigitalLight, TUI::tr("数码光"));
    addOptionRow(addLabeledComboBoxItem(TUI::tr("调整大小"), {TUI::tr("小"), TUI::tr("中"), TUI::tr("大")},
                                        {QStringLiteral("25"), QStringLiteral("50"), QStringLiteral("100")},
                                        ui->fm2, {QStringLiteral("mKey_cursorRadius")}));
    addOptionRow(addComboBoxItem(TUI::tr("选择颜色"), ui->fm2, {QStringLiteral("mKey_cursorColor")}));
    m_spotlight = addFunctionRow(Spotlight, TUI::tr("聚光灯"));
    addOptionRow(addLabeledComboBoxItem(TUI::tr("调整大小"), {TUI::tr("小"), TUI::tr("中"), TUI::tr("大")},
                                        {QStringLiteral("150"), QStringLiteral("250"), QStringLiteral("400")},
                                        ui->fm2, {QStringLiteral("mKey_spotLightRadius")}));
    m_magnifier = addFunctionRow(Magnifier, TUI::tr("放大镜"));
    addOptionRow(addLabeledComboBoxItem(TUI::tr("放大区域"), {TUI::tr("小"), TUI::tr("中"), TUI::tr("大")},
                                        {QStringLiteral("300*200"), QStringLiteral("400*266"), QStringLiteral("600*400")},
                                        ui->fm2, {QStringLiteral("mKey_magnifierSize")}));
    // The overlay takes the stored factor as its zoom, so each item stores the zoom it shows.
    addOptionRow(addLabeledComboBoxItem(TUI::tr("放大倍数"),
                                        {QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")},
                                        {QStringLiteral("2.0"), QStringLiteral("3.0"), QStringLiteral("4.0")},
                                        ui->fm2, {QStringLiteral("mKey_magnifierRatio")}));

    m_rows = {m_spotlight, m_magnifier, m_digitalLight, m_airMouse};

    m_chips = new FunctionChipEditor(ui->hltFunctionBtns, ui->tbAddFunction, this);
    for (int id = 0; id < FunctionCount; ++id)
        m_chips->addFunction(id, FunctionCatalog::name(FunctionCatalog::PresenterMKey, id));
    connect(m_chips, &FunctionChipEditor::functionsEdited, this, &MKeyTab::storeFunctions);
}

FormItem *MKeyTab::addFunctionRow(int id, const QString &label)
{
    FormItem *row = addCheckBoxItem(label, false, ui->fm2);
    row->setObjectName(QStringLiteral("fiFunction%1").arg(id));
    row->setCutLineVisible(true);
    row->setData(id);
    row->checkBox()->setProperty("mode", QStringLiteral("MKey"));
    connect(row, &FormItem::frontCheckedChanged, this, &MKeyTab::checkBoxChoose);
    ui->vlt2->addWidget(row);
    return row;
}

void MKeyTab::addOptionRow(FormItem *row)
{
    ui->vlt2->addWidget(row);
}

BaseSetting *MKeyTab::setting() const
{
    return context() ? context()->setting : nullptr;
}

void MKeyTab::onContextChanged()
{
    BaseSetting *record = setting();
    if (!record)
        return;
    setData(record, true);
    bindData();
    m_chips->setFunctions(record->text(kFunctions));
    restoreCurrentFunction();
}

void MKeyTab::storeFunctions(const QString &list)
{
    BaseSetting *record = setting();
    if (!record)
        return;
    FunctionChipEditor::store(record, list);
    restoreCurrentFunction();
}

void MKeyTab::checkBoxChoose(int)
{
    auto *row = qobject_cast<FormItem *>(sender());
    uncheckOtherFunctions(row);
    BaseSetting *record = setting();
    if (!record || !row || row->data().isNull())
        return;
    record->setValue(kFunction, row->data().toInt());
}

int MKeyTab::currentFunction() const
{
    // The page shows what the device runs, so it asks the device's own rule.
    const int id = IDeviceLogic::functionIndexOf(setting());
    return id >= 0 && id < m_rows.size() ? id : -1;
}

void MKeyTab::restoreCurrentFunction()
{
    const int id = currentFunction();
    FormItem *keep = id < 0 ? nullptr : m_rows.at(id);
    if (keep)
        keep->setCheckState(Qt::Checked, false);
    uncheckOtherFunctions(keep);
}

void MKeyTab::uncheckOtherFunctions(FormItem *keep)
{
    for (FormItem *row : qAsConst(m_rows)) {
        if (row != keep)
            row->setCheckState(Qt::Unchecked, false);
    }
}

void MKeyTab::mkeyTab_invokeFunction(VelloboxActionType messageType, VelloboxFunctionFlags, QString)
{
    if (messageType == Action_MKeySwitch)
        restoreCurrentFunction();
    else if (messageType == Action_Volume)
        bindData();
}
