#include "device/pointer/common/ui/VoiceTab.h"
#include "ui_VoiceTab.h"

#include "databinding/FormItem.h"
#include "util/TrContexts.h"

#include <QTextBrowser>

namespace {
const QString kLanguage = QStringLiteral("asr_identifyLanguage");
constexpr int HintHeight = 80;

QString hintParagraphs(const QString &title, const QString &description)
{
    static const QString paragraph = QStringLiteral(
        "<p style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; "
        "text-indent:0px;\"><span style=\" font-family:'Microsoft YaHei'; font-size:12px; color:%1;\">%2</span></p>");
    return paragraph.arg(QStringLiteral("#000000"), title.toHtmlEscaped()) + QLatin1Char(' ')
           + paragraph.arg(QStringLiteral("#a6a6a6"), description.toHtmlEscaped());
}
} // namespace

VoiceTab::VoiceTab(QWidget *parent)
    : FormContainer(parent)
    , ui(new Ui::VoiceTab)
{
    ui->setupUi(this);

    FormItem *language = addLabeledComboBoxItem(TUI::tr("识别语言"), {TUI::tr("中文"), TUI::tr("英文")},
                                                {QStringLiteral("zh"), QStringLiteral("en")}, ui->fm1, {kLanguage});
    language->setObjectName(QStringLiteral("fiLanguage"));
    ui->hlayout1->addWidget(language);

    auto *hint = new FormItem(ui->fm1);
    hint->setObjectName(QStringLiteral("fiHint"));
    QTextBrowser *hintText = hint->addTextBrowser(
        hintParagraphs(TUI::tr("提示:"), TUI::tr("「录音键」长按持续录音，松手结束；短按开始录音，再按停止")), HintHeight);
    // The theme frames every text browser; a row text has none.
    hintText->setStyleSheet(QStringLiteral("QTextBrowser { border: none; }"));
    ui->hlayout1->addWidget(hint);

    bindContextSetting(context());
}

VoiceTab::~VoiceTab()
{
    delete ui;
}

void VoiceTab::onContextChanged()
{
    bindContextSetting(context());
}
