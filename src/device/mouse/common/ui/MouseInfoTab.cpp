#include "device/mouse/common/ui/MouseInfoTab.h"
#include "ui_MouseInfoTab.h"

#include "config/BaseSetting.h"
#include "databinding/FormItem.h"
#include "device/DeviceContext.h"
#include "device/IDeviceLogic.h"
#include "device/mouse/common/MouseDevice.h"
#include "device/mouse/common/ui/TypingTab.h"
#include "form/panel/DeviceInfoPanel.h"
#include "form/panel/DeviceStatusPanel.h"
#include "logging/QsLog.h"
#include "logic/businessLogic/AsrEngine/AsrEngineHelper.h"
#include "logic/businessLogic/AsrEngine/IAsrEngine.h"
#include "platform/IOsHelper.h"
#include "qui/Toast.h"
#include "qui/control/ClickableLabel.h"
#include "qui/control/ImageSwitch.h"
#include "util/TrContexts.h"

#include <QMouseEvent>
#include <QSlider>

#include <memory>

MouseInfoTab::MouseInfoTab(QWidget *parent)
    : FormContainer(parent)
    , ui(new Ui::MouseInfoTab)
{
    ui->setupUi(this);
    ui->scrollArea->setFrameShape(QFrame::NoFrame);
    ui->widget->setMinimumHeight(300);
    ui->fm_set->setMaximumHeight(75);

    // The DPI commands of the products are not known yet: the row stays hidden.
    m_sliderRow = new FormItem(ui->fm_set);
    m_sliderRow->setObjectName(QStringLiteral("fiWheelSensitivity"));
    m_sliderRow->addTextBrowser(TUI::tr("滚轮灵敏度"), 48);
    m_sliderRow->addSlider(0, 4);
    m_sliderRow->setFixedHeight(70);
    m_sliderRow->hide();
    ui->vlt1_set->addWidget(m_sliderRow);
    connect(m_sliderRow, &FormItem::sliderSetValue, this, [this](int level) {
        if (MouseDevice *device = mouse())
            device->setDpi(level);
    });

    m_switchRow = new FormItem(ui->fm_set);
    m_switchRow->setObjectName(QStringLiteral("fiLongPressWheel"));
    m_switchRow->addTextBrowser(TypingTab::rowText(TUI::tr("长按滚轮"), TUI::tr("长按滚轮弹出下载地址")), 49);
    // Not a setting: the switch starts off and only tells the device.
    connect(m_switchRow->addImageSwitch(), &ImageSwitch::checkedChanged, this, [this](bool on) {
        if (MouseDevice *device = mouse())
            device->sendSwitchCommand(on);
    });
    ui->vlt1_set->addWidget(m_switchRow);

    DeviceStatusPanel *status = ui->deviceStatus;
    status->setStatus(DeviceStatusPanel::DeviceNode, 2);
    status->setStatus(DeviceStatusPanel::ReceiverNode, 2);
    status->setStatus(DeviceStatusPanel::AppNode, 2);
    status->setStatus(DeviceStatusPanel::CloudNode, 1);
    status->setBluetoothStatus(1);
    status->setUsbStatus(-1);

    addBinder(ui->micPhoneItem);
    // The connection chain and the microphone test are built and kept current, but the page
    // does not offer them yet: only the product and the mouse settings show.
    for (QWidget *section : {static_cast<QWidget *>(ui->title2), static_cast<QWidget *>(ui->fm_State),
                             static_cast<QWidget *>(ui->title3), static_cast<QWidget *>(ui->fm_microphone)})
        section->hide();
    connect(ui->title1, &ClickableLabel::clicked, this, &MouseInfoTab::showEngineInfo);
    ui->vlt1->addStretch(1);
}

MouseInfoTab::~MouseInfoTab()
{
    delete ui;
}

DeviceInfoPanel *MouseInfoTab::deviceInfo() const
{
    return ui->deviceInfo;
}

DeviceStatusPanel *MouseInfoTab::deviceStatus() const
{
    return ui->deviceStatus;
}

MicrophoneItem *MouseInfoTab::microphone() const
{
    return ui->micPhoneItem;
}

MouseDevice *MouseInfoTab::mouse() const
{
    return context() ? qobject_cast<MouseDevice *>(context()->logic) : nullptr;
}

void MouseInfoTab::onContextChanged()
{
    QObject::disconnect(m_productChange);
    DeviceContext *device = context();
    if (!device)
        return;
    bindContextSetting(device);
    if (device->product)
        ui->deviceInfo->setDevice(device->product);
    if (device->logic)
        m_productChange = connect(device->logic, &IDeviceLogic::notifyChange, this, &MouseInfoTab::productChange);
}

void MouseInfoTab::productChange(NotifyType type, const QVariant &, const QVariant &)
{
    QLOG_INFO() << "Update NT_ModelUpdate:" << int(type);
    if (type == Notify_Model && context() && context()->product)
        ui->deviceInfo->setDevice(context()->product);
}

void MouseInfoTab::setBluetoothConnected(bool connected)
{
    ui->deviceStatus->setStatus(DeviceStatusPanel::ReceiverNode, connected ? 2 : 1);
    ui->deviceStatus->setBluetoothStatus(connected ? 2 : 1);
}

void MouseInfoTab::setReceiverStatus(int level)
{
    ui->deviceStatus->setStatus(DeviceStatusPanel::ReceiverNode, level + 1);
}

void MouseInfoTab::showEngineInfo()
{
    if (++m_titleClicks < InfoClicks)
        return;
    m_titleClicks = 0;
    const std::unique_ptr<IAsrEngine> engine(AsrEngineHelper::createEngine(context() ? context()->setting : nullptr));
    const IOsHelper *os = IOsHelper::instance();
    const QString system = os && os->isWindows11() ? QStringLiteral(" Win11") : TUI::tr("非Win11");
    const QString text = TUI::tr("识别引擎信息:") + (engine ? engine->name() : QString()) + TUI::tr("    操作系统: ")
                         + system;
    Toast::instance().showMessage(0, text, InfoToastMs);
}
