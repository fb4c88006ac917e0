#include "form/panel/NavForm.h"

#include "form/panel/NavLogin.h"
#include "util/TrContexts.h"

#include "ui_NavForm.h"

#include <QPainter>
#include <QStyleOption>

NavForm::NavForm(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::NavForm)
{
    ui->setupUi(this);
    ui->lbUserName->setText(TUI::tr("用户: 未登录"));
    updateUserInfo();
    NavLogin::connectSignals(this);
    connect(ui->lbLogo1, &QPushButton::clicked, this, &NavForm::lbLogo1_clicked);
    ui->lbExpiredInfo->hide();
    ui->lbUpgrade->hide();
}

NavForm::~NavForm()
{
    delete ui;
}

void NavForm::addPage(QWidget *page)
{
    ui->stackedWidgetTab->addWidget(page);
}

void NavForm::removePage(int index)
{
    if (QWidget *page = ui->stackedWidgetTab->widget(index))
        ui->stackedWidgetTab->removeWidget(page);
}

void NavForm::setCurrentPage(int index)
{
    if (index >= 0 && index <= ui->stackedWidgetTab->count() - 1)
        ui->stackedWidgetTab->setCurrentIndex(index);
}

int NavForm::currentPage() const
{
    return ui->stackedWidgetTab->currentIndex();
}

int NavForm::pageCount() const
{
    return ui->stackedWidgetTab->count();
}

QWidget *NavForm::page(int index) const
{
    return ui->stackedWidgetTab->widget(index);
}

QString NavForm::userLine() const
{
    return ui->lbUserName->text();
}

void NavForm::lbLogo1_clicked(bool)
{
    if (NavLogin::isLogin()) {
        if (NavLogin::askLogout(TNotify::tr("是否要退出登录?")))
            NavLogin::logout();
        return;
    }
    NavLogin::openLoginDialog(this);
}

void NavForm::updateUserInfo(UserVO *)
{
    updateUserInfo();
}

void NavForm::updateUserInfo()
{
    const std::optional<QString> name = NavLogin::userName();
    ui->lbUserName->setText(name ? TUI::tr("用户: %1").arg(*name) : TUI::tr("请登录"));
}

void NavForm::userLogout()
{
    ui->lbUserName->setText(TUI::tr("请登录"));
}

void NavForm::paintEvent(QPaintEvent *)
{
    // Lets the style sheet paint the column's background.
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
