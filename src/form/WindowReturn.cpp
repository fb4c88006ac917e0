#include "form/WindowReturn.h"

#include "platform/WindowStacking.h"

#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QWindow>
#include <algorithm>

WindowReturn *WindowReturn::of(QWidget *window)
{
    if (!window)
        return nullptr;
    if (auto *link = window->findChild<WindowReturn *>(QString(), Qt::FindDirectChildrenOnly))
        return link;
    return new WindowReturn(window);
}

WindowReturn::WindowReturn(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    window->installEventFilter(this);
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &WindowReturn::noteActive);
}

bool WindowReturn::eventFilter(QObject *watched, QEvent *event)
{
    // The program's own hide (into the tray), not the window system's unmap of a minimise.
    if (watched == m_window && event->type() == QEvent::Hide && !event->spontaneous())
        m_hiddenAt = m_window->pos();
    return QObject::eventFilter(watched, event);
}

void WindowReturn::noteActive(QWindow *focus)
{
    if (!focus)
        return;
    m_recent.removeAll(nullptr);
    const QList<QDialog *> dialogs = m_window->findChildren<QDialog *>();
    for (QDialog *dialog : dialogs) {
        if (dialog->isWindow() && dialog->windowHandle() == focus) {
            m_recent.removeAll(dialog);
            m_recent.prepend(dialog);
            return;
        }
    }
}

QList<QDialog *> WindowReturn::openDialogs() const
{
    QList<QDialog *> open;
    const QList<QDialog *> dialogs = m_window->findChildren<QDialog *>();
    for (QDialog *dialog : dialogs) {
        if (dialog->isWindow() && dialog->isVisible() && !dialog->testAttribute(Qt::WA_ShowWithoutActivating)
            && !(dialog->windowFlags() & Qt::WindowDoesNotAcceptFocus))
            open << dialog;
    }
    const QVector<WId> order = WindowStacking::bottomToTop();
    std::stable_sort(open.begin(), open.end(), [&order](QDialog *a, QDialog *b) {
        return order.indexOf(a->winId()) < order.indexOf(b->winId());
    });
    return open;
}

void WindowReturn::bringForward()
{
    // The place the user left it at is the program's own from now on: a window manager places
    // a window anew when it is mapped again, unless the program asks for a place.
    if (m_window->isHidden() && m_hiddenAt && m_window->windowHandle())
        m_window->windowHandle()->setFramePosition(*m_hiddenAt);
    const QList<QDialog *> dialogs = openDialogs();
    QWidget *keys = m_window;
    for (const QPointer<QDialog> &dialog : qAsConst(m_recent)) {
        if (dialog && dialogs.contains(dialog)) {
            keys = dialog;
            break;
        }
    }
    if (keys == m_window && !dialogs.isEmpty())
        keys = dialogs.last();

    // Mapped anew while its dialog has the focus, the window would be given the focus by the
    // window manager: it asks for none then (a user time of 0). The widget attribute reaches the
    // native window only when that is made, the window's property at every show.
    QWindow *handle = m_window->windowHandle();
    const bool quiet = keys != m_window && m_window->isHidden() && handle;
    if (quiet)
        handle->setProperty("_q_showWithoutActivating", true);
    // show() alone leaves a minimised window iconic and a covered one behind the other.
    m_window->show();
    if (quiet)
        handle->setProperty("_q_showWithoutActivating", QVariant());
    m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    for (QDialog *dialog : dialogs)
        WindowStacking::renewTransientFor(dialog->windowHandle());
    m_window->raise();
    for (QDialog *dialog : dialogs)
        dialog->raise();
    keys->activateWindow();
}
