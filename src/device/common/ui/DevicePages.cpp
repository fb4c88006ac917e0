#include "device/common/ui/DevicePages.h"

#include "device/IDeviceLogic.h"
#include "device/mouse/common/ui/TypingTab.h"
#include "device/pointer/common/ui/MKeyTab.h"
#include "form/tab/VoiceSearchTab.h"
#include "util/TrContexts.h"

QWidget *DevicePages::create(const QString &pageClass, QWidget *parent)
{
    if (pageClass == QLatin1String("TypingTab"))
        return new TypingTab(parent);
    if (pageClass == QLatin1String("MKeyTab"))
        return new MKeyTab(parent);
    if (pageClass == QLatin1String("VoiceSearchTab"))
        return new VoiceSearchTab(parent, true, true);
    return nullptr;
}

QWidget *DevicePages::create(const IDeviceLogic::PageEntry &entry, QWidget *parent)
{
    if (entry.pageClass == QLatin1String("VoiceSearchTab")) {
        if (entry.buttonText == TUI::tr(" AI智适应"))
            return new VoiceSearchTab(parent, false, true);
        if (entry.buttonText == TUI::tr(" 自定义指令"))
            return new VoiceSearchTab(parent, true, false);
    }
    return create(entry.pageClass, parent);
}

void DevicePages::connectDevice(QWidget *page, IDeviceLogic *logic)
{
    if (!page || !logic)
        return;
    if (auto *mkey = qobject_cast<MKeyTab *>(page))
        QObject::connect(logic, &IDeviceLogic::invokeFunction, mkey, &MKeyTab::mkeyTab_invokeFunction);
}
