#include "device/ProductInfo.h"
#include "form/panel/DeviceInfoPanel.h"

#include <QDesktopServices>
#include <QLabel>
#include <QTextEdit>
#include <QtTest>

// Catches what the panel asks the desktop to open.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    UrlCatcher()
    {
        for (const char *scheme : {"http", "https", "file"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
    }
    ~UrlCatcher() override
    {
        for (const char *scheme : {"http", "https", "file"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

class TestDeviceInfoPanel : public QObject
{
    Q_OBJECT

private slots:
    void descriptionHeightGrowsPer800Characters_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("height");
        QTest::newRow("empty") << 0 << 100;
        QTest::newRow("one") << 1 << 140;
        QTest::newRow("800") << 800 << 140;
        QTest::newRow("801") << 801 << 180;
        QTest::newRow("1600") << 1600 << 180;
    }

    void descriptionHeightGrowsPer800Characters()
    {
        QFETCH(int, length);
        QFETCH(int, height);
        DeviceInfoPanel panel;
        ProductInfo product;
        product.description = QString(length, QLatin1Char('a'));
        panel.setDevice(&product);
        QCOMPARE(panel.findChild<QTextEdit *>("tbProduct")->minimumHeight(), height);
    }

    void productWithoutPictureOrDescriptionShowsNoEmptyBox()
    {
        DeviceInfoPanel panel;
        panel.show();
        auto *picture = panel.findChild<QLabel *>("lbImage");
        auto *description = panel.findChild<QTextEdit *>("tbProduct");
        ProductInfo bare;
        bare.picture = QStringLiteral(":/resource/image/no-such-product.png");
        panel.setDevice(&bare);
        QVERIFY(!picture->isVisible());
        QVERIFY(!description->isVisible());

        ProductInfo full;
        full.picture = QStringLiteral(":/logo/logo.png");
        full.description = QStringLiteral("静音鼠标");
        panel.setDevice(&full);
        QVERIFY(picture->isVisible());
        QVERIFY(description->isVisible());
    }

    void productFillsTheFieldsAndReplacesThePlaceholder()
    {
        DeviceInfoPanel panel;
        auto *logo = panel.findChild<QLabel *>("lbLogo");
        QCOMPARE(logo->text(), QStringLiteral("Logo"));
        QCOMPARE(panel.findChild<QLabel *>("lbOpenUrl")->text(), QStringLiteral("电子档说明书"));
        ProductInfo product;
        product.description = QStringLiteral("<b>静音</b>鼠标");
        product.picture = QStringLiteral(":/logo/logo.png");
        panel.setDevice(&product);
        QVERIFY(logo->text().isEmpty()); // even without a logo
        QCOMPARE(panel.findChild<QTextEdit *>("tbProduct")->toPlainText(), QStringLiteral("静音鼠标"));
        QVERIFY(panel.findChild<QLabel *>("lbImage")->styleSheet().contains(":/logo/logo.png"));

        ProductInfo other;
        other.logo = QStringLiteral(":/logo/logo.png");
        other.productIntroUrl = QStringLiteral("https://manual.example/m2");
        panel.setDevice(&other);
        QVERIFY(logo->styleSheet().contains(":/logo/logo.png"));
        QVERIFY(panel.findChild<QTextEdit *>("tbProduct")->toPlainText().isEmpty());
        QCOMPARE(panel.manualAddress(), other.productIntroUrl);

        panel.setDevice(nullptr); // nothing changes
        QCOMPARE(panel.manualAddress(), other.productIntroUrl);
    }

    // The manual is a web page: other addresses are not opened, and never as a local file.
    void manualLinkOpensOnlyWebAddresses_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("opened");
        QTest::newRow("https") << "https://manual.example/m1" << "https://manual.example/m1";
        QTest::newRow("http") << "http://manual.example/m1" << "http://manual.example/m1";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("local path") << "/etc/hostname" << "";
        QTest::newRow("file url") << "file:///etc/hostname" << "";
        QTest::newRow("other scheme") << "javascript:alert(1)" << "";
    }

    void manualLinkOpensOnlyWebAddresses()
    {
        QFETCH(QString, address);
        QFETCH(QString, opened);
        UrlCatcher catcher;
        DeviceInfoPanel panel;
        ProductInfo product;
        product.productIntroUrl = address;
        panel.setDevice(&product);
        QTest::mouseClick(panel.findChild<QLabel *>("lbOpenUrl"), Qt::LeftButton);
        QCOMPARE(catcher.urls.size(), opened.isEmpty() ? 0 : 1);
        if (!opened.isEmpty())
            QCOMPARE(catcher.urls.first(), QUrl(opened));
    }
};

QTEST_MAIN(TestDeviceInfoPanel)
#include "tst_deviceinfopanel.moc"
