#include "qui/AppWindowIcon.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace {
QPointer<AppWindowIcon> g_waiting;
} // namespace

AppWindowIcon::AppWindowIcon(const QIcon &icon) : QObject(qApp), m_icon(icon) {}

void AppWindowIcon::setWhenFirstShown(const QIcon &icon)
{
    if (g_waiting) {
        g_waiting->m_icon = icon;
        return;
    }
    g_waiting = new AppWindowIcon(icon);
    qApp->installEventFilter(g_waiting);
}

bool AppWindowIcon::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Show || !watched->isWidgetType())
        return false;
    const auto *widget = static_cast<QWidget *>(watched);
    const Qt::WindowType type = widget->windowType();
    // Windows the window manager never decorates (the tray icon's, tool tips, pop-ups) show no icon.
    if ((type == Qt::Window || type == Qt::Dialog) && !widget->windowFlags().testFlag(Qt::BypassWindowManagerHint)) {
        qApp->removeEventFilter(this);
        g_waiting = nullptr;
        QApplication::setWindowIcon(m_icon);
        deleteLater();
    }
    return false;
}
