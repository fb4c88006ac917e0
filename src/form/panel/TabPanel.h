#pragma once

#include "device/IContextBinder.h"

#include <QStackedWidget>

// The stack of one device's settings pages, a tab of the main window. The device context
// bound to it reaches every page added with a binder.
class TabPanel : public QStackedWidget, public IContextBinder
{
    Q_OBJECT
public:
    explicit TabPanel(QWidget *parent = nullptr);

    void addPage(QWidget *page, IContextBinder *binder = nullptr);

protected:
    void onContextChanged() override {}
};
