#include "InterfaceLanguage.h"

#include <QCoreApplication>
#include <QTest>

void InterfaceLanguage::addRows()
{
    QTest::addColumn<QString>("lang");
    QTest::newRow("zh") << QString();
    QTest::newRow("en") << QStringLiteral("en");
    QTest::newRow("ko") << QStringLiteral("ko");
}

InterfaceLanguage::InterfaceLanguage(const QString &lang)
{
    if (lang.isEmpty())
        return;
    m_ready = m_translator.load(QStringLiteral(":/translations/vellobox_%1.qm").arg(lang));
    if (m_ready)
        m_installed = QCoreApplication::installTranslator(&m_translator);
}

InterfaceLanguage::~InterfaceLanguage()
{
    uninstall();
}

void InterfaceLanguage::uninstall()
{
    if (m_installed)
        QCoreApplication::removeTranslator(&m_translator);
    m_installed = false;
}
