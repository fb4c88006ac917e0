#include "device/common/ui/NoDeviceTab.h"

#include "util/TrContexts.h"

#include "ui_NoDeviceTab.h"

NoDeviceTab::NoDeviceTab(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::NoDeviceTab)
{
    ui->setupUi(this);
    ui->lbTitle->setText(TUI::tr("未连接设备"));
    ui->lbHint->setText(TUI::tr("请用 USB 插入一个支持的演示器或语音鼠标，"
                                "或按下右上角的蓝牙按钮搜索附近的设备。"));
}

NoDeviceTab::~NoDeviceTab()
{
    delete ui;
}

QString NoDeviceTab::title() const
{
    return ui->lbTitle->text();
}

QString NoDeviceTab::hint() const
{
    return ui->lbHint->text();
}
