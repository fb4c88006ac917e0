#pragma once

#include <QFrame>

class ClickableLabel;
class QHBoxLayout;

// A table cell of text links side by side at its left, on a clear background; the cells of
// the keyword and record rows build on it.
class LinkRowCell : public QFrame
{
    Q_OBJECT
protected:
    explicit LinkRowCell(QWidget *parent = nullptr);

    // Adds a link after the others. The label takes the click itself: the link leads nowhere.
    ClickableLabel *addLink(const QString &name, const QString &text);

private:
    QHBoxLayout *m_layout = nullptr;
};
