#include "device/mouse/common/ui/MouseMKeyTab.h"
#include "ui_MouseMKeyTab.h"

#include "config/BaseSetting.h"
#include "device/DeviceContext.h"
#include "device/IDeviceLogic.h"
#include "device/ProductInfo.h"
#include "device/common/ui/FunctionChipEditor.h"
#include "form/panel/LeftTabbarPanel.h"
#include "form/panel/TabPanel.h"
#include "logging/QsLog.h"
#include "logic/businessLogic/FunctionCatalog.h"
#include "qui/Toast.h"
#include "qui/control/CheckBoxItem.h"
#include "qui/control/KeyLineEdit.h"
#include "util/TrContexts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QSignalBlocker>

#include <algorithm>

namespace {
const QString kFunction = QStringLiteral("mKey_function");
const QString kFunctions = QStringLiteral("mKey_functions");
const QString kUrl = QStringLiteral("mKey_url");
const QString kShortcutModifiers = QStringLiteral("mKey_shortcut_modifiers");
const QString kShortcutKey = QStringLiteral("mKey_shortcut_key");
const QString kShortcutText = QStringLiteral("mKey_shortcut_Str");
const QString kSeparatorStyle = QStringLiteral("QFrame { background-color: none; border-top: 1px solid #EAEAEA}");
constexpr int kShortcutToastMs = 2000;
// Pages of the mouse's stack that hold a function's own settings.
constexpr int kTypingPage = 1;
constexpr int kTranslationPage = 3;

QString heading(const QString &title, const QString &before, const QString &after)
{
    return QStringLiteral("<p style=\"font-family:'Microsoft YaHei UI'; font-size:9pt;\"><span style=\"font-size:12pt;\">"
                          "%1</span><br/>%2<img src=\":/resource/image/textIcon/text-mbutton.png\"/>"
                          "<span style=\"color:#ffaa00;\">%3</span></p>")
        .arg(title.toHtmlEscaped(), before.toHtmlEscaped(), after.toHtmlEscaped());
}
} // namespace

MouseMKeyTab::MouseMKeyTab(QWidget *parent)
    : FormContainer(parent)
    , ui(new Ui::MouseMKeyTab)
{
    ui->setupUi(this);
    initialize();
}

MouseMKeyTab::~MouseMKeyTab()
{
    delete ui;
}

const QVector<int> &MouseMKeyTab::functionIds()
{
    static const QVector<int> ids = {Action_VoiceTyping,  Action_SnapshotTranslation, Action_TranslationTyping,
                                     Action_Enter,        Action_Backspace,           Action_WebSearch,
                                     Action_VoiceSearch,  Action_ShowDesktop,         Action_SwitchWindow,
                                     Action_OpenWebPage,  Action_CustomShortcut};
    return ids;
}

const QVector<int> &MouseMKeyTab::commonFunctionIds()
{
    static const QVector<int> ids = {Action_Enter,       Action_TranslationTyping, Action_VoiceSearch,
                                     Action_VoiceTyping, Action_ShowDesktop,       Action_CustomShortcut};
    return ids;
}

void MouseMKeyTab::initialize()
{
    ui->title1->setHtml(heading(TUI::tr("功能中心"), TUI::tr("选择以下你常用的功能后，按下 "), TUI::tr("键，启动该功能")));
    ui->title2->setHtml(heading(TUI::tr("M键常用设置"), TUI::tr("自定义设置常用功能，双击  "), TUI::tr("键，轮循功能切换")));
    ui->line1->setStyleSheet(kSeparatorStyle);
    ui->line2->hide();
    m_group = new QButtonGroup(this);

    QHBoxLayout *row = addRow();
    addSelectionItem(row, Action_VoiceTyping, TUI::tr("语音打字"), true);
    addSelectionItem(row, Action_SnapshotTranslation, TUI::tr("截屏翻译"), true);
    addSelectionItem(row, Action_TranslationTyping, TUI::tr("翻译打字"), true);
    row = addRow();
    addSelectionItem(row, Action_Enter, TUI::tr("回车"), false);
    addSelectionItem(row, Action_Backspace, TUI::tr("回退"), false);
    addSelectionItem(row, Action_WebSearch, TUI::tr("一键百度"), false);
    row = addRow();
    addSelectionItem(row, Action_VoiceSearch, TUI::tr("语音搜索"), false);
    addSelectionItem(row, Action_ShowDesktop, TUI::tr("返回桌面"), false);
    addSelectionItem(row, Action_SwitchWindow, TUI::tr("窗口切换"), false);

    ui->cbOpenUrl->setText(TUI::tr("一键打开网页"));
    ui->cbShortcut->setText(TUI::tr("自定义快捷键"));
    for (QAbstractButton *box : {static_cast<QAbstractButton *>(ui->cbOpenUrl), static_cast<QAbstractButton *>(ui->cbShortcut)}) {
        m_group->addButton(box);
        connect(box, &QAbstractButton::toggled, this, &MouseMKeyTab::on_checkItem_checkStateChanged);
    }
    m_rows.insert(Action_OpenWebPage, ui->cbOpenUrl);
    m_rows.insert(Action_CustomShortcut, ui->cbShortcut);

    m_chips = new FunctionChipEditor(ui->hltFunctionBtns, ui->tbAddFunction, this);
    QVector<int> common = commonFunctionIds();
    std::sort(common.begin(), common.end()); // the menu lists them by id
    for (int id : qAsConst(common))
        m_chips->addFunction(id, FunctionCatalog::name(FunctionCatalog::DeviceAction, id));
    connect(m_chips, &FunctionChipEditor::functionsEdited, this, &MouseMKeyTab::storeFunctions);

    connect(ui->lineEdit, &QLineEdit::textChanged, this, &MouseMKeyTab::on_lineEdit_textChanged);
    connect(ui->leShortcut, &KeyLineEdit::sigKeyChange, this, &MouseMKeyTab::on_sigKeyChange);
}

QHBoxLayout *MouseMKeyTab::addRow()
{
    // Rows go before the web-address and shortcut lines, which stay the last four items.
    const int position = ui->vlt2->count() - 4;
    auto *row = new QHBoxLayout;
    row->setSpacing(0);
    ui->vlt2->insertLayout(position, row);
    auto *separator = new QFrame(ui->fm1);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    separator->setStyleSheet(kSeparatorStyle);
    ui->vlt2->insertWidget(position + 1, separator);
    return row;
}

CheckBoxItem *MouseMKeyTab::addSelectionItem(QHBoxLayout *row, int id, const QString &text, bool withLink)
{
    auto *item = new CheckBoxItem(ui->fm1);
    item->setObjectName(QStringLiteral("cbFunction%1").arg(id));
    item->setText(text);
    item->setData(id);
    if (withLink)
        item->setLabel(TUI::tr("<u>设置</u>"));
    row->addWidget(item, 1);
    m_group->addButton(item->checkBox());
    m_rows.insert(id, item->checkBox());
    connect(item->checkBox(), &QAbstractButton::toggled, this, &MouseMKeyTab::on_checkItem_checkStateChanged);
    connect(item, &CheckBoxItem::checkItem_labelClick, this, &MouseMKeyTab::on_checkItem_labelClick);
    return item;
}

BaseSetting *MouseMKeyTab::setting() const
{
    return context() ? context()->setting : nullptr;
}

void MouseMKeyTab::onContextChanged()
{
    BaseSetting *record = setting();
    if (!record)
        return;
    {
        const QSignalBlocker urlBlocker(ui->lineEdit);
        const QSignalBlocker keyBlocker(ui->leShortcut);
        ui->lineEdit->setText(record->text(kUrl));
        ui->leShortcut->setText(record->text(kShortcutText));
    }
    const ProductInfo *product = context()->product;
    const bool common = !product || product->hasCommonFunctions();
    ui->title2->setVisible(common);
    ui->fm2->setVisible(common);
    bindContextSetting(context());
    m_chips->setFunctions(record->text(kFunctions));
    restoreCurrentFunction();
}

int MouseMKeyTab::idOf(QObject *sender) const
{
    for (auto it = m_rows.cbegin(); it != m_rows.cend(); ++it) {
        if (it.value() == sender)
            return it.key();
    }
    if (auto *item = qobject_cast<CheckBoxItem *>(sender))
        return item->data().toInt();
    return -1;
}

void MouseMKeyTab::on_checkItem_checkStateChanged(bool state)
{
    const int id = idOf(sender());
    QLOG_DEBUG() << "on_checkItem_checkStateChanged :" << int(state) << ","
                 << FunctionCatalog::name(FunctionCatalog::DeviceAction, id);
    // Only the newly ticked row speaks: the one losing its tick would store its own id.
    BaseSetting *record = setting();
    if (!state || id < 0 || !record)
        return;
    record->setValue(kFunction, id);
}

void MouseMKeyTab::on_checkItem_labelClick(QMouseEvent *)
{
    auto *item = qobject_cast<CheckBoxItem *>(sender());
    const int id = item ? item->data().toInt() : -1;
    QLOG_DEBUG() << "on_checkItem_labelClick :" << FunctionCatalog::name(FunctionCatalog::DeviceAction, id);
    IDeviceLogic *logic = context() ? context()->logic : nullptr;
    if (!logic)
        return;
    int page = -1;
    if (id == Action_VoiceTyping || id == Action_TranslationTyping)
        page = kTypingPage;
    else if (id == Action_SnapshotTranslation)
        page = kTranslationPage;
    const IDeviceLogic::DeviceUi pages = logic->deviceUi();
    if (page < 0)
        return;
    if (pages.second)
        pages.second->setCurrentIndex(page);
    if (pages.first)
        pages.first->setCurrentIndex(page);
}

void MouseMKeyTab::on_lineEdit_textChanged(const QString &text)
{
    if (BaseSetting *record = setting())
        record->setValue(kUrl, text);
}

void MouseMKeyTab::on_sigKeyChange(Qt::KeyboardModifiers modifiers, int key, const QString &keyName)
{
    BaseSetting *record = setting();
    if (!record)
        return;
    record->setValue(kShortcutModifiers, int(modifiers));
    record->setValue(kShortcutKey, key);
    record->setValue(kShortcutText, keyName);
    ui->cbShortcut->setFocus(Qt::OtherFocusReason);
    Toast::instance().showMessage(0, TUI::tr("快捷键设置成功"), kShortcutToastMs);
}

void MouseMKeyTab::storeFunctions(const QString &list)
{
    BaseSetting *record = setting();
    if (!record)
        return;
    FunctionChipEditor::store(record, list);
    restoreCurrentFunction();
}

void MouseMKeyTab::restoreCurrentFunction()
{
    BaseSetting *record = setting();
    if (!record)
        return;
    // The device's own rule, so the page shows what the M key runs; a function without a
    // row here (a hand-edited file) ticks nothing.
    QAbstractButton *box = m_rows.value(IDeviceLogic::functionIndexOf(record));
    if (box) {
        // Ticking stores the function, so the M key keeps running what the page shows.
        box->setChecked(true);
        return;
    }
    const QSignalBlocker blocker(m_group);
    m_group->setExclusive(false);
    for (QAbstractButton *b : qAsConst(m_rows)) {
        const QSignalBlocker rowBlocker(b);
        b->setChecked(false);
    }
    m_group->setExclusive(true);
}

void MouseMKeyTab::mkeyTab_invokeFunction(VelloboxActionType messageType, VelloboxFunctionFlags, QString)
{
    if (messageType == Action_MKeySwitch)
        restoreCurrentFunction();
    else if (messageType == Action_Volume)
        bindData();
}
