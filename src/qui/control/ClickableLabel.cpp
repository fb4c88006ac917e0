#include "qui/control/ClickableLabel.h"

#include "util/AppHelper.h"

#include <QMouseEvent>

ClickableLabel::ClickableLabel(QWidget *parent)
    : QLabel(parent)
{
}

void ClickableLabel::enterEvent(QEvent *event)
{
    setCursor(Qt::PointingHandCursor);
    QLabel::enterEvent(event);
}

void ClickableLabel::leaveEvent(QEvent *event)
{
    setCursor(Qt::ArrowCursor);
    QLabel::leaveEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        if (m_path.isEmpty())
            emit clicked(event);
        else
            AppHelper::openLocalFile(m_path);
    }
    QLabel::mouseReleaseEvent(event);
}
