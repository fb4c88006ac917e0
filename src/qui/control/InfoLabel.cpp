#include "qui/control/InfoLabel.h"

#include <QPainter>
#include <QToolTip>

InfoLabel::InfoLabel(QWidget *parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
}

QSize InfoLabel::sizeHint() const
{
    if (!pixmap(Qt::ReturnByValue).isNull())
        return QLabel::sizeHint();
    return QSize(19, 19);
}

void InfoLabel::enterEvent(QEvent *event)
{
    // The default delay hides the hint from users who only glance at the sign.
    if (!toolTip().isEmpty())
        QToolTip::showText(mapToGlobal(rect().bottomLeft()), toolTip(), this, QRect(), toolTipDuration());
    QLabel::enterEvent(event);
}

void InfoLabel::leaveEvent(QEvent *event)
{
    QToolTip::hideText();
    QLabel::leaveEvent(event);
}

void InfoLabel::paintEvent(QPaintEvent *event)
{
    if (!pixmap(Qt::ReturnByValue).isNull() || !text().isEmpty()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int side = qMin(width(), height()) - 2;
    const QRectF circle((width() - side) / 2.0, (height() - side) / 2.0, side, side);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x9a, 0xa3, 0xad));
    p.drawEllipse(circle);
    p.setBrush(Qt::white);
    const qreal unit = side / 10.0;
    const qreal cx = circle.center().x();
    p.drawEllipse(QPointF(cx, circle.top() + 2.9 * unit), 0.85 * unit, 0.85 * unit);
    p.drawRoundedRect(QRectF(cx - 0.75 * unit, circle.top() + 4.3 * unit, 1.5 * unit, 4.2 * unit), 0.4 * unit,
                      0.4 * unit);
}
