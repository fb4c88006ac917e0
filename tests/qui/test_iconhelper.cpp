#include "qui/IconHelper.h"

#include <QFontDatabase>
#include <QLabel>
#include <QToolButton>
#include <QtTest>

// The icon font is registered when a glyph is first about to be measured or drawn, so a start
// hidden in the tray does not pay for it.
class TestIconHelper : public QObject
{
    Q_OBJECT
private slots:
    void glyphWidgetsRegisterTheFontOnlyWhenPolished()
    {
        QToolButton button;
        QLabel label;
        IconHelper::setIcon(&button, 0xf0c9, 16);
        IconHelper::setIcon(&label, 0xf00d, 16);
        QVERIFY(QFontDatabase::applicationFontFamilies(0).isEmpty());
        QCOMPARE(button.text(), QString(QChar(0xf0c9)));

        label.ensurePolished();
        QCOMPARE(QFontDatabase::applicationFontFamilies(0), QStringList({"FontAwesome"}));
        QCOMPARE(button.font().family(), QStringLiteral("FontAwesome"));
        QCOMPARE(button.font().pixelSize(), 16);
        // A widget made afterwards gets the registered family at once.
        QLabel later;
        IconHelper::setIcon(&later, 0xf059, 20);
        QCOMPARE(later.font().family(), IconHelper::fontFamily());
        QVERIFY(!IconHelper::pixmap(0xf059, 24, Qt::red).isNull());
    }
};

QTEST_MAIN(TestIconHelper)
#include "test_iconhelper.moc"
