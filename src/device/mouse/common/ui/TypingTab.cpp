#include "device/mouse/common/ui/TypingTab.h"
#include "ui_TypingTab.h"

#include "config/BaseSetting.h"
#include "config/language/Languages.h"
#include "databinding/FormItem.h"
#include "databinding/ZComboBox.h"
#include "device/DeviceContext.h"
#include "device/mouse/common/ui/SpeechLanguageRule.h"
#include "qui/QUIHelper.h"
#include "util/TrContexts.h"

namespace {
const QString kRecognition = QStringLiteral("asr_languageAndAccent");
const QString kTranslationTarget = QStringLiteral("translation_toLanguage");
} // namespace

TypingTab::TypingTab(QWidget *parent)
    : FormContainer(parent)
    , ui(new Ui::TypingTab)
{
    ui->setupUi(this);

    const auto recognition = Languages::displayNames(Languages::instance().sections(Languages::SpeechRecognition));
    const auto translation = Languages::displayNames(Languages::instance().sections(Languages::SpeechTranslation));

    FormItem *native = addLabeledComboBoxItem(TUI::tr("我的母语"), recognition.first, recognition.second, ui->fm1,
                                              {kRecognition});
    native->setObjectName(QStringLiteral("fiNativeLanguage"));
    ui->vlt1->addWidget(native);
    m_nativeRowCombo = native->comboBox();

    FormItem *mode = addLabeledComboBoxItem(TUI::tr("输出模式"),
                                            {TUI::tr("兼容模式"), TUI::tr("动态模式"), TUI::tr("浮框模式")},
                                            {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")},
                                            ui->fm2, {QStringLiteral("asr_typingOutputMode")});
    mode->setObjectName(QStringLiteral("fiOutputMode"));
    ui->vlt2->addWidget(mode);

    FormItem *punctuation = addImageSwitchItem(rowText(TUI::tr("智能标点"), TUI::tr("智能标点描述")), ui->fm2,
                                               {QStringLiteral("asr_enablePtt")});
    punctuation->setObjectName(QStringLiteral("fiSmartPunctuation"));
    punctuation->setFixedHeight(48);
    ui->vlt2->addWidget(punctuation);

    ui->cbNativeLang->setItems(recognition.first, recognition.second);
    addBindWidget(ui->cbNativeLang, {kRecognition});
    ui->cbTranLang->setItems(translation.first, translation.second);
    addBindWidget(ui->cbTranLang, {kTranslationTarget});

    // Typing part of a name offers every language that contains it; only listed languages
    // are ever stored (ZComboBox writes on an index change only).
    QUIHelper::setCompleter(m_nativeRowCombo, recognition.first);
    QUIHelper::setCompleter(ui->cbNativeLang, recognition.first);
    QUIHelper::setCompleter(ui->cbTranLang, translation.first);

    // Connected after the combos' own handlers: the field is stored before we run.
    connect(m_nativeRowCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &TypingTab::cbAsr_currentIndexChanged);
    connect(ui->cbNativeLang, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &TypingTab::cbAsr_currentIndexChanged);
}

TypingTab::~TypingTab()
{
    delete ui;
}

QString TypingTab::rowText(const QString &title, const QString &description)
{
    static const QString paragraph = QStringLiteral(
        "<p style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; "
        "text-indent:0px;\"><span style=\" font-family:'Microsoft YaHei'; font-size:12px; color:%1; "
        "background-color:#ffffff;\">%2</span></p>");
    return paragraph.arg(QStringLiteral("#000000"), QLatin1Char(' ') + title.toHtmlEscaped()) + QLatin1Char(' ')
           + paragraph.arg(QStringLiteral("#a6a6a6"), QLatin1Char(' ') + description.toHtmlEscaped() + QLatin1Char(' '));
}

BaseSetting *TypingTab::setting() const
{
    return context() ? context()->setting : nullptr;
}

void TypingTab::onContextChanged()
{
    bindContextSetting(context());
}

void TypingTab::cbAsr_currentIndexChanged(int index)
{
    auto *combo = qobject_cast<ZComboBox *>(sender());
    if (!combo)
        return;
    // Both combos show the stored speech language.
    ZComboBox *other = combo == m_nativeRowCombo ? ui->cbNativeLang : m_nativeRowCombo;
    SpeechLanguageRule::apply(combo, other, setting(), index);
}
