#include "DevicePageHome.h"
#include "TourPicture.h"

#include "config/MouseSetting.h"
#include "device/ProductInfo.h"
#include "device/mouse/common/ui/MicrophoneItem.h"
#include "device/mouse/common/ui/MouseInfoTab.h"
#include "device/mouse/common/ui/MouseMKeyTab.h"
#include "logic/businessLogic/workflow/device/AudioDeviceFactory.h"
#include "logic/businessLogic/workflow/device/InjectedAudioDevice.h"
#include "qui/control/BarVolume.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QtEndian>
#include <QtTest>

// Pictures of the mouse's information and M-key pages under build/ui-tour/mousepages/.
class TestTourMousePages : public QObject
{
    Q_OBJECT

    static void save(QWidget *page, const QString &name) { TourPicture::save(page, name, QSize(860, 760)); }

    static ProductInfo product(bool bluetooth)
    {
        ProductInfo p;
        p.brand = QStringLiteral("Vellobox");
        p.name = bluetooth ? QStringLiteral("AI 语音鼠标 M2 蓝牙版") : QStringLiteral("AI 语音鼠标 M1");
        p.picture = QStringLiteral(":/logo/logo.png");
        p.logo = QStringLiteral(":/resource/image/tip_mic.png");
        p.productIntroUrl = QStringLiteral("https://manual.example/m1");
        p.description = QStringLiteral("<p><b>%1</b></p><p>按住语音键说话，松开即输入文字；双击 M 键切换常用功能。</p>"
                                       "<p>支持语音打字、翻译打字、语音搜索与截屏翻译。</p>")
                            .arg(p.name);
        if (bluetooth)
            p.serviceUuid = QStringLiteral("0000fff0-0000-1000-8000-00805f9b34fb");
        return p;
    }

private slots:
    void initTestCase()
    {
        registerVelloboxMetaTypes();
        TourPicture::useProgramStyle();
    }

    // The information page for a receiver mouse and a Bluetooth mouse: as the user sees it,
    // and with its built-but-hidden sections (connection chain, microphone test) shown while a
    // test runs.
    void mouseInfoTab_data()
    {
        QTest::addColumn<bool>("bluetooth");
        QTest::newRow("usb") << false;
        QTest::newRow("bluetooth") << true;
    }

    void mouseInfoTab()
    {
        QFETCH(bool, bluetooth);
        InjectedAudioDevice source;
        AudioDeviceFactory::setOverride([&source](DeviceContext *) { return &source; });
        DevicePageHome device(std::make_unique<MouseSetting>());
        const ProductInfo info = product(bluetooth);
        device.context.product = &info;
        MouseInfoTab page;
        page.setContext(&device.context);
        if (bluetooth)
            page.setBluetoothConnected(true);
        else
            page.setReceiverStatus(1);
        const QString kind = QLatin1String(bluetooth ? "bluetooth" : "usb");
        save(&page, QStringLiteral("MouseInfoTab-%1").arg(kind));

        // The built-but-hidden sections, made visible here only for the picture.
        for (const char *name : {"title2", "fm_State", "title3", "fm_microphone"}) {
            QWidget *section = page.findChild<QWidget *>(QLatin1String(name));
            QVERIFY(section);
            QVERIFY(section->isHidden());
            section->show();
        }
        page.microphone()->startButton()->click();
        QByteArray pcm(3200, Qt::Uninitialized);
        for (int i = 0; i < pcm.size() / 2; ++i)
            qToLittleEndian<qint16>(i % 2 ? 4000 : -4000, pcm.data() + 2 * i); // about 72 dB
        source.push(pcm);
        QCOMPARE(page.microphone()->volume()->value(), 7);
        save(&page, QStringLiteral("MouseInfoTab-%1-hidden-sections").arg(kind));
        page.microphone()->startButton()->click();
        AudioDeviceFactory::setOverride({});
    }

    void mouseMKeyTab_data()
    {
        QTest::addColumn<int>("function");
        for (int id : MouseMKeyTab::functionIds())
            QTest::newRow(qPrintable(QString::number(id))) << id;
    }

    void mouseMKeyTab()
    {
        QFETCH(int, function);
        DevicePageHome device(std::make_unique<MouseSetting>(),
                              {{"mKey_function", function}, {"mKey_functions", "11,8,16"},
                               {"mKey_url", "https://www.example.com"}, {"mKey_shortcut_Str", "Ctrl+Alt+F5"}});
        MouseMKeyTab page;
        page.setContext(&device.context);
        QVERIFY(page.functionButton(function)->isChecked());
        save(&page, QStringLiteral("MouseMKeyTab-%1").arg(function));
    }
};

QTEST_MAIN(TestTourMousePages)
#include "tst_tour_mousepages.moc"
