#include "logic/businessLogic/AsrEngine/AsrEngineHelper.h"

#include "config/BaseSetting.h"
#include "config/Configurations.h"
#include "logic/businessLogic/AsrEngine/TransferAsrEngine.h"
#include "logic/businessLogic/AsrEngine/UnavailableAsrEngine.h"
#include "logic/businessLogic/AsrEngine/XfIatAsrEngine.h"
#include "util/TrContexts.h"

#include <QPair>

AsrEngineType AsrEngineHelper::configuredType()
{
    auto &config = Configurations::instance();
    if (config.enableTransferServer())
        return AsrEngine_Transfer;
    const QString type = config.value(QStringLiteral("/Asr/EngineType")).toString().trimmed().toLower();
    if (type == QLatin1String("aiui") || type == QLatin1String("2"))
        return AsrEngine_Aiui;
    if (type == QLatin1String("transfer") || type == QLatin1String("0"))
        return AsrEngine_Transfer;
    return AsrEngine_Xf;
}

QPair<QString, QString> AsrEngineHelper::splitLanguage(const QString &languageAndAccent)
{
    const QStringList parts = languageAndAccent.split(QLatin1Char(','));
    QString language = parts.value(0).trimmed();
    if (language.isEmpty())
        language = QStringLiteral("zh_cn");
    QString accent = parts.value(1).trimmed();
    if (accent.isEmpty() && language == QLatin1String("zh_cn"))
        accent = QStringLiteral("mandarin");
    return {language, accent};
}

IAsrEngine *AsrEngineHelper::createEngine(const BaseSetting *setting)
{
    return createEngine(setting ? setting->asr_languageAndAccent : QString());
}

IAsrEngine *AsrEngineHelper::createEngine(const QString &languageAndAccent)
{
    const auto lang = splitLanguage(languageAndAccent);
    switch (configuredType()) {
    case AsrEngine_Transfer:
        return new TransferAsrEngine(lang.first, lang.second);
    case AsrEngine_Aiui:
        return new UnavailableAsrEngine(QStringLiteral("AIUI"), TMsg::tr("AIUI语音识别未配置"));
    case AsrEngine_Xf:
    default:
        return new XfIatAsrEngine(lang.first, lang.second);
    }
}
