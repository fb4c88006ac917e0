#include "form/dialog/FirstEmptyField.h"

#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {
bool isEmptyField(QWidget *widget)
{
    if (auto *line = qobject_cast<QLineEdit *>(widget))
        return !line->isReadOnly() && line->text().isEmpty();
    if (auto *text = qobject_cast<QTextEdit *>(widget))
        return !text->isReadOnly() && text->document()->isEmpty();
    if (auto *plain = qobject_cast<QPlainTextEdit *>(widget))
        return !plain->isReadOnly() && plain->document()->isEmpty();
    return false;
}
} // namespace

FirstEmptyField::FirstEmptyField(QWidget *form, const QList<QWidget *> &optional)
    : QObject(form)
    , m_optional(optional)
{
}

void FirstEmptyField::install(QWidget *form, const QList<QWidget *> &optional)
{
    form->installEventFilter(new FirstEmptyField(form, optional));
}

QWidget *FirstEmptyField::of(QWidget *form) const
{
    for (QWidget *w = form->nextInFocusChain(); w && w != form; w = w->nextInFocusChain()) {
        if (form->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(form) && w->isEnabled()
            && !m_optional.contains(w) && isEmptyField(w))
            return w;
    }
    return nullptr;
}

bool FirstEmptyField::eventFilter(QObject *watched, QEvent *event)
{
    // The form's own show, not the window system's (a restore keeps the focus where it was).
    if (event->type() == QEvent::Show && !event->spontaneous()) {
        if (QWidget *field = of(static_cast<QWidget *>(watched)))
            field->setFocus(Qt::OtherFocusReason);
    }
    return QObject::eventFilter(watched, event);
}
