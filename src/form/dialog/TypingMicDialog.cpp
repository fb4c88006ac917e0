#include "form/dialog/TypingMicDialog.h"

#include "form/floating/TextWidget.h"
#include "platform/ICaretLocator.h"
#include "qui/control/BarVolume.h"
#include "util/AppHelper.h"
#include "util/TrContexts.h"

#include "ui_TypingMicDialog.h"

namespace {
const QString MicPicture = QStringLiteral(":/resource/image/tip_mic.png");

QString pictureStyle(const QString &picture)
{
    return QStringLiteral("QLabel {border-image:url(%1);background-repeat: no-repeat;}").arg(picture);
}
} // namespace

TypingMicDialog::TypingMicDialog(int action, bool follow, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::TypingMicDialog)
    , m_follow(follow)
    , m_textBox(new TextWidget)
{
    ui->setupUi(this);
    // The recognised text is pasted into the focused program: the tip must never take the focus.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setContentsMargins(0, 0, 0, 0);
    setWindowOpacity(0.8);

    BarVolume *volume = ui->volume;
    volume->setMode(false);
    volume->setStyleSheet(QStringLiteral("background:transparent"));
    volume->setSpace(1);
    volume->setPadding(1);
    volume->setRadius(0);
    volume->setBarColorStart(QColor(QStringLiteral("#0000BD")));
    volume->setBarColorMid(QColor(QStringLiteral("#0000CD")));
    volume->setBarColorEnd(QColor(QStringLiteral("#0000FF")));
    volume->setStep(20);
    volume->setValue(0);

    m_textBox->hide();
    m_timer.setInterval(FollowIntervalMs);
    // Connected once, and only when following: a tip that stays put never polls.
    if (m_follow)
        connect(&m_timer, &QTimer::timeout, this, &TypingMicDialog::timer_updatePostion);
    setMode(action);
}

TypingMicDialog::~TypingMicDialog()
{
    delete m_textBox;
    delete ui;
}

void TypingMicDialog::setMode(int action)
{
    ui->lbMic->setStyleSheet(pictureStyle(MicPicture));
    QString picture;
    QString title;
    switch (action) {
    case 7: picture = MicPicture; title = TUI::tr("语音打字"); break;
    case 8: picture = QStringLiteral(":/resource/image/tip_translate.png"); title = TUI::tr("翻译打字"); break;
    case 16: picture = QStringLiteral(":/resource/image/tip_search.png"); title = TUI::tr("语音搜索"); break;
    default: return;
    }
    ui->lbMic->setStyleSheet(pictureStyle(picture));
    ui->lbMessage->setText(title);
    setMinimumWidth(200);
}

void TypingMicDialog::setText(const QString &text)
{
    ui->lbMessage->setText(text);
}

void TypingMicDialog::setMessage(const QString &text)
{
    m_textBox->setText(text);
    // Placed before it shows: without a caret the tip never moves, and the box would
    // otherwise appear wherever the window system puts a new window.
    placeTextBox();
    m_textBox->setVisible(!text.isEmpty());
}

void TypingMicDialog::placeTextBox()
{
    m_textBox->move(pos().x(), pos().y() + height());
}

void TypingMicDialog::setVolume(int level)
{
    ui->volume->setValue(level);
}

void TypingMicDialog::showTip()
{
    ui->volume->setValue(0);
    timer_updatePostion();
    show();
    placeTextBox();
    if (m_follow)
        m_timer.start();
}

void TypingMicDialog::hideTip()
{
    if (m_follow)
        m_timer.stop();
    hide();
    ui->volume->setValue(0);
    m_textBox->setText(QString());
    m_textBox->hide();
}

QString TypingMicDialog::title() const
{
    return ui->lbMessage->text();
}

QString TypingMicDialog::micStyleSheet() const
{
    return ui->lbMic->styleSheet();
}

int TypingMicDialog::volume() const
{
    return ui->volume->value();
}

void TypingMicDialog::timer_updatePostion()
{
    const std::optional<QPoint> caret = ICaretLocator::instance()->caretPosition();
    if (!caret)
        return; // no caret known: the tip stays where it is
    if (!AppHelper::currentScreen(*caret))
        return;
    const QPoint tip(caret->x() + CaretOffsetX, caret->y() + CaretOffsetY);
    move(tip);
    placeTextBox();
}
