#include "form/tab/AboutTab.h"
#include "ui_AboutTab.h"

#include "util/TrContexts.h"

AboutTab::AboutTab(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::AboutTab)
{
    ui->setupUi(this);
    setWindowTitle(TUI::tr("关于我们"));
    ui->lbCompanyInfo1->setText(TUI::tr("维罗盒子智能科技有限公司"));
    ui->lbCompanyInfo2->setText(QStringLiteral("Vellobox Intelligent Technology Co., Ltd."));
    // The page has no link to follow.
    ui->lbButton->hide();
    ui->lbButton->setText(TUI::tr("了解更多"));
}

AboutTab::~AboutTab()
{
    delete ui;
}
