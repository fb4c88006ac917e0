#pragma once

#include <QString>
#include <QTranslator>

// The catalogues of the interface language, installed while the object lives (a translator
// takes itself out of the application when it goes). Chinese lies beneath every other
// language: a text that language's catalogue lacks, every text of a language shipped without
// translations, shows as it does in Chinese, never as the key a few sources are.
// Qt's own texts (standard buttons, the text fields' menus, file dialogs) come from the
// distribution's qtbase catalogue of that language, with Chinese beneath Turkish, whose interface
// shows Chinese; in English they are Qt's own, with nothing loaded.
class InterfaceTranslation
{
public:
    explicit InterfaceTranslation(const QString &language);
    InterfaceTranslation(const InterfaceTranslation &) = delete;
    InterfaceTranslation &operator=(const InterfaceTranslation &) = delete;

private:
    QTranslator m_qtChinese;
    QTranslator m_qtLanguage;
    QTranslator m_chinese;
    QTranslator m_language;
};
