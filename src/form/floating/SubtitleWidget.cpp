#include "form/floating/SubtitleWidget.h"
#include "ui_BrethWindowClass.h"

#include "config/PointerSetting.h"
#include "device/DeviceContext.h"
#include "form/floating/Compositing.h"
#include "form/floating/PointerScreen.h"
#include "logging/QsLog.h"

#include <QPainter>

namespace {
// A colour from the settings enters a style sheet only when it is a real colour.
QString colourOr(const QString &text, const QString &fallback)
{
    const QColor c(text);
    return c.isValid() ? c.name() : fallback;
}
} // namespace

SubtitleWidget::SubtitleWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::BrethWindowClass)
{
    ui->setupUi(this);
    ui->lbLogo->hide();
    // Shown over whatever the user works in, which keeps the keyboard.
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Without a compositor the transparent parts would be black; the strip is then painted
    // opaque in its background colour.
    m_composited = Compositing::isActive();
    if (m_composited)
        setAttribute(Qt::WA_TranslucentBackground);
    updatePosition();
}

SubtitleWidget::~SubtitleWidget()
{
    delete ui;
}

QLabel *SubtitleWidget::text1Label() const
{
    return ui->lbText1;
}

QLabel *SubtitleWidget::text2Label() const
{
    return ui->lbText2;
}

void SubtitleWidget::updatePosition()
{
    const PointerScreen::Area area = PointerScreen::underPointer();
    if (!area.isValid())
        return;
    const QRect a = area.available;
    setFixedSize(qMax(0, a.width() - 2 * SideMargin), Height);
    // From the available area's own top: screens stacked below or above the primary.
    move(a.left() + SideMargin, a.top() + a.height() - Height);
}

const PointerSetting *SubtitleWidget::presenterSetting() const
{
    DeviceContext *c = context();
    if (!c || !c->setting || c->setting->deviceKind() != BaseSetting::PresenterKind)
        return nullptr;
    return dynamic_cast<const PointerSetting *>(c->setting);
}

void SubtitleWidget::setContext(DeviceContext *context)
{
    ContextContainer::setContext(context);
    updateStyle();
}

void SubtitleWidget::updateStyle()
{
    const PointerSetting *s = presenterSetting();
    if (!s)
        return;
    static const PointerSetting defaults;
    QFont font = ui->lbText1->font();
    // A size from a hand-edited or damaged file outside the readable range is not used.
    const int size = s->subtitle_ui_fontSize;
    font.setPointSize(size >= MinFontSize && size <= MaxFontSize ? size : defaults.subtitle_ui_fontSize);
    const QString identify = colourOr(s->subtitle_ui_identify_fontColor, defaults.subtitle_ui_identify_fontColor);
    const QString translate = colourOr(s->subtitle_ui_translate_fontColor, defaults.subtitle_ui_translate_fontColor);
    QLOG_DEBUG() << "Font Color:" << QStringLiteral("color:%1;").arg(identify)
                 << ", setting->subtitle_ui_fontSize " << s->subtitle_ui_fontSize;
    ui->lbText1->setStyleSheet(QStringLiteral("color:%1;").arg(identify));
    ui->lbText1->setFont(font);
    ui->lbText2->setStyleSheet(QStringLiteral("color:%1;").arg(translate));
    ui->lbText2->setFont(font);
    update();
}

void SubtitleWidget::setText1(const QString &text)
{
    // Elided at the left: the newest words stay visible.
    ui->lbText1->setText(ui->lbText1->fontMetrics().elidedText(text, Qt::ElideLeft, width() - 60));
}

void SubtitleWidget::setText2(const QString &text)
{
    if (!m_identifyEnabled) {
        const QVariant disabled = settingValue(QStringLiteral("subtitle_ui_identify_disable"));
        if (disabled.isValid() && disabled.toBool()) {
            ui->lbText2->setText(QString());
            return;
        }
    }
    ui->lbText2->setText(ui->lbText2->fontMetrics().elidedText(text, Qt::ElideLeft, width() - 80));
}

QColor SubtitleWidget::backgroundColor() const
{
    DeviceContext *c = context();
    const BaseSetting *s = c ? c->setting : nullptr;
    QColor colour(s ? s->text(QStringLiteral("subtitle_ui_bakColor")) : QString());
    if (!colour.isValid())
        colour = QColor(0, 0, 0);
    if (!m_composited)
        return colour;
    if (!s || s->text(QStringLiteral("deviceName")) != QLatin1String("pointer"))
        return QColor();
    colour.setAlpha(125);
    return colour;
}

void SubtitleWidget::paintEvent(QPaintEvent *)
{
    const QColor colour = backgroundColor();
    if (!colour.isValid())
        return;
    QPainter painter(this);
    painter.fillRect(rect(), colour);
}
