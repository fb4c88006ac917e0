#include "form/dialog/ProgressDialog.h"

#include "ui_ProgressDialog.h"

ProgressDialog::ProgressDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::ProgressDialog)
{
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("  "));
    setWindowFlags(Qt::WindowFlags(7) & ~Qt::WindowContextHelpButtonHint);
    // Server and recording messages are plain text.
    ui->lbStatus->setTextFormat(Qt::PlainText);
}

ProgressDialog::~ProgressDialog()
{
    delete ui;
}

void ProgressDialog::setStatusText(const QString &text)
{
    ui->lbStatus->setText(text);
}

QString ProgressDialog::statusText() const
{
    return ui->lbStatus->text();
}
