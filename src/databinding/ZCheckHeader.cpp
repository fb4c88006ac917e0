#include "databinding/ZCheckHeader.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>

ZCheckHeader::ZCheckHeader(QWidget *parent)
    : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(true);
}

void ZCheckHeader::setChecked(bool checked)
{
    m_checked = checked;
    viewport()->update();
}

void ZCheckHeader::setCheckable(bool checkable)
{
    m_checkable = checkable;
    viewport()->update();
}

QRect ZCheckHeader::boxIn(const QRect &section) const
{
    QStyleOptionButton option;
    const QRect indicator = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    QRect box(QPoint(0, 0), indicator.size());
    box.moveCenter(section.center());
    return box;
}

QRect ZCheckHeader::checkBoxRect() const
{
    if (count() == 0)
        return QRect();
    const QRect section(sectionViewportPosition(0), 0, sectionSize(0), height());
    return boxIn(section);
}

void ZCheckHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    painter->save();
    QHeaderView::paintSection(painter, rect, logicalIndex);
    painter->restore();
    if (!m_checkable || logicalIndex != 0)
        return;
    QStyleOptionButton option;
    option.rect = boxIn(rect);
    option.state = QStyle::State_Enabled | (m_checked ? QStyle::State_On : QStyle::State_Off);
    style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, painter, this);
}

void ZCheckHeader::mousePressEvent(QMouseEvent *event)
{
    m_pressedOnBox = m_checkable && logicalIndexAt(event->pos()) == 0;
    if (m_pressedOnBox)
        return;
    QHeaderView::mousePressEvent(event);
}

void ZCheckHeader::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_pressedOnBox) {
        m_pressedOnBox = false;
        if (logicalIndexAt(event->pos()) == 0) {
            setChecked(!m_checked);
            emit toggled(m_checked);
        }
        return;
    }
    QHeaderView::mouseReleaseEvent(event);
}
