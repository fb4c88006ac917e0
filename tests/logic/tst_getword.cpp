#include "config/Configurations.h"
#include "config/MouseSetting.h"
#include "device/DeviceContext.h"
#include "logic/businessLogic/GetwordTranslateImpl.h"
#include "support/LoopbackHttpServer.h"
#include "support/LoopbackTranslation.h"
#include "support/TestHome.h"

#include <QSignalSpy>
#include <QtTest>

class TestGetword : public QObject
{
    Q_OBJECT
private slots:
    void placementOnAFullHdScreen_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("top left") << QPoint(100, 100) << QPoint(110, 110);
        QTest::newRow("at the width limit") << QPoint(1310, 770) << QPoint(1320, 780);
        QTest::newRow("past the width limit") << QPoint(1311, 100) << QPoint(701, 110);
        QTest::newRow("past the height limit") << QPoint(100, 771) << QPoint(110, 461);
        QTest::newRow("bottom right corner") << QPoint(1919, 1079) << QPoint(1309, 769);
        QTest::newRow("origin") << QPoint(0, 0) << QPoint(10, 10);
    }
    void placementOnAFullHdScreen()
    {
        QFETCH(QPoint, point);
        QFETCH(QPoint, expected);
        QCOMPARE(GetwordTranslateImpl::placement(point, QSize(1920, 1080)), expected);
    }

    void resultIsPlacedOnTheLargestScreen()
    {
        auto &getword = GetwordTranslateImpl::instance();
        QSignalSpy shown(&getword, &GetwordTranslateImpl::showResult);
        const QSize screen = GetwordTranslateImpl::largestScreenSize();
        QVERIFY(screen.width() > 0 && screen.height() > 0);
        getword.onResult(5, screen.height() - 1, QStringLiteral("word"), QStringLiteral("词"));
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0][0].toPoint(), QPoint(15, screen.height() - 1 - 310));
        QCOMPARE(shown[0][1].toString(), QStringLiteral("word"));
        QCOMPARE(shown[0][2].toString(), QStringLiteral("词"));
    }

    void fadeOutFlag()
    {
        auto &getword = GetwordTranslateImpl::instance();
        QSignalSpy cancelled(&getword, &GetwordTranslateImpl::fadeOutCancelled);
        getword.onResult(1, 1, "a", "b");
        QVERIFY(getword.fadeOutAllowed());
        getword.clearEffectFlag();
        QVERIFY(!getword.fadeOutAllowed());
        QCOMPARE(cancelled.size(), 1);
        getword.onResult(1, 1, "a", "b"); // a new popup fades again
        QVERIFY(getword.fadeOutAllowed());
    }

    void selectionIsTranslatedWithTheDeviceLanguages()
    {
        TestHome home;
        LoopbackHttpServer server;
        server.setReply(QLatin1String(LoopbackTranslation::kPath), LoopbackTranslation::answer("apple", "苹果", "en", "zh"));
        LoopbackTranslation::configure(server);

        MouseSetting setting;
        setting.getword_tranFromLanguage = QStringLiteral("en");
        setting.getword_tranToLanguage = QStringLiteral("zh");
        DeviceContext context;
        context.setting = &setting;
        auto &getword = GetwordTranslateImpl::instance();
        getword.start(&context);
        QSignalSpy shown(&getword, &GetwordTranslateImpl::showResult);
        getword.translateSelection(QStringLiteral("apple"), QPoint(20, 30));
        QTRY_COMPARE(shown.size(), 1);
        QCOMPARE(shown[0][2].toString(), QStringLiteral("苹果"));
        QCOMPARE(shown[0][0].toPoint(), QPoint(30, 40));
        QCOMPARE(server.requests.value(0).param("from"), QStringLiteral("en"));
        QCOMPARE(server.requests.value(0).param("to"), QStringLiteral("zh"));

        // A translation that arrives after stop() is not shown.
        getword.translateSelection(QStringLiteral("pear"), QPoint(20, 30));
        getword.stop();
        QTRY_COMPARE(server.requests.size(), 2);
        QTest::qWait(100);
        QCOMPARE(shown.size(), 1);
    }
};

QTEST_MAIN(TestGetword)
#include "tst_getword.moc"
