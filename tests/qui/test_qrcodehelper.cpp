#include "qui/QrCodeHelper.h"

#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class TestQrCodeHelper : public QObject
{
    Q_OBJECT
private slots:
    void decodesBack_data();
    void decodesBack();
    void blackOnWhite();
    void emptyTextClearsLabel();
};

void TestQrCodeHelper::decodesBack_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QSize>("labelSize");
    QTest::newRow("share link") << QStringLiteral("http://127.0.0.1:8080/record-share/index.html?code=ab12CD34") << QSize(240, 240);
    QTest::newRow("small label") << QStringLiteral("VB-0042") << QSize(90, 90);
    QTest::newRow("wide label") << QStringLiteral("http://127.0.0.1/a?b=c&d=e") << QSize(400, 160);
    QTest::newRow("chinese") << QStringLiteral("录音分享：会议纪要 2026") << QSize(200, 200);
    QTest::newRow("long text") << QString(QStringLiteral("0123456789abcdef")).repeated(20) << QSize(300, 300);
}

void TestQrCodeHelper::decodesBack()
{
    QFETCH(QString, text);
    QFETCH(QSize, labelSize);
    const QString zbar = QStandardPaths::findExecutable(QStringLiteral("zbarimg"));
    if (zbar.isEmpty())
        QSKIP("zbarimg (zbar-tools) is not installed");

    QLabel label;
    label.resize(labelSize);
    QVERIFY(QrCodeHelper::setQrCode(text, &label));
    const QPixmap pixmap = label.pixmap(Qt::ReturnByValue);
    QVERIFY(!pixmap.isNull());
    const int side = qMin(labelSize.width(), labelSize.height());
    QCOMPARE(pixmap.size(), QSize(side, side));

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("code.png"));
    QVERIFY(pixmap.save(file));
    QProcess process;
    process.start(zbar, {QStringLiteral("--raw"), QStringLiteral("-q"), file});
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()).trimmed(), text);
}

void TestQrCodeHelper::blackOnWhite()
{
    const QImage image = QrCodeHelper::image(QStringLiteral("hello"), 200);
    QCOMPARE(image.size(), QSize(200, 200));
    // The quiet zone is white; the finder pattern's corner just inside it is black.
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::white));
    QCOMPARE(image.pixelColor(199, 199), QColor(Qt::white));
    bool sawBlack = false;
    for (int x = 0; x < 100 && !sawBlack; ++x)
        sawBlack = image.pixelColor(x, x) == QColor(Qt::black);
    QVERIFY(sawBlack);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            QVERIFY(c == QColor(Qt::white) || c == QColor(Qt::black));
        }
    }
}

void TestQrCodeHelper::emptyTextClearsLabel()
{
    QLabel label;
    label.resize(100, 100);
    QVERIFY(QrCodeHelper::setQrCode(QStringLiteral("x"), &label));
    QVERIFY(!QrCodeHelper::setQrCode(QString(), &label));
    QVERIFY(label.pixmap(Qt::ReturnByValue).isNull());
    QVERIFY(!QrCodeHelper::setQrCode(QStringLiteral("x"), nullptr));
}

QTEST_MAIN(TestQrCodeHelper)
#include "test_qrcodehelper.moc"
