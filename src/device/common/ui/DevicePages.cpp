#include "device/common/ui/DevicePages.h"

#include "device/IDeviceLogic.h"
#include "device/mouse/common/ui/TypingTab.h"
#include "device/mouse/mirel/ui/HotWordTab.h"
#include "device/mouse/mirel/ui/MirelMouseHelpTab.h"
#include "device/mouse/mirel/ui/MirelTypingTab.h"
#include "device/pointer/common/ui/MKeyTab.h"

QWidget *DevicePages::create(const QString &pageClass, QWidget *parent)
{
    if (pageClass == QLatin1String("TypingTab"))
        return new TypingTab(parent);
    if (pageClass == QLatin1String("MKeyTab"))
        return new MKeyTab(parent);
    if (pageClass == QLatin1String("MirelTypingTab"))
        return new MirelTypingTab(parent);
    if (pageClass == QLatin1String("HotWordTab"))
        return new HotWordTab(parent);
    if (pageClass == QLatin1String("MirelMouseHelpTab"))
        return new MirelMouseHelpTab(parent);
    return nullptr;
}

void DevicePages::connectDevice(QWidget *page, IDeviceLogic *logic)
{
    if (!page || !logic)
        return;
    if (auto *mkey = qobject_cast<MKeyTab *>(page))
        QObject::connect(logic, &IDeviceLogic::invokeFunction, mkey, &MKeyTab::mkeyTab_invokeFunction);
    if (auto *typing = qobject_cast<MirelTypingTab *>(page))
        QObject::connect(logic, &IDeviceLogic::invokeFunction, typing, &MirelTypingTab::mkeyTab_invokeFunction);
}
