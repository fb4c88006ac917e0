#include "ocr/OcrRecognizer.h"

#include <QFont>
#include <QPainter>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// Real Tesseract on rendered text.
class TestOcrRecognizer : public QObject
{
    Q_OBJECT

    // The two lines at a pixel size; the picture scales with it (a small one, as a region of
    // screen text usually is, is enlarged before recognition).
    static QImage twoLines(int pixels = 40)
    {
        QImage image(pixels * 13, pixels * 5, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        QFont font(QStringLiteral("Noto Sans CJK SC"));
        font.setPixelSize(pixels);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(pixels * 3 / 4, pixels * 7 / 4), QStringLiteral("Hello world"));
        painter.drawText(QPoint(pixels * 3 / 4, pixels * 15 / 4), QStringLiteral("你好世界"));
        return image;
    }

private slots:
    void languageCodesMapToTesseract_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("languages");
        QTest::newRow("automatic") << "auto" << "chi_sim+eng";
        QTest::newRow("Chinese and English") << "CHN_ENG" << "chi_sim+eng";
        QTest::newRow("English") << "ENG" << "eng";
        QTest::newRow("Japanese") << "JAP" << "jpn";
        QTest::newRow("German") << "GER" << "deu";
        QTest::newRow("unknown") << "XYZ" << "";
    }
    void languageCodesMapToTesseract()
    {
        QFETCH(QString, code);
        QFETCH(QString, languages);
        QCOMPARE(OcrRecognizer::tesseractLanguages(code), languages);
    }

    void renderedLinesAreRecognised_data()
    {
        QTest::addColumn<int>("pixels");
        QTest::newRow("large letters") << 40;
        QTest::newRow("screen-sized letters") << 16;
    }
    void renderedLinesAreRecognised()
    {
        QFETCH(int, pixels);
        const auto result = OcrRecognizer::recognizeNow(twoLines(pixels), QStringLiteral("chi_sim+eng"));
        QCOMPARE(result.error, QString());
        QCOMPARE(result.lines, QStringList({"Hello world", "你好世界"}));
    }

    void recognitionRunsOffTheGuiThreadAndOnlyTheNewestReports()
    {
        OcrRecognizer recognizer;
        QSignalSpy done(&recognizer, &OcrRecognizer::recognized);
        QSignalSpy failed(&recognizer, &OcrRecognizer::failed);
        QImage blank(200, 80, QImage::Format_RGB32);
        blank.fill(Qt::white);
        const int first = recognizer.recognize(blank, QStringLiteral("auto"));
        const int second = recognizer.recognize(twoLines(), QStringLiteral("auto"));
        QVERIFY(second > first);
        QVERIFY(done.wait(30000));
        QTest::qWait(200);
        QCOMPARE(done.size(), 1);
        QCOMPARE(done[0][0].toInt(), second);
        QCOMPARE(done[0][1].toStringList(), QStringList({"Hello world", "你好世界"}));
        QCOMPARE(failed.size(), 0);
    }

    void aLanguageWithoutDataFailsWithAClearMessage()
    {
        QTemporaryDir empty;
        const bool wasSet = qEnvironmentVariableIsSet("TESSDATA_PREFIX");
        const QByteArray before = qgetenv("TESSDATA_PREFIX");
        qputenv("TESSDATA_PREFIX", empty.path().toLocal8Bit());
        const auto restore = qScopeGuard([wasSet, before] {
            if (wasSet)
                qputenv("TESSDATA_PREFIX", before);
            else
                qunsetenv("TESSDATA_PREFIX");
        });
        OcrRecognizer recognizer;
        QSignalSpy failed(&recognizer, &OcrRecognizer::failed);
        const int request = recognizer.recognize(twoLines(), QStringLiteral("KOR"));
        QVERIFY(failed.wait(5000));
        QCOMPARE(failed[0][0].toInt(), request);
        QVERIFY(failed[0][1].toString().contains(QStringLiteral("kor")));
    }
};

QTEST_MAIN(TestOcrRecognizer)
#include "tst_ocrrecognizer.moc"
