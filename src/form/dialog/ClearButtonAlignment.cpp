#include "form/dialog/ClearButtonAlignment.h"

#include <QEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolButton>

ClearButtonAlignment::ClearButtonAlignment(QLineEdit *edit)
    : QObject(edit)
    , m_edit(edit)
{
}

void ClearButtonAlignment::install(QWidget *root)
{
    const auto edits = root->findChildren<QLineEdit *>();
    for (QLineEdit *edit : edits) {
        if (!edit->isClearButtonEnabled())
            continue;
        auto *alignment = new ClearButtonAlignment(edit);
        const auto buttons = edit->findChildren<QToolButton *>(QString(), Qt::FindDirectChildrenOnly);
        for (QToolButton *button : buttons)
            button->installEventFilter(alignment);
    }
}

bool ClearButtonAlignment::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
        align(static_cast<QWidget *>(watched));
    return QObject::eventFilter(watched, event);
}

void ClearButtonAlignment::align(QWidget *button) const
{
    QStyleOptionFrame option;
    option.initFrom(m_edit);
    option.rect = m_edit->rect();
    option.lineWidth = m_edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, m_edit);
    const QRect text = m_edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, m_edit);
    if (!text.isValid())
        return;
    const int top = text.top() + (text.height() - button->height() + 1) / 2;
    // Moving the button comes back here once more, already in place.
    if (button->y() != top)
        button->move(button->x(), top);
}
