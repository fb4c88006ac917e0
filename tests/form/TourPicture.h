#pragma once

#include "TourLanguage.h"

#include "qui/QUIHelper.h"

#include <QDir>
#include <QImage>
#include <QSize>
#include <QWidget>
#include <QtTest>

// Pictures of windows and pages for checking by eye, under the test's VB_TOUR_DIR.
class TourPicture
{
public:
    // The program's first theme and its style sheet, as a user first sees it.
    static void useProgramStyle()
    {
        QUIHelper::setStyle(QUIHelper::themeNames().value(0));
        QUIHelper::setStyleSheetFile(QStringLiteral(":/customization.css"));
    }

    // The folder of the pictures: the language's own when the tour runs in another one.
    static QString dir() { return TourLanguage::folder(QStringLiteral(VB_TOUR_DIR)); }

    // Saves <name>.png of the widget, resized first when a size is given.
    static void save(QWidget *widget, const QString &name, const QSize &size = QSize())
    {
        // Laid out and painted as on screen, but never mapped: tests that read the screen's
        // pixels run beside this one.
        widget->setAttribute(Qt::WA_DontShowOnScreen);
        if (size.isValid())
            widget->resize(size);
        widget->show();
        QTest::qWait(50);
        QVERIFY(QDir().mkpath(dir()));
        const QImage image = widget->grab().toImage();
        QVERIFY(!image.isNull());
        QVERIFY(image.save(dir() + QStringLiteral("/%1.png").arg(name)));
    }
};
