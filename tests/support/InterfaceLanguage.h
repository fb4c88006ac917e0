#pragma once

#include <QString>
#include <QTranslator>

// Runs a test in one interface language: the embedded catalogue of that language is installed
// while the object lives (or until uninstall()); "" keeps the Chinese source texts.
class InterfaceLanguage
{
public:
    // A column "lang" with rows zh (""), en and ko.
    static void addRows();

    explicit InterfaceLanguage(const QString &lang);
    ~InterfaceLanguage();
    InterfaceLanguage(const InterfaceLanguage &) = delete;
    InterfaceLanguage &operator=(const InterfaceLanguage &) = delete;

    // False when a catalogue was asked for and could not be loaded.
    bool isReady() const { return m_ready; }
    void uninstall();

private:
    QTranslator m_translator;
    bool m_installed = false;
    bool m_ready = true;
};
