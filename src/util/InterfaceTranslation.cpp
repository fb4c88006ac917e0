#include "util/InterfaceTranslation.h"

#include <QCoreApplication>

namespace {
const QString kChinese = QStringLiteral("zh");

void install(QTranslator &translator, const QString &language)
{
    if (translator.load(QStringLiteral(":/translations/vellobox_%1.qm").arg(language)))
        QCoreApplication::installTranslator(&translator);
}
} // namespace

InterfaceTranslation::InterfaceTranslation(const QString &language)
{
    // Chinese too: its few texts whose source is a key need their sentence. The translator
    // installed last is asked first.
    install(m_chinese, kChinese);
    if (language != kChinese)
        install(m_language, language);
}
