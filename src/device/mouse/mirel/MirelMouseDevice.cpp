#include "device/mouse/mirel/MirelMouseDevice.h"

#include "config/MouseSetting.h"
#include "device/DeviceContext.h"
#include "device/ProductInfo.h"
#include "util/TrContexts.h"

MirelMouseDevice::MirelMouseDevice(DeviceContext *context, QObject *parent)
    : MouseDevice(context, parent)
{
}

QString MirelMouseDevice::typeName() const
{
    if (m_context && m_context->product && !m_context->product->name.isEmpty())
        return m_context->product->name;
    return TMouse::tr("AI语音鼠标");
}

std::unique_ptr<BaseSetting> MirelMouseDevice::createSetting() const
{
    auto record = std::make_unique<MouseSetting>();
    // A new record: nobody listens yet, so plain assignment is enough.
    record->mKey_functions = QStringLiteral("7,8,16");
    record->mKey_functionIndex = 0;
    record->asr_languageAndAccent = QStringLiteral("zh_cn");
    record->getword_tranFromLanguage = QStringLiteral("cn");
    record->getword_tranToLanguage = QStringLiteral("en");
    record->translation_fromLanguage = QStringLiteral("cn");
    record->translation_toLanguage = QStringLiteral("en");
    record->asr_enablePtt = true;
    return record;
}

QVector<IDeviceLogic::PageEntry> MirelMouseDevice::pageTable() const
{
    return {
        {TUI::tr(" AI智适应"), QStringLiteral("VoiceSearchTab"), nullptr},
        {TUI::tr(" 语言设置"), QStringLiteral("MirelTypingTab"), nullptr},
        {TUI::tr(" 热词搜索"), QStringLiteral("HotWordTab"), nullptr},
        {TUI::tr(" 自定义指令"), QStringLiteral("VoiceSearchTab"), nullptr},
        {TUI::tr(" 使用帮助"), QStringLiteral("MirelMouseHelpTab"), nullptr},
    };
}
