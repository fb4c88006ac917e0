#include "form/PlaceholderPages.h"

#include <QEvent>
#include <QWidget>

PlaceholderPages::PlaceholderPages(QWidget *window, std::function<void()> build)
    : QObject(window)
    , m_build(std::move(build))
{
    window->installEventFilter(this);
}

void PlaceholderPages::ensure()
{
    if (!m_build)
        return;
    // Cleared first: what build does may ask for the tabs again.
    const std::function<void()> build = std::move(m_build);
    m_build = nullptr;
    parent()->removeEventFilter(this);
    build();
}

bool PlaceholderPages::eventFilter(QObject *watched, QEvent *event)
{
    // Show comes before the window is mapped: the first frame already has the pages.
    if (watched == parent() && event->type() == QEvent::Show)
        ensure();
    return QObject::eventFilter(watched, event);
}
