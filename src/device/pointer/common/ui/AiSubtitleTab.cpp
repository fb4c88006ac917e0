#include "device/pointer/common/ui/AiSubtitleTab.h"
#include "ui_AiSubtitleTab.h"

#include "databinding/FormItem.h"
#include "databinding/ZColorComboBox.h"
#include "databinding/ZComboBox.h"
#include "form/floating/SubtitleWidget.h"
#include "util/TrContexts.h"

#include <QTextBrowser>
#include <QTimer>

namespace {
const QString kIdentifyLanguage = QStringLiteral("subtitle_identifyLanguage");
const QString kTranslateLanguage = QStringLiteral("subtitle_transLanguage");
const QString kSubtitleOff = QStringLiteral("subtitle_ui_disable");
const QString kTranslationOff = QStringLiteral("subtitle_ui_identify_disable");
const QString kFontSize = QStringLiteral("subtitle_ui_fontSize");
const QString kFontColor = QStringLiteral("subtitle_ui_identify_fontColor");
const QString kTranslateColor = QStringLiteral("subtitle_ui_translate_fontColor");
const QString kBackColor = QStringLiteral("subtitle_ui_bakColor");

QString hintParagraphs(const QString &title, const QString &description)
{
    static const QString paragraph = QStringLiteral(
        "<p style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; "
        "text-indent:0px;\"><span style=\" font-family:'Microsoft YaHei'; font-size:%1px; color:%2; "
        "background-color:#ffffff;\">%3</span></p>");
    return paragraph.arg(QStringLiteral("16"), QStringLiteral("#000000"), QLatin1Char(' ') + title.toHtmlEscaped())
           + QLatin1Char(' ')
           + paragraph.arg(QStringLiteral("12"), QStringLiteral("#a6a6a6"),
                           QLatin1Char(' ') + description.toHtmlEscaped() + QLatin1Char(' '));
}
} // namespace

AiSubtitleTab::AiSubtitleTab(QWidget *parent)
    : FormContainer(parent)
    , ui(new Ui::AiSubtitleTab)
{
    ui->setupUi(this);
    QWidget *frame = ui->frame;

    auto *hint = new FormItem(frame);
    hint->setObjectName(QStringLiteral("fiHint"));
    QTextBrowser *hintText = hint->addTextBrowser(
        hintParagraphs(TUI::tr("演讲设置"), TUI::tr("短按：开始/结束 录音    长按：连接录音")), 50);
    // The theme frames every text browser; a row text has none.
    hintText->setStyleSheet(QStringLiteral("QTextBrowser { border: none; }"));
    ui->vlt1->addWidget(hint);

    const QStringList chineseEnglish{TUI::tr("中文"), TUI::tr("英文")};
    FormItem *identify = addLabeledComboBoxItem(TUI::tr("识别语言"), chineseEnglish,
                                                {QStringLiteral("zh"), QStringLiteral("en")}, frame,
                                                {kIdentifyLanguage});
    identify->setObjectName(QStringLiteral("fiIdentifyLanguage"));
    FormItem *translate = addLabeledComboBoxItem(TUI::tr("翻译语言"), {TUI::tr("英文"), TUI::tr("中文")},
                                                 {QStringLiteral("en"), QStringLiteral("zh")}, frame,
                                                 {kTranslateLanguage});
    translate->setObjectName(QStringLiteral("fiTranslateLanguage"));
    FormItem *subtitleOff = addImageSwitchItem(TUI::tr("字幕关闭"), frame, {kSubtitleOff});
    subtitleOff->setObjectName(QStringLiteral("fiSubtitleOff"));
    FormItem *translationOff = addImageSwitchItem(TUI::tr("翻译关闭"), frame, {kTranslationOff});
    translationOff->setObjectName(QStringLiteral("fiTranslationOff"));
    FormItem *fontSize = addLabeledComboBoxItem(TUI::tr("字体大小"), {TUI::tr("小"), TUI::tr("中"), TUI::tr("大")},
                                                {QStringLiteral("16"), QStringLiteral("24"), QStringLiteral("36")},
                                                frame, {kFontSize});
    fontSize->setObjectName(QStringLiteral("fiFontSize"));
    FormItem *fontColor = addComboBoxItem(TUI::tr("字体颜色"), frame, {kFontColor});
    fontColor->setObjectName(QStringLiteral("fiFontColor"));
    FormItem *translateColor = addComboBoxItem(TUI::tr("翻译字体颜色"), frame, {kTranslateColor});
    translateColor->setObjectName(QStringLiteral("fiTranslateColor"));
    FormItem *backColor = addComboBoxItem(TUI::tr("背景颜色"), frame, {kBackColor});
    backColor->setObjectName(QStringLiteral("fiBackColor"));

    for (FormItem *row : {identify, translate, subtitleOff, translationOff, fontSize, fontColor, translateColor,
                          backColor})
        ui->vlt1->addWidget(row);
    ui->vlt1->addStretch(1);

    // Connected after the combos' own handlers, so the preview reads the value just stored.
    // Binding selects with signals blocked: a device arrival opens no preview.
    connect(fontSize->comboBox(), &QComboBox::currentTextChanged, this, &AiSubtitleTab::showPreview);
    for (FormItem *row : {fontColor, translateColor, backColor})
        connect(row->secondComboBox(), &QComboBox::currentTextChanged, this, &AiSubtitleTab::showPreview);

    bindContextSetting(context());
}

AiSubtitleTab::~AiSubtitleTab()
{
    // A preview reads the device's record while it paints; it must not outlive the page,
    // which goes with the device.
    for (const QPointer<SubtitleWidget> &preview : qAsConst(m_previews))
        delete preview.data();
    delete ui;
}

QList<SubtitleWidget *> AiSubtitleTab::previews() const
{
    QList<SubtitleWidget *> open;
    for (const QPointer<SubtitleWidget> &preview : m_previews) {
        if (preview)
            open << preview.data();
    }
    return open;
}

void AiSubtitleTab::onContextChanged()
{
    bindContextSetting(context());
}

void AiSubtitleTab::showPreview(const QString &)
{
    auto *preview = new SubtitleWidget;
    preview->setIdentifyEnabled(true);
    preview->setContext(context());
    preview->updateStyle();
    preview->setText1(TUI::tr("预览效果!"));
    preview->setText2(QStringLiteral("This is preview!"));
    preview->show();
    m_previews.removeAll(nullptr);
    m_previews.append(preview);
    QTimer::singleShot(PreviewMs, Qt::CoarseTimer, preview, [preview] {
        preview->hide();
        preview->deleteLater();
    });
}
