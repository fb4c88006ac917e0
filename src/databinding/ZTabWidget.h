#pragma once

#include <QTabWidget>

class ZTabBar;

// The device tab widget; its bar is a ZTabBar.
class ZTabWidget : public QTabWidget
{
    Q_OBJECT
public:
    explicit ZTabWidget(QWidget *parent = nullptr);

    ZTabBar *zTabBar() const { return m_bar; }

private:
    ZTabBar *m_bar;
};
