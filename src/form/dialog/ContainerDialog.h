#pragma once

#include <QDialog>

class QGridLayout;

namespace Ui {
class ContainerDialog;
}

// A plain dialog hosting one page and taking its size.
class ContainerDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ContainerDialog(QWidget *parent = nullptr);
    ~ContainerDialog() override;

    void setWidget(QWidget *page);
    QGridLayout *layout() const;
    void initWindow();

private:
    Ui::ContainerDialog *ui;
};
