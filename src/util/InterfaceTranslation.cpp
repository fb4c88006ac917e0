#include "util/InterfaceTranslation.h"

#include "logging/QsLog.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace {
const QString kChinese = QStringLiteral("zh");
const QString kEnglish = QStringLiteral("en");
const QString kTurkish = QStringLiteral("tr");

void install(QTranslator &translator, const QString &language)
{
    if (translator.load(QStringLiteral(":/translations/vellobox_%1.qm").arg(language)))
        QCoreApplication::installTranslator(&translator);
}

// Qt's catalogue of the language as the distribution installs it; without it, Qt's texts
// stay in English.
void installQt(QTranslator &translator, const QString &language)
{
    // Qt names its Chinese catalogue by country.
    const QString name = QStringLiteral("qtbase_") + (language == kChinese ? QStringLiteral("zh_CN") : language);
    const QString folder = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
    if (translator.load(name, folder))
        QCoreApplication::installTranslator(&translator);
    else
        QLOG_WARN() << "Qt's own texts stay in English: no catalogue" << name << "in" << folder;
}
} // namespace

InterfaceTranslation::InterfaceTranslation(const QString &language)
{
    // The translator installed last is asked first: Qt's catalogues lie beneath the program's.
    // Qt's source texts are English: English needs no catalogue of Qt's. Chinese lies beneath a
    // language the program shows in Chinese (Turkish), whose Qt texts should not fall back to
    // English amid Chinese ones; a translated interface (Korean) falls back to Qt's English.
    if (language != kEnglish) {
        if (language == kChinese || language == kTurkish)
            installQt(m_qtChinese, kChinese);
        if (language != kChinese)
            installQt(m_qtLanguage, language);
    }
    // Chinese too: its few texts whose source is a key need their sentence.
    install(m_chinese, kChinese);
    if (language != kChinese)
        install(m_language, language);
}
