#include "device/common/ui/DevicePages.h"

#include "device/DeviceContext.h"
#include "device/IDeviceLogic.h"
#include "device/mouse/common/ui/TypingTab.h"
#include "device/pointer/common/ui/AiSubtitleTab.h"
#include "device/pointer/common/ui/MKeyTab.h"
#include "device/pointer/common/ui/VoiceTab.h"
#include "form/tab/RecordTab.h"
#include "logic/businessLogic/AudioRecordBL.h"
#include "logic/businessLogic/FunctionImpl.h"

QWidget *DevicePages::create(const QString &pageClass, QWidget *parent)
{
    if (pageClass == QLatin1String("TypingTab"))
        return new TypingTab(parent);
    if (pageClass == QLatin1String("MKeyTab"))
        return new MKeyTab(parent);
    if (pageClass == QLatin1String("VoiceTab"))
        return new VoiceTab(parent);
    if (pageClass == QLatin1String("AiSubtitleTab"))
        return new AiSubtitleTab(parent);
    if (pageClass == QLatin1String("RecordTab"))
        return new RecordTab(parent);
    return nullptr;
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
}
