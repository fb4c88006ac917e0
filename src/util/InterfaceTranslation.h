#pragma once

#include <QString>
#include <QTranslator>

// The catalogues of the interface language, installed while the object lives (a translator
// takes itself out of the application when it goes). Chinese lies beneath every other
// language: a text that language's catalogue lacks, every text of a language shipped without
// translations, shows as it does in Chinese, never as the key a few sources are.
class InterfaceTranslation
{
public:
    explicit InterfaceTranslation(const QString &language);
    InterfaceTranslation(const InterfaceTranslation &) = delete;
    InterfaceTranslation &operator=(const InterfaceTranslation &) = delete;

private:
    QTranslator m_chinese;
    QTranslator m_language;
};
