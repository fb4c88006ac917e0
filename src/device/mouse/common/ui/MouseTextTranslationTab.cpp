#include "device/mouse/common/ui/MouseTextTranslationTab.h"
#include "ui_MouseTextTranslationTab.h"

#include "config/BaseSetting.h"
#include "config/language/Languages.h"
#include "databinding/FormItem.h"
#include "device/DeviceContext.h"
#include "logic/businessLogic/FunctionImpl.h"
#include "qui/Toast.h"
#include "qui/control/ImageSwitch.h"
#include "util/TrContexts.h"

#include <QTimer>

namespace {
const QString kGetwordFrom = QStringLiteral("getword_tranFromLanguage");
const QString kGetwordTo = QStringLiteral("getword_tranToLanguage");
const QString kSnapshotOcr = QStringLiteral("snapshot_ocrLanguage");
const QString kSnapshotTo = QStringLiteral("snapshot_tranToLanguage");
const QString kShortcut = QStringLiteral("snapshot_shortcut");
} // namespace

MouseTextTranslationTab::MouseTextTranslationTab(QWidget *parent)
    : FormContainer(parent)
    , ui(new Ui::MouseTextTranslationTab)
{
    ui->setupUi(this);

    // The switch acts at once and is not stored: it binds no field.
    m_switchRow = addImageSwitchItem(tr("划词翻译（启动/关闭）"), ui->fm1);
    m_switchRow->setObjectName(QStringLiteral("fiGetwordSwitch"));
    ui->vlt1->insertWidget(0, m_switchRow);
    connect(m_switchRow->imageSwitch(), &ImageSwitch::checkedChanged, this,
            &MouseTextTranslationTab::onGetwordSwitchChanged);

    ui->langGetWord->setLanguageLabel(tr("语言"));
    ui->langGetWord->setFromLanguages({Languages::tr("自动")}, {QStringLiteral("auto")}, kGetwordFrom);
    ui->langGetWord->setToLanguage(Languages::TextTranslation, kGetwordTo);
    ui->langSnapshot->setLanguageLabel(tr("语言"));
    ui->langSnapshot->setFromLanguage(Languages::Ocr, kSnapshotOcr);
    ui->langSnapshot->setToLanguage(Languages::TextTranslation, kSnapshotTo);
    for (TranSettingItem *row : {ui->langGetWord, ui->langSnapshot}) {
        addBinder(row);
        addChildContainer(row);
    }

    ui->title3->hide();
    ui->fm3->hide();

    // Only a complete combination is stored, never the text while it is being typed or cleared.
    connect(ui->keyEdit, &KeyLineEdit::sigKeyChange, this,
            [this](Qt::KeyboardModifiers, int, const QString &keyName) { onShortcutEdited(keyName); });
}

MouseTextTranslationTab::~MouseTextTranslationTab()
{
    m_settingHandler.reset();
    delete ui;
}

BaseSetting *MouseTextTranslationTab::setting() const
{
    return context() ? context()->setting : nullptr;
}

void MouseTextTranslationTab::onContextChanged()
{
    BaseSetting *record = setting();
    if (!record) {
        m_settingHandler.reset();
        return;
    }
    {
        const QSignalBlocker blocker(ui->keyEdit);
        ui->keyEdit->setText(record->text(kShortcut));
    }
    m_settingHandler.set(record, [this](const QString &field, const QVariant &oldValue, const QVariant &newValue) {
        onSettingChanged(field, oldValue, newValue);
    });
    setData(record, true);
    bindData();
}

void MouseTextTranslationTab::onSettingChanged(const QString &field, const QVariant &, const QVariant &)
{
    // A language chosen elsewhere (the translation window) shows here at once.
    if (field.compare(kSnapshotOcr, Qt::CaseInsensitive) == 0 || field.compare(kSnapshotTo, Qt::CaseInsensitive) == 0)
        ui->langSnapshot->bindData();
    else if (field.compare(kGetwordFrom, Qt::CaseInsensitive) == 0
             || field.compare(kGetwordTo, Qt::CaseInsensitive) == 0)
        ui->langGetWord->bindData();
}

void MouseTextTranslationTab::onGetwordSwitchChanged(bool checked)
{
    FunctionImpl *hub = context() ? context()->functionImpl : nullptr;
    if (!hub)
        return;
    if (checked)
        hub->invokeFunction(Action_GetwordTranslation, Flag_Press, TNotify::tr("开启划词翻译"));
    else
        hub->invokeFunction(Action_GetwordTranslation, Flag_Release, TNotify::tr("关闭划词翻译"));
}

void MouseTextTranslationTab::onShortcutEdited(const QString &keyName)
{
    if (keyName.isEmpty())
        return;
    // The record, not the context, is kept for the write: the record outlives its device.
    BaseSetting *record = setting();
    QTimer::singleShot(ShortcutWriteDelayMs, this, [record, keyName] {
        if (record)
            record->setValueFromString(kShortcut, keyName);
    });
    ui->title1->setFocus(Qt::OtherFocusReason);
    Toast::instance().showMessage(0, tr("快捷键设置成功"), 2000);
}
