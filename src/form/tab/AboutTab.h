#pragma once

#include <QWidget>

namespace Ui {
class AboutTab;
}

// The page "关于我们": the program logo and two centred lines naming the maker.
class AboutTab : public QWidget
{
    Q_OBJECT
public:
    explicit AboutTab(QWidget *parent = nullptr);
    ~AboutTab() override;

private:
    Ui::AboutTab *ui;
};
