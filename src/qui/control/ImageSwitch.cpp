#include "qui/control/ImageSwitch.h"

#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

ImageSwitch::ImageSwitch(QWidget *parent)
    : QWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void ImageSwitch::setChecked(bool checked)
{
    if (m_checked == checked)
        return;
    m_checked = checked;
    update();
}

void ImageSwitch::setImages(const QString &onImage, const QString &offImage)
{
    m_onImage = onImage;
    m_offImage = offImage;
    update();
}

void ImageSwitch::bindData()
{
    const QVariant value = fieldValue();
    if (value.isValid())
        setChecked(value.toBool());
}

QSize ImageSwitch::sizeHint() const
{
    return QSize(44, 24);
}

void ImageSwitch::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QString image = m_checked ? m_onImage : m_offImage;
    if (!image.isEmpty() && QFile::exists(image)) {
        const QPixmap pixmap(image);
        const QPixmap scaled = pixmap.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        painter.drawPixmap((width() - scaled.width()) / 2, (height() - scaled.height()) / 2, scaled);
        return;
    }
    // Drawn track and knob, so the switch needs no picture files.
    const QSize hint = sizeHint();
    const int h = qMin(height(), hint.height());
    const int w = qMin(width(), qMax(h * 2, hint.width()));
    const QRectF track((width() - w) / 2.0 + 0.5, (height() - h) / 2.0 + 0.5, w - 1, h - 1);
    const qreal radius = track.height() / 2;
    QColor on(0x34, 0xc7, 0x59);
    QColor off(0xd1, 0xd1, 0xd6);
    if (!isEnabled()) {
        on.setAlpha(110);
        off.setAlpha(110);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_checked ? on : off);
    painter.drawRoundedRect(track, radius, radius);
    const qreal d = track.height() - 4;
    const qreal x = m_checked ? track.right() - 2 - d : track.left() + 2;
    painter.setBrush(Qt::white);
    painter.setPen(QPen(QColor(0, 0, 0, 40), 1));
    painter.drawEllipse(QRectF(x, track.top() + 2, d, d));
}

void ImageSwitch::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->pos()) && isEnabled())
        toggleByUser();
    QWidget::mouseReleaseEvent(event);
}

void ImageSwitch::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && isEnabled()) {
        toggleByUser();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ImageSwitch::toggleByUser()
{
    setChecked(!m_checked);
    writeField(m_checked);
    emit checkedChanged(m_checked);
}
