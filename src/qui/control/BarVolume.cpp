#include "qui/control/BarVolume.h"

#include <QPainter>
#include <QStyleOption>

namespace {
QColor mix(const QColor &a, const QColor &b, qreal t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}
} // namespace

BarVolume::BarVolume(QWidget *parent)
    : QWidget(parent)
{
}

QSize BarVolume::sizeHint() const
{
    return m_horizontal ? QSize(220, 30) : QSize(10, 120);
}

QSize BarVolume::minimumSizeHint() const
{
    return QSize(4, 4);
}

QColor BarVolume::barColor(int index) const
{
    if (m_step <= 1)
        return m_colorStart;
    const qreal t = qBound(0.0, qreal(index) / (m_step - 1), 1.0);
    return t < 0.5 ? mix(m_colorStart, m_colorMid, t * 2) : mix(m_colorMid, m_colorEnd, (t - 0.5) * 2);
}

void BarVolume::setValue(int value)
{
    value = qBound(0, value, m_step);
    if (value == m_value)
        return;
    m_value = value;
    update();
}

void BarVolume::setStep(int step)
{
    m_step = qMax(1, step);
    m_value = qMin(m_value, m_step);
    update();
}

void BarVolume::setSpace(int space)
{
    m_space = qMax(0, space);
    update();
}

void BarVolume::setPadding(int padding)
{
    m_padding = qMax(0, padding);
    update();
}

void BarVolume::setRadius(int radius)
{
    m_radius = qMax(0, radius);
    update();
}

void BarVolume::setBarColorStart(const QColor &color)
{
    m_colorStart = color;
    update();
}

void BarVolume::setBarColorMid(const QColor &color)
{
    m_colorMid = color;
    update();
}

void BarVolume::setBarColorEnd(const QColor &color)
{
    m_colorEnd = color;
    update();
}

void BarVolume::setBarBackground(const QColor &color)
{
    m_colorOff = color;
    update();
}

void BarVolume::setMode(bool horizontal)
{
    m_horizontal = horizontal;
    updateGeometry();
    update();
}

void BarVolume::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    // Honour a style sheet background ("background:transparent" and the like).
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &p, this);

    const QRectF area = QRectF(rect()).adjusted(m_padding, m_padding, -m_padding, -m_padding);
    if (area.width() <= 0 || area.height() <= 0)
        return;
    p.setRenderHint(QPainter::Antialiasing, m_radius > 0);
    p.setPen(Qt::NoPen);
    const qreal length = m_horizontal ? area.width() : area.height();
    const qreal bar = (length - m_space * (m_step - 1)) / m_step;
    if (bar <= 0)
        return;
    for (int i = 0; i < m_step; ++i) {
        const qreal offset = i * (bar + m_space);
        const QRectF r = m_horizontal
                             ? QRectF(area.left() + offset, area.top(), bar, area.height())
                             : QRectF(area.left(), area.bottom() - offset - bar, area.width(), bar);
        p.setBrush(i < m_value ? barColor(i) : m_colorOff);
        const qreal rad = qMin<qreal>(m_radius, qMin(r.width(), r.height()) / 2);
        if (rad > 0)
            p.drawRoundedRect(r, rad, rad);
        else
            p.drawRect(r);
    }
}
