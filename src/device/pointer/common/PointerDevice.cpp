#include "device/pointer/common/PointerDevice.h"

#include "config/PointerSetting.h"
#include "device/DeviceContext.h"
#include "device/ProductInfo.h"
#include "util/TrContexts.h"

PointerDevice::PointerDevice(DeviceContext *context, QObject *parent)
    : IDeviceLogic(context, parent)
{
}

QString PointerDevice::typeName() const
{
    if (m_context && m_context->product && !m_context->product->name.isEmpty())
        return m_context->product->name;
    return TPointer::tr("翻页笔");
}

std::unique_ptr<BaseSetting> PointerDevice::createSetting() const
{
    return std::make_unique<PointerSetting>();
}

QVector<IDeviceLogic::PageEntry> PointerDevice::pageTable() const
{
    return {
        {TUI::tr(" 智能录音"), QStringLiteral("VoiceTab"), nullptr},
        {TUI::tr(" 演讲字幕"), QStringLiteral("AiSubtitleTab"), nullptr},
        {TUI::tr(" 飞鼠设置"), QStringLiteral("MKeyTab"), nullptr},
        {TUI::tr(" 录音记录"), QStringLiteral("RecordTab"), nullptr},
    };
}
