#pragma once

#include "logic/businessLogic/AsrEngine/AsrTypes.h"

#include <QString>

class BaseSetting;
class IAsrEngine;

// Chooses the speech engine for a device: the maker's transfer server when "/Transfer/Enable"
// is set, else the kind named by "/Asr/EngineType" ("xf" or 1, "aiui" or 2; "xf" by default).
class AsrEngineHelper
{
public:
    // A new engine for the device's language; the caller owns it.
    static IAsrEngine *createEngine(const BaseSetting *setting);
    // A new engine for a language of speech ("zh_cn,mandarin"); the caller owns it.
    static IAsrEngine *createEngine(const QString &languageAndAccent);
    static AsrEngineType configuredType();
    // "zh_cn,cantonese" -> ("zh_cn", "cantonese"); Chinese without accent speaks mandarin.
    static QPair<QString, QString> splitLanguage(const QString &languageAndAccent);
};
