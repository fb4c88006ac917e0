#include "form/tab/WebWithTitleTab.h"
#include "ui_WebWithTitleTab.h"

WebWithTitleTab::WebWithTitleTab(const QString &relativePath, QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::WebWithTitleTab)
{
    ui->setupUi(this);
    ui->webView->loadProgramFile(relativePath);
}

WebWithTitleTab::~WebWithTitleTab()
{
    delete ui;
}

void WebWithTitleTab::setTitle(const QString &text)
{
    ui->lbTitleHelp->setText(text);
}

LazyWebView *WebWithTitleTab::webView() const
{
    return ui->webView;
}
