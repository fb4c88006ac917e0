#include "form/dialog/RecordVolumeDialog.h"
#include "orm/data/AudioRecordVO.h"
#include "util/Clock.h"

#include <QDateTime>
#include <QtTest>

namespace {
const qint64 Now = QDateTime(QDate(2026, 3, 14), QTime(15, 9, 26)).toMSecsSinceEpoch() + 500;

QString startBefore(qint64 seconds)
{
    return QDateTime::fromMSecsSinceEpoch(Now - seconds * 1000).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}
} // namespace

class TestRecordVolume : public QObject
{
    Q_OBJECT
private slots:
    void init() { Clock::setOverride([] { return Now; }); }
    void cleanup() { Clock::setOverride({}); }

    void elapsedText_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("text");
        QTest::newRow("75 s") << startBefore(75) << "0 : 1 : 15";
        QTest::newRow("3700 s") << startBefore(3700) << "1 : 1 : 40";
        QTest::newRow("just started") << startBefore(0) << "0 : 0 : 0";
        QTest::newRow("a day and more") << startBefore(90061) << "25 : 1 : 1";
        QTest::newRow("start in the future") << startBefore(-30) << "0 : 0 : 0";
        QTest::newRow("unparsable start") << "yesterday" << "0 : 0 : 0";
        QTest::newRow("empty start") << "" << "0 : 0 : 0";
    }

    void elapsedText()
    {
        QFETCH(QString, start);
        QFETCH(QString, text);
        QCOMPARE(RecordVolumeDialog::elapsedText(start, Now), text);
    }

    void bars_data()
    {
        QTest::addColumn<int>("db");
        QTest::addColumn<int>("bars");
        QTest::newRow("100") << 100 << 20;
        QTest::newRow("37") << 37 << 7;
        QTest::newRow("4") << 4 << 0;
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("negative") << -12 << 0;
    }

    void bars()
    {
        QFETCH(int, db);
        QFETCH(int, bars);
        QCOMPARE(RecordVolumeDialog::barsFor(db), bars);
        RecordVolumeDialog d;
        d.showProgress(startBefore(75), db);
        QCOMPARE(d.volumeValue(), bars);
    }

    void progressShowsTheDialog()
    {
        RecordVolumeDialog d;
        QCOMPARE(d.size(), QSize(252, 62));
        QCOMPARE(d.windowOpacity(), 0.8);
        QVERIFY(d.property("canMove").toBool());
        QVERIFY(d.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(d.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!(d.windowFlags() & Qt::WindowContextHelpButtonHint));
        QVERIFY(!d.isVisible());
        d.showProgress(startBefore(3700), 55);
        QVERIFY(d.isVisible());
        QCOMPARE(d.timeText(), QStringLiteral("<font color=white>1 : 1 : 40</font>"));
        QCOMPARE(d.volumeValue(), 11);
        d.grab(); // paints with its background picture
    }

    void nullRecordIsIgnored()
    {
        RecordVolumeDialog d;
        d.recording(nullptr, 80);
        QVERIFY(!d.isVisible());
        QCOMPARE(d.timeText(), QString());
        QCOMPARE(d.volumeValue(), 0);
    }

    void recordStartTimeIsRead()
    {
        AudioRecordVO record;
        record.startTime = startBefore(75);
        RecordVolumeDialog d;
        d.recording(&record, 37);
        QVERIFY(d.isVisible());
        QCOMPARE(d.timeText(), QStringLiteral("<font color=white>0 : 1 : 15</font>"));
        QCOMPARE(d.volumeValue(), 7);
    }

    void backgroundPictureIsEmbedded() { QVERIFY(!QImage(":/resource/image/volumebg.png").isNull()); }
};

QTEST_MAIN(TestRecordVolume)
#include "tst_recordvolume.moc"
