#include "databinding/ZTabWidget.h"

#include "databinding/ZTabBar.h"

ZTabWidget::ZTabWidget(QWidget *parent)
    : QTabWidget(parent)
    , m_bar(new ZTabBar(this))
{
    setTabBar(m_bar);
}
