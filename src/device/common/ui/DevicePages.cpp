#include "device/common/ui/DevicePages.h"

#include "device/IDeviceLogic.h"
#include "device/mouse/common/ui/MouseTextTranslationTab.h"
#include "device/mouse/common/ui/TypingTab.h"
#include "device/pointer/common/ui/MKeyTab.h"

QWidget *DevicePages::create(const QString &pageClass, QWidget *parent)
{
    if (pageClass == QLatin1String("TypingTab"))
        return new TypingTab(parent);
    if (pageClass == QLatin1String("MouseTextTranslationTab"))
        return new MouseTextTranslationTab(parent);
    if (pageClass == QLatin1String("MKeyTab"))
        return new MKeyTab(parent);
    return nullptr;
}

void DevicePages::connectDevice(QWidget *page, IDeviceLogic *logic)
{
    if (!page || !logic)
        return;
    if (auto *mkey = qobject_cast<MKeyTab *>(page))
        QObject::connect(logic, &IDeviceLogic::invokeFunction, mkey, &MKeyTab::mkeyTab_invokeFunction);
}
