#pragma once

#include "util/InterfaceTranslation.h"

#include <QCoreApplication>

// The language of the tour pictures: with VB_TOUR_LANG=en (or ko) a tour runs with that
// catalogue installed from the start and saves into a folder of its own ("<folder>-en").
namespace TourLanguage {
inline QString code()
{
    return qEnvironmentVariable("VB_TOUR_LANG");
}

inline QString folder(const QString &base)
{
    return code().isEmpty() ? base : base + QLatin1Char('-') + code();
}
} // namespace TourLanguage

static void installTourLanguage()
{
    // As the program does, Chinese included: its few texts whose source is a key need their sentence.
    const QString lang = TourLanguage::code();
    static const InterfaceTranslation translation(lang.isEmpty() ? QStringLiteral("zh") : lang);
}
Q_COREAPP_STARTUP_FUNCTION(installTourLanguage)
