#include "device/common/ui/DevicePages.h"

#include "device/IDeviceLogic.h"
#include "device/mouse/common/MouseDevice.h"
#include "device/mouse/common/ui/MouseInfoTab.h"
#include "device/mouse/common/ui/MouseMKeyTab.h"
#include "device/mouse/common/ui/TypingTab.h"
#include "device/pointer/common/ui/MKeyTab.h"

QWidget *DevicePages::create(const QString &pageClass, QWidget *parent)
{
    if (pageClass == QLatin1String("TypingTab"))
        return new TypingTab(parent);
    if (pageClass == QLatin1String("MKeyTab"))
        return new MKeyTab(parent);
    if (pageClass == QLatin1String("MouseInfoTab"))
        return new MouseInfoTab(parent);
    if (pageClass == QLatin1String("MouseMKeyTab"))
        return new MouseMKeyTab(parent);
    return nullptr;
}

void DevicePages::connectDevice(QWidget *page, IDeviceLogic *logic)
{
    if (!page || !logic)
        return;
    if (auto *mkey = qobject_cast<MKeyTab *>(page))
        QObject::connect(logic, &IDeviceLogic::invokeFunction, mkey, &MKeyTab::mkeyTab_invokeFunction);
    // The mouse's M-key page follows a double click of the M key as the presenter's does.
    if (auto *mouseMKey = qobject_cast<MouseMKeyTab *>(page))
        QObject::connect(logic, &IDeviceLogic::invokeFunction, mouseMKey, &MouseMKeyTab::mkeyTab_invokeFunction);
    auto *info = qobject_cast<MouseInfoTab *>(page);
    auto *mouse = qobject_cast<MouseDevice *>(logic);
    if (info && mouse) {
        QObject::connect(mouse, &MouseDevice::bluetoothConnectedChanged, info, &MouseInfoTab::setBluetoothConnected);
        QObject::connect(mouse, &MouseDevice::receiverStatusChanged, info, &MouseInfoTab::setReceiverStatus);
    }
}
