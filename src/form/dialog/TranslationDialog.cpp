#include "form/dialog/TranslationDialog.h"
#include "ui_TranslationDialog.h"

#include "config/BaseSetting.h"
#include "config/language/Languages.h"
#include "device/DeviceContext.h"
#include "form/floating/Compositing.h"
#include "logging/QsLog.h"
#include "logic/businessLogic/FunctionImpl.h"
#include "logic/businessLogic/GetwordTranslateImpl.h"
#include "logic/client/BaiduClient.h"
#include "logic/client/TtsClient.h"
#include "qui/Toast.h"
#include "util/TrContexts.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QPointer>

namespace {
const QString kFontSize = QStringLiteral("translation_fontSize");
const QString kPlayIcon = QStringLiteral(":/resource/image/screenshot/translate_play.png");
const QString kPlayingIcon = QStringLiteral(":/resource/image/screenshot/translate_play_2.png");
// The OCR setting that reads Chinese and English together: its text may be either.
const QString kMixedOcr = QStringLiteral("CHN_ENG");
const QSize kCollapsedSize(50, 100);
const QSize kExpandedSize(635, 320);
constexpr int kExpandedMinimumWidth = 650;
constexpr int kPanesMinimumWidth = 578;
} // namespace

TranslationDialog::TranslationDialog(int mode, DeviceContext *context, const QString &fromKey, const QString &toKey,
                                     QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::TranslationDialog)
    , m_mode(mode)
    , m_fromKey(fromKey)
    , m_toKey(toKey)
    , m_client(new BaiduClient(this))
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    // It appears while the user works in another program (a picked word): showing it must not
    // take the keyboard from that program. A click on it still activates it.
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Without a compositor the clear parts of a translucent window would show black.
    if (Compositing::isActive())
        setAttribute(Qt::WA_TranslucentBackground);
    fillCombos();

    useContext(context);

    // Beside, as on the other buttons of the row: the style sheet's button height has no room
    // for a text under the icon.
    ui->btnTextSize->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    ui->btnTextSize->setText(TUI::tr("字体大小"));
    ui->btnCopy->setText(TUI::tr("复制"));
    ui->btnPlay->setText(TUI::tr("播报"));
    auto *sizes = new QMenu(ui->btnTextSize);
    const QVector<QPair<QString, int>> entries = {{TUI::tr("小"), 9}, {TUI::tr("中"), 12}, {TUI::tr("大"), 14}};
    for (const auto &entry : entries) {
        QAction *action = sizes->addAction(entry.first);
        action->setData(entry.second);
        connect(action, &QAction::triggered, this, &TranslationDialog::btnTextSize_triggered);
    }
    ui->btnTextSize->setMenu(sizes);

    connect(ui->lbToTranslate, &ClickableLabel::clicked, this, &TranslationDialog::lbToTranslate_clicked);
    ui->fmTitleBar->setStyleSheet(QStringLiteral("background-color: rgb(255, 159, 26);"));
    expand(false);
    connect(ui->cbTranslationLangFrom, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &TranslationDialog::translationLang_changed);
    connect(ui->cbTranslationLangTo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &TranslationDialog::translationLang_changed);
    ui->btnPlay->setupAnimation();
    ui->btnPlaySource->setupAnimation();
}

TranslationDialog::~TranslationDialog()
{
    delete ui;
}

void TranslationDialog::fillCombos()
{
    const auto &languages = Languages::instance();
    if (ui->cbTranslationLangFrom->count() == 0) {
        if (m_mode == 0) {
            ui->cbTranslationLangFrom->setItems({Languages::tr("自动")}, {QStringLiteral("auto")});
        } else {
            const auto ocr = Languages::displayNames(languages.sections(Languages::Ocr));
            ui->cbTranslationLangFrom->setItems(ocr.first, ocr.second);
        }
    }
    if (ui->cbTranslationLangTo->count() == 0) {
        const auto targets = Languages::displayNames(languages.sections(Languages::TextTranslation));
        ui->cbTranslationLangTo->setItems(targets.first, targets.second);
    }
}

BaseSetting *TranslationDialog::setting() const
{
    return context() ? context()->setting : nullptr;
}

void TranslationDialog::useContext(DeviceContext *context)
{
    disconnect(m_hubWatch);
    // The device's hub goes before the device itself: forget the device with it.
    if (context && context->functionImpl) {
        m_hubWatch = connect(context->functionImpl, &QObject::destroyed, this, [this, context] {
            if (this->context() == context)
                useContext(nullptr);
        });
    }
    if (context == this->context())
        return;
    IContextBinder::setContext(context);
    if (context)
        setLanguages();
}

void TranslationDialog::setSourceText(const QString &text)
{
    if (text != ui->teText->toPlainText())
        ++m_generation; // an answer on its way belongs to the former text
    ui->teText->setPlainText(text);
}

void TranslationDialog::setTranslationText(const QString &text)
{
    ui->teTranslation->setPlaceholderText(QString());
    ui->teTranslation->setPlainText(text);
    // A translation handed in is in the chosen target language; its source is unknown.
    m_resultLangTo = ui->cbTranslationLangTo->currentData().toString();
    m_resultLangFrom.clear();
}

QString TranslationDialog::sourceText() const
{
    return ui->teText->toPlainText();
}

QString TranslationDialog::translationText() const
{
    return ui->teTranslation->toPlainText();
}

void TranslationDialog::setSourceVisible(bool collapsed)
{
    expand(!collapsed);
}

bool TranslationDialog::isCollapsed() const
{
    return ui->fmDialog->isHidden();
}

void TranslationDialog::setIconVisible(bool hidden)
{
    ui->fmIcon->setHidden(hidden);
}

void TranslationDialog::expand(bool expanded)
{
    ui->fmDialog->setVisible(expanded);
    setMinimumWidth(expanded ? kExpandedMinimumWidth : 0);
    ui->fmDialog->setMinimumWidth(expanded ? kPanesMinimumWidth : 0);
    resize(expanded ? kExpandedSize : kCollapsedSize);
}

void TranslationDialog::setLanguages()
{
    BaseSetting *record = setting();
    if (!record)
        return;
    const QString to = record->text(m_toKey);
    if (to != m_langParamTo) {
        m_langParamTo = to;
        QLOG_DEBUG() << "langParamTo - " << to;
    }
    ui->cbTranslationLangTo->selectByData(to);
    const QString from = record->text(m_fromKey);
    if (from != m_langParamFrom) {
        m_langParamFrom = from;
        QLOG_DEBUG() << "langParamFrom - " << from;
    }
    ui->cbTranslationLangFrom->selectByData(from);
}

QString TranslationDialog::requestSource(const QString &from) const
{
    if (from.isEmpty())
        return QStringLiteral("auto");
    if (m_mode != 1)
        return from;
    // Sent as Chinese, an English region would come back untranslated.
    if (from == kMixedOcr)
        return QStringLiteral("auto");
    // OCR codes ("CHN_ENG") mean nothing to the translation service.
    const Languages::LangugeSection *source =
        Languages::instance().switchLanguage(Languages::Ocr, from, Languages::TextTranslation);
    return source ? source->code : QStringLiteral("auto");
}

void TranslationDialog::toTranslateText(QString from, QString to)
{
    BaseSetting *record = setting();
    if (!record) {
        QLOG_ERROR() << "Not context is set!!";
        return;
    }
    m_requestTo = to.isEmpty() ? record->text(m_toKey) : to;
    if (from.isEmpty())
        from = record->text(m_fromKey);
    const QString text = ui->teText->toPlainText();
    const quint64 generation = ++m_generation;
    ui->teTranslation->clear();
    ui->teTranslation->setPlaceholderText(QString());
    m_resultLangFrom.clear();
    m_resultLangTo.clear();

    auto current = [this, generation, text] {
        return generation == m_generation && text == ui->teText->toPlainText();
    };
    m_client->translate(
        text, requestSource(from), m_requestTo,
        [this, current](const QString &translated, const QString &resultFrom, const QString &resultTo) {
            if (!current())
                return; // a newer request, or the source text changed meanwhile
            ui->teTranslation->setPlainText(translated);
            m_resultLangFrom = resultFrom;
            m_resultLangTo = resultTo;
            QLOG_DEBUG() << "TranslationDialog::toTranslateText translate() resultlangFrom = " << m_resultLangFrom
                         << " resultLangTo = " << m_resultLangTo << "result = " << translated;
        },
        this,
        [this, current](const QString &message) {
            if (!current())
                return false; // a newer request is on screen: its failure alone is told
            ui->teTranslation->setPlaceholderText(message);
            return true;
        });
}

void TranslationDialog::lbToTranslate_clicked(QMouseEvent *)
{
    GetwordTranslateImpl::instance().clearEffectFlag();
    expand(true);
    toTranslateText(ui->cbTranslationLangFrom->currentData().toString(),
                    ui->cbTranslationLangTo->currentData().toString());
}

void TranslationDialog::on_btnClose_clicked()
{
    close();
}

void TranslationDialog::btnTextSize_triggered()
{
    auto *action = qobject_cast<QAction *>(sender());
    if (!action)
        return;
    const int size = action->data().toInt();
    if (BaseSetting *record = setting())
        record->setValue(kFontSize, size);
    applyTextSize(size);
}

void TranslationDialog::applyTextSize(int size)
{
    if (size <= 0)
        return;
    // Refilled so that the whole text, not only new input, takes the size.
    for (QTextEdit *pane : {ui->teText, ui->teTranslation}) {
        const QString text = pane->toPlainText();
        pane->clear();
        QFont font = pane->font();
        font.setPointSize(size);
        pane->setFont(font);
        pane->setPlainText(text);
    }
}

void TranslationDialog::onContextChanged()
{
    if (BaseSetting *record = setting())
        applyTextSize(record->value(kFontSize).toInt());
}

void TranslationDialog::translationLang_changed(int index)
{
    if (index < 0)
        return;
    auto *combo = qobject_cast<ZComboBox *>(sender());
    const bool target = combo == ui->cbTranslationLangTo;
    if (!combo || (!target && combo != ui->cbTranslationLangFrom))
        return;
    const QString value = combo->currentData().toString();
    if (BaseSetting *record = setting()) {
        record->setValue(target ? m_toKey : m_fromKey, value);
        (target ? m_langParamTo : m_langParamFrom) = value;
    }
    if (m_mode == 1 && target) {
        // The region is recognised again; its result translates anew.
        emit reSnapShotTranslation();
        return;
    }
    toTranslateText(ui->cbTranslationLangFrom->currentData().toString(),
                    ui->cbTranslationLangTo->currentData().toString());
}

void TranslationDialog::copyText(const QTextEdit *pane)
{
    QClipboard *clipboard = QApplication::clipboard();
    clipboard->clear();
    clipboard->setText(pane->toPlainText());
    Toast::instance().showMessage(0, TNotify::tr("复制成功"), 1000);
}

void TranslationDialog::on_btnCopy_clicked()
{
    copyText(ui->teTranslation);
}

void TranslationDialog::on_btnCopySource_clicked()
{
    copyText(ui->teText);
}

void TranslationDialog::on_btnPlay_clicked()
{
    playText(m_resultLangTo, ui->teTranslation->toPlainText(), ui->btnPlay);
}

void TranslationDialog::on_btnPlaySource_clicked()
{
    playText(m_resultLangFrom, ui->teText->toPlainText(), ui->btnPlaySource);
}

void TranslationDialog::playText(const QString &language, const QString &text, AnimationButton *button)
{
    if (text.isEmpty()) {
        Toast::instance().showMessage(1, TNotify::tr("没有播报的文本"), 2000);
        return;
    }
    const Languages::LangugeSection *spoken =
        Languages::instance().switchLanguage(Languages::TextTranslation, language, Languages::SpeechSynthesis);
    if (!spoken) {
        Toast::instance().showMessage(1, TNotify::tr("当前翻译语言不支持播报"), 2000);
        return;
    }
    QLOG_DEBUG() << "TranslationDialog::on_btnPlay_clicked";
    button->setIcon(QIcon(kPlayingIcon));
    QPointer<AnimationButton> guard(button);
    playTranslateTts(text, spoken, [guard] {
        if (guard)
            guard->setIcon(QIcon(kPlayIcon));
    });
}
