#include "form/panel/DeviceStatusPanel.h"
#include "ui_DeviceStatusPanel.h"

#include "logging/QsLog.h"
#include "util/TrContexts.h"

#include <QHash>
#include <QPixmap>
#include <cmath>

namespace {
const char *const kShownStatus = "shownStatus";

QString pictureName(const QString &labelName)
{
    static const QHash<QString, QString> names = {
        {QStringLiteral("lbDeviceImg"), QStringLiteral("mouse")},
        {QStringLiteral("lbReceiverImg"), QStringLiteral("router")},
        {QStringLiteral("lbAppImg"), QStringLiteral("desktop")},
        {QStringLiteral("lbCloudImg"), QStringLiteral("cloudy")},
        {QStringLiteral("lbBlueToothImg"), QStringLiteral("bluetooth")},
        {QStringLiteral("lbUsbImg"), QStringLiteral("usb")},
    };
    return names.value(labelName, QStringLiteral("line"));
}

// Three quarters of the designer size, halves rounded up.
void shrink(QLabel *label)
{
    const QSize size = label->size();
    label->setFixedSize(int(std::floor(size.width() * 0.75 + 0.5)), int(std::floor(size.height() * 0.75 + 0.5)));
}
} // namespace

DeviceStatusPanel::DeviceStatusPanel(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DeviceStatusPanel)
{
    ui->setupUi(this);
    m_nodes[DeviceNode] = ui->lbDeviceImg;
    m_nodes[ReceiverNode] = ui->lbReceiverImg;
    m_nodes[AppNode] = ui->lbAppImg;
    m_nodes[CloudNode] = ui->lbCloudImg;
    m_links[0] = ui->lbLine1;
    m_links[1] = ui->lbLine2;
    m_links[2] = ui->lbLine3;
    for (QLabel *label : {ui->lbDeviceImg, ui->lbReceiverImg, ui->lbAppImg, ui->lbCloudImg, ui->lbLine1,
                          ui->lbLine2, ui->lbLine3, ui->lbBlueToothImg, ui->lbUsbImg})
        label->setProperty(kShownStatus, 0);

    ui->lbDeviceText->setText(TUI::tr("设备"));
    ui->lbReceiverText->setText(TUI::tr("接受器"));
    ui->lbAppText->setText(TUI::tr("App软件"));
    ui->lbCloudText->setText(TUI::tr("云端服务"));
    ui->lbNotification->setText(TUI::tr("提示:"));
    ui->lbNotification->hide();

    for (QLabel *label : {ui->lbDeviceImg, ui->lbReceiverImg, ui->lbAppImg, ui->lbCloudImg, ui->lbBlueToothImg,
                          ui->lbUsbImg})
        shrink(label);
}

DeviceStatusPanel::~DeviceStatusPanel()
{
    delete ui;
}

void DeviceStatusPanel::setStatus(int node, int status)
{
    if (status == -1) {
        QLOG_WARN() << "setStatus 不支持 Nodevice";
        return;
    }
    if (node < 0 || node >= NodeCount) {
        QLOG_WARN() << node << "超过序号!";
        return;
    }
    if (m_states[node] == status)
        return;
    m_states[node] = status;
    setStatusImage(m_nodes[node], status);
    updateLink(node - 1);
    updateLink(node);
}

int DeviceStatusPanel::status(int node) const
{
    return node >= 0 && node < NodeCount ? m_states[node] : -1;
}

int DeviceStatusPanel::linkStatus(int link) const
{
    return link >= 0 && link < LinkCount ? shownStatus(m_links[link]) : -1;
}

void DeviceStatusPanel::updateLink(int link)
{
    if (link < 0 || link >= LinkCount)
        return;
    const int a = m_states[link];
    const int b = m_states[link + 1];
    int state = 1;
    if (a == 2 && b == 2)
        state = 2;
    else if (a != 1 && b != 1)
        state = 0;
    setStatusImage(m_links[link], state);
}

void DeviceStatusPanel::setStatusImage(QLabel *label, int status)
{
    const QString path = QStringLiteral(":/resource/image/status/device_status_%1_%2.png")
                             .arg(pictureName(label->objectName()))
                             .arg(status);
    label->setPixmap(QPixmap(path));
    label->setProperty(kShownStatus, status);
}

int DeviceStatusPanel::shownStatus(const QLabel *label)
{
    const QVariant shown = label ? label->property(kShownStatus) : QVariant();
    return shown.isValid() ? shown.toInt() : -1;
}

void DeviceStatusPanel::setBluetoothStatus(int status)
{
    if (status == -1) {
        ui->lbBlueToothImg->hide();
        return;
    }
    setStatusImage(ui->lbBlueToothImg, status);
    ui->lbBlueToothImg->show();
}

void DeviceStatusPanel::setUsbStatus(int status)
{
    if (status == -1) {
        ui->lbUsbImg->hide();
        return;
    }
    setStatusImage(ui->lbUsbImg, status);
    ui->lbUsbImg->show();
}

void DeviceStatusPanel::setNotification(const QString &text)
{
    ui->lbNotification->setVisible(!text.isEmpty());
    ui->lbNotifiedText->setText(text);
}
