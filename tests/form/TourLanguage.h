#pragma once

#include <QCoreApplication>
#include <QTranslator>

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
    static QTranslator translator;
    const QString lang = TourLanguage::code();
    if (!lang.isEmpty() && translator.load(QStringLiteral(":/translations/vellobox_%1.qm").arg(lang)))
        QCoreApplication::installTranslator(&translator);
}
Q_COREAPP_STARTUP_FUNCTION(installTourLanguage)
