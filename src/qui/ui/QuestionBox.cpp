#include "qui/ui/QuestionBox.h"

#include "qui/IconHelper.h"
#include "ui_QuestionBox.h"

#include <QMessageBox>

QuestionBox::QuestionBox(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::QuestionBox)
{
    ui->setupUi(this);
    setWindowFlags((windowFlags() | Qt::FramelessWindowHint | Qt::Dialog) & ~Qt::WindowContextHelpButtonHint);
    setModal(true);
    IconHelper::setIcon(ui->btnClose, 0xf00d, 14);
    ui->lbIcon->setPixmap(IconHelper::pixmap(0xf059, 36, QColor(0xff, 0x9f, 0x1a)));
}

QuestionBox::~QuestionBox()
{
    delete ui;
}

void QuestionBox::setText(const QString &text, Qt::TextFormat format)
{
    ui->lbText->setTextFormat(format);
    ui->lbText->setText(text);
}

QString QuestionBox::text() const
{
    return ui->lbText->text();
}

void QuestionBox::confirm()
{
    done(QMessageBox::Yes);
}

void QuestionBox::cancel()
{
    done(QMessageBox::No);
}

void QuestionBox::reject()
{
    cancel();
}

void QuestionBox::on_btnOk_clicked()
{
    confirm();
}

void QuestionBox::on_btnCancel_clicked()
{
    cancel();
}

void QuestionBox::on_btnClose_clicked()
{
    cancel();
}
