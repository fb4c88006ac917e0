#include "qui/AppInit.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

AppInit &AppInit::instance()
{
    static AppInit filter;
    return filter;
}

void AppInit::start()
{
    if (m_started || !qApp)
        return;
    qApp->installEventFilter(this);
    m_started = true;
}

bool AppInit::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return QObject::eventFilter(watched, event);
    // Only the window itself: a press taken by a child (button, edit) never reaches it.
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || !widget->isWindow())
        return QObject::eventFilter(watched, event);
    auto *mouse = static_cast<QMouseEvent *>(event);
    if (type == QEvent::MouseButtonPress) {
        if (mouse->button() == Qt::LeftButton && widget->property("canMove").toBool()) {
            m_dragged = widget;
            m_offset = mouse->globalPos() - widget->pos();
        }
    } else if (type == QEvent::MouseMove) {
        if (m_dragged == widget && (mouse->buttons() & Qt::LeftButton)) {
            widget->move(mouse->globalPos() - m_offset);
            return true;
        }
    } else if (m_dragged == widget && mouse->button() == Qt::LeftButton) {
        m_dragged.clear();
    }
    return QObject::eventFilter(watched, event);
}
