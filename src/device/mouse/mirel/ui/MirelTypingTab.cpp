#include "device/mouse/mirel/ui/MirelTypingTab.h"
#include "ui_MirelTypingTab.h"

#include "config/BaseSetting.h"
#include "config/language/Languages.h"
#include "databinding/FormItem.h"
#include "databinding/ZButtonGroup.h"
#include "databinding/ZComboBox.h"
#include "device/DeviceContext.h"
#include "device/mouse/common/ui/SpeechLanguageRule.h"
#include "device/mouse/common/ui/TypingTab.h"
#include "logic/businessLogic/FunctionImpl.h"
#include "qui/QUIHelper.h"
#include "qui/control/ImageSwitch.h"
#include "util/TrContexts.h"

namespace {
const QString kSpeech = QStringLiteral("asr_languageAndAccent");
const QString kPunctuation = QStringLiteral("asr_enablePtt");
const QString kGetWordFrom = QStringLiteral("getword_tranFromLanguage");
const QString kGetWordTo = QStringLiteral("getword_tranToLanguage");
const QString kTranslationTarget = QStringLiteral("translation_toLanguage");
const QString kModeIndex = QStringLiteral("mKey_functionIndex");
} // namespace

MirelTypingTab::MirelTypingTab(QWidget *parent)
    : FormContainer(parent)
    , ui(new Ui::MirelTypingTab)
{
    ui->setupUi(this);

    const auto speech = Languages::displayNames(Languages::instance().sections(Languages::SpeechRecognition));
    // The word-pick and voice-translation fields hold the speech vendor's translation codes.
    const auto translation = Languages::displayNames(Languages::instance().sections(Languages::SpeechTranslation));

    FormItem *native =
        addLabeledComboBoxItem(TUI::tr("我的母语"), speech.first, speech.second, ui->fm1, {kSpeech});
    native->setObjectName(QStringLiteral("fiNativeLanguage"));
    ui->vlt1->addWidget(native);
    m_nativeRowCombo = native->comboBox();
    QUIHelper::setCompleter(m_nativeRowCombo, speech.first);

    FormItem *punctuation =
        addImageSwitchItem(TypingTab::rowText(TUI::tr("智能标点"), TUI::tr("智能标点描述")), ui->fm2, {kPunctuation});
    punctuation->setObjectName(QStringLiteral("fiSmartPunctuation"));
    punctuation->setFixedHeight(48);
    ui->vlt2->addWidget(punctuation);

    addLanguageCombo(ui->cbTranLangFrom, kSpeech, speech);
    addLanguageCombo(ui->cbTranLangTo, kTranslationTarget, translation);
    addLanguageCombo(ui->cbGetWordLangFrom, kGetWordFrom, translation);
    addLanguageCombo(ui->cbGetWordLangTo, kGetWordTo, translation);

    m_modeGroup = new ZButtonGroup(this);
    m_modeGroup->setObjectName(QStringLiteral("modeGroup"));
    addBindWidget(m_modeGroup, {kModeIndex});
    m_modeGroup->addButton(ui->cbMode1, 0);
    m_modeGroup->addButton(ui->cbMode2, 1);
    m_modeGroup->addButton(ui->cbMode3, 2);

    // Connected after the combos' own handlers: the field is stored before we run.
    connect(m_nativeRowCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &MirelTypingTab::cbAsr_currentIndexChanged);
    connect(ui->cbTranLangFrom, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &MirelTypingTab::cbAsr_currentIndexChanged);
    connect(ui->cboxEnableGetword, &ImageSwitch::checkedChanged, this, &MirelTypingTab::toggleGetWord);
}

MirelTypingTab::~MirelTypingTab()
{
    delete ui;
}

void MirelTypingTab::addLanguageCombo(ZComboBox *combo, const QString &field,
                                      const QPair<QStringList, QStringList> &items)
{
    combo->setItems(items.first, items.second);
    addBindWidget(combo, {field});
    // Typing part of a name offers every language containing it; only listed ones are stored.
    QUIHelper::setCompleter(combo, items.first);
}

BaseSetting *MirelTypingTab::setting() const
{
    return context() ? context()->setting : nullptr;
}

void MirelTypingTab::onContextChanged()
{
    bindContextSetting(context());
}

void MirelTypingTab::mkeyTab_invokeFunction(VelloboxActionType, VelloboxFunctionFlags, const QString &)
{
    if (setting())
        m_modeGroup->bindData();
}

void MirelTypingTab::cbAsr_currentIndexChanged(int index)
{
    auto *combo = qobject_cast<ZComboBox *>(sender());
    if (!combo)
        return;
    // Both combos show the stored speech language.
    ZComboBox *other = combo == m_nativeRowCombo ? ui->cbTranLangFrom : m_nativeRowCombo;
    SpeechLanguageRule::apply(combo, other, setting(), index);
}

void MirelTypingTab::toggleGetWord(bool on)
{
    FunctionImpl *hub = context() ? context()->functionImpl : nullptr;
    if (!hub)
        return;
    if (on)
        hub->invokeFunction(Action_GetwordTranslation, Flag_Press, TNotify::tr("开启划词翻译"));
    else
        hub->invokeFunction(Action_GetwordTranslation, Flag_Release, TNotify::tr("关闭划词翻译"));
}
