#include "form/dialog/ContainerDialog.h"

#include "ui_ContainerDialog.h"

ContainerDialog::ContainerDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::ContainerDialog)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
}

ContainerDialog::~ContainerDialog()
{
    delete ui;
}

void ContainerDialog::setWidget(QWidget *page)
{
    page->setParent(this);
    ui->gridLayout->addWidget(page);
    setFixedSize(page->size());
}

QGridLayout *ContainerDialog::layout() const
{
    return ui->gridLayout;
}

void ContainerDialog::initWindow()
{
    setWindowTitle(QStringLiteral("  "));
    setWindowFlags(Qt::WindowFlags(7) & ~Qt::WindowContextHelpButtonHint);
}
