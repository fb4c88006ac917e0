#include "databinding/ZTabBar.h"

#include "device/DeviceContext.h"
#include "device/IDeviceLogic.h"

#include <QPainter>

ZTabBar::ZTabBar(QWidget *parent)
    : QTabBar(parent)
{
}

void ZTabBar::appendItem(DeviceContext *context)
{
    m_items.append(context);
    update();
}

void ZTabBar::removeItemAt(int index)
{
    if (index < 0 || index >= m_items.size())
        return;
    m_items.remove(index);
    update();
}

void ZTabBar::paintEvent(QPaintEvent *event)
{
    QTabBar::paintEvent(event);
    QPainter painter(this);
    const int tabs = qMin(count(), m_items.size());
    for (int i = 0; i < tabs; ++i) {
        const DeviceContext *context = m_items.at(i);
        if (!context || !context->logic)
            continue;
        painter.save();
        context->logic->paintStatus(&painter, tabRect(i));
        painter.restore();
    }
}
