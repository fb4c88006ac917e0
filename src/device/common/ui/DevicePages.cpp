#include "device/common/ui/DevicePages.h"

#include "device/DeviceContext.h"
#include "device/IDeviceLogic.h"
#include "device/common/ui/NoDeviceTab.h"
#include "device/mouse/common/MouseDevice.h"
#include "device/mouse/common/ui/MouseInfoTab.h"
#include "device/mouse/common/ui/MouseMKeyTab.h"
#include "device/mouse/common/ui/MouseTextTranslationTab.h"
#include "device/mouse/common/ui/TypingTab.h"
#include "device/mouse/mirel/ui/HotWordTab.h"
#include "device/mouse/mirel/ui/MirelMouseHelpTab.h"
#include "device/mouse/mirel/ui/MirelTypingTab.h"
#include "device/pointer/common/ui/AiSubtitleTab.h"
#include "device/pointer/common/ui/MKeyTab.h"
#include "device/pointer/common/ui/VoiceTab.h"
#include "form/tab/RecordTab.h"
#include "form/tab/VoiceSearchTab.h"
#include "logic/businessLogic/AudioRecordBL.h"
#include "logic/businessLogic/FunctionImpl.h"
#include "util/TrContexts.h"

QWidget *DevicePages::create(const QString &pageClass, QWidget *parent)
{
    if (pageClass == QLatin1String("TypingTab"))
        return new TypingTab(parent);
    if (pageClass == QLatin1String("MouseTextTranslationTab"))
        return new MouseTextTranslationTab(parent);
    if (pageClass == QLatin1String("MKeyTab"))
        return new MKeyTab(parent);
    if (pageClass == QLatin1String("VoiceTab"))
        return new VoiceTab(parent);
    if (pageClass == QLatin1String("AiSubtitleTab"))
        return new AiSubtitleTab(parent);
    if (pageClass == QLatin1String("RecordTab"))
        return new RecordTab(parent);
    if (pageClass == QLatin1String("MouseInfoTab"))
        return new MouseInfoTab(parent);
    if (pageClass == QLatin1String("MouseMKeyTab"))
        return new MouseMKeyTab(parent);
    if (pageClass == QLatin1String("NoDeviceTab"))
        return new NoDeviceTab(parent);
    if (pageClass == QLatin1String("VoiceSearchTab"))
        return new VoiceSearchTab(parent, true, true);
    if (pageClass == QLatin1String("MirelTypingTab"))
        return new MirelTypingTab(parent);
    if (pageClass == QLatin1String("HotWordTab"))
        return new HotWordTab(parent);
    if (pageClass == QLatin1String("MirelMouseHelpTab"))
        return new MirelMouseHelpTab(parent);
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
    if (auto *records = qobject_cast<RecordTab *>(page)) {
        QObject::connect(logic, &IDeviceLogic::notifyChange, records, &RecordTab::notifyChange_serialNumber);
        // Every saved recording reloads the list.
        DeviceContext *context = logic->context();
        if (context && context->functionImpl && context->functionImpl->audioRecord())
            QObject::connect(context->functionImpl->audioRecord(), &AudioRecordBL::SaveRecord_Finish, records,
                             QOverload<AudioRecordVO *>::of(&RecordTab::loadRecord));
    }
    // The mouse's M-key page follows a double click of the M key as the presenter's does.
    if (auto *mouseMKey = qobject_cast<MouseMKeyTab *>(page))
        QObject::connect(logic, &IDeviceLogic::invokeFunction, mouseMKey, &MouseMKeyTab::mkeyTab_invokeFunction);
    auto *info = qobject_cast<MouseInfoTab *>(page);
    auto *mouse = qobject_cast<MouseDevice *>(logic);
    if (info && mouse) {
        QObject::connect(mouse, &MouseDevice::bluetoothConnectedChanged, info, &MouseInfoTab::setBluetoothConnected);
        QObject::connect(mouse, &MouseDevice::receiverStatusChanged, info, &MouseInfoTab::setReceiverStatus);
    }
    if (auto *typing = qobject_cast<MirelTypingTab *>(page))
        QObject::connect(logic, &IDeviceLogic::invokeFunction, typing, &MirelTypingTab::mkeyTab_invokeFunction);
}
