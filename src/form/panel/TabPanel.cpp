#include "form/panel/TabPanel.h"

TabPanel::TabPanel(QWidget *parent)
    : QStackedWidget(parent)
{
}

void TabPanel::addPage(QWidget *page, IContextBinder *binder)
{
    addWidget(page);
    if (binder)
        addBinder(binder);
}
