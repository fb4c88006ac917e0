#include "DevicePageHome.h"

#include "config/MouseSetting.h"
#include "databinding/FormItem.h"
#include "databinding/ZComboBox.h"
#include "device/ProductInfo.h"
#include "device/mouse/common/MouseDevice.h"
#include "device/mouse/common/ui/MicrophoneItem.h"
#include "logic/businessLogic/FunctionImpl.h"
#include "logic/businessLogic/workflow/IWorkHandle.h"
#include "logic/businessLogic/workflow/WorkNode.h"
#include "logic/businessLogic/workflow/device/AudioDeviceFactory.h"
#include "logic/businessLogic/workflow/device/AudioModule.h"
#include "logic/businessLogic/workflow/device/InjectedAudioDevice.h"
#include "logic/businessLogic/workflow/device/MicrophoneVolumeTest.h"
#include "qui/control/BarVolume.h"
#include "support/ToastRecorder.h"
#include "util/AppHelper.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtEndian>
#include <QtTest>

namespace {
QByteArray block(qint16 sample, int count = 160)
{
    QByteArray data(count * 2, Qt::Uninitialized);
    for (int i = 0; i < count; ++i)
        qToLittleEndian<qint16>(i % 2 ? sample : qint16(-sample), data.data() + 2 * i);
    return data;
}

// A microphone that cannot be opened.
class BrokenMicrophone : public IAudioDevice
{
    Q_OBJECT
public:
    QString name() const override { return QStringLiteral("broken"); }
    bool start() override
    {
        emit failed(QStringLiteral("麦克风无法打开"));
        return false;
    }
    void stop() override {}
    bool isRunning() const override { return false; }
};

// Sound inputs by name, counting how often they were listed.
class ListingModule : public AudioModule
{
public:
    int listed = 0;
    QStringList inputNames() override
    {
        ++listed;
        return {QStringLiteral("Built-in"), QStringLiteral("USB headset")};
    }
    AudioCapture *createCapture(const QString &) override { return nullptr; }
    AudioPlayback *createPlayback() override { return nullptr; }
};

int flag()
{
    return AppHelper::instance().microphoneTestState();
}
} // namespace

class TestMicrophoneItem : public QObject
{
    Q_OBJECT
    InjectedAudioDevice *m_source = nullptr;

private slots:
    void init()
    {
        m_source = new InjectedAudioDevice;
        AudioDeviceFactory::setOverride([this](DeviceContext *) { return m_source; });
    }
    void cleanup()
    {
        AudioDeviceFactory::setOverride({});
        delete m_source;
        QCOMPARE(flag(), 0); // no test outlives its case
    }

    void levelsShowAsBars_data()
    {
        QTest::addColumn<QByteArray>("pcm");
        QTest::addColumn<int>("bars");
        QTest::newRow("silence") << block(0) << 0;
        QTest::newRow("57 dB") << block(708) << 5;
        QTest::newRow("full scale") << block(32767) << 9;
        QTest::newRow("empty block") << QByteArray() << 0;
    }

    void levelsShowAsBars()
    {
        QFETCH(QByteArray, pcm);
        QFETCH(int, bars);
        DevicePageHome device(std::make_unique<MouseSetting>());
        MicrophoneItem item;
        item.setContext(&device.context);
        item.startButton()->click();
        m_source->push(block(32767));
        m_source->push(pcm);
        QCOMPARE(item.volume()->value(), bars);
        item.startButton()->click();
        QCOMPARE(item.volume()->value(), 0);
    }

    void levelsAbove100ShowFull()
    {
        QCOMPARE(MicrophoneItem::barsForLevel(101), 10);
        QCOMPARE(MicrophoneItem::barsForLevel(-3), 0);
        QCOMPARE(MicrophoneItem::barsForLevel(100), 10);
    }

    // Two clicks start and stop one test; meanwhile the speech functions stay quiet.
    void twoClicksStartAndStopOneTestAndSilenceVoiceTyping()
    {
        DevicePageHome device(std::make_unique<MouseSetting>());
        MicrophoneItem item;
        item.setContext(&device.context);
        DeviceContext hubContext;
        FunctionImpl hub(nullptr, &hubContext);
        QSignalSpy runs(hub.speechNode(), &WorkNode::runStarted);

        item.startButton()->click();
        QCOMPARE(flag(), 1);
        QVERIFY(m_source->isRunning());
        QCOMPARE(item.startButton()->text(), QStringLiteral("停止测试"));
        hub.invokeFunction(Action_VoiceTyping, Flag_Press, QString());
        QCOMPARE(runs.size(), 0);

        item.startButton()->click();
        QCOMPARE(flag(), 0);
        QVERIFY(!m_source->isRunning());
        QCOMPARE(item.startButton()->text(), QStringLiteral("开始测试"));
        ToastRecorder toasts;
        hub.invokeFunction(Action_VoiceTyping, Flag_Press, QString());
        QCOMPARE(runs.size(), 1);
        hub.invokeFunction(Action_VoiceTyping, Flag_Release, QString());
    }

    void eachPageStopsOnlyItsOwnTest()
    {
        DevicePageHome device(std::make_unique<MouseSetting>());
        MicrophoneItem first;
        MicrophoneItem second;
        first.setContext(&device.context);
        second.setContext(&device.context);
        first.startButton()->click();
        second.startButton()->click(); // starts its own test
        QVERIFY(second.isTesting());
        second.startButton()->click();
        QVERIFY(first.isTesting());
        QCOMPARE(flag(), 1);
        first.startButton()->click();
        QCOMPARE(flag(), 0);
    }

    void deletingThePageDuringATestEndsIt()
    {
        DevicePageHome device(std::make_unique<MouseSetting>());
        auto *item = new MicrophoneItem;
        item->setContext(&device.context);
        item->startButton()->click();
        QCOMPARE(flag(), 1);
        delete item;
        QCOMPARE(flag(), 0);
        QVERIFY(!m_source->isRunning());
        m_source->start();
        m_source->push(block(1000)); // nobody listens any more
    }

    void unpluggingTheDeviceDuringATestEndsIt()
    {
        DevicePageHome device(std::make_unique<MouseSetting>());
        auto *logic = new MouseDevice(&device.context);
        device.context.logic = logic;
        MicrophoneItem item;
        item.setContext(&device.context);
        item.startButton()->click();
        device.context.logic = nullptr;
        delete logic;
        QCOMPARE(flag(), 0);
        QVERIFY(!item.isTesting());
    }

    void aMicrophoneThatFailsEndsTheTestWithANotice()
    {
        BrokenMicrophone broken;
        AudioDeviceFactory::setOverride([&broken](DeviceContext *) { return &broken; });
        DevicePageHome device(std::make_unique<MouseSetting>());
        MicrophoneItem item;
        item.setContext(&device.context);
        ToastRecorder toasts;
        item.startButton()->click();
        QCOMPARE(flag(), 0);
        QCOMPARE(item.startButton()->text(), QStringLiteral("开始测试"));
        QTRY_COMPARE(toasts.texts(), QStringList({"麦克风无法打开"}));
    }

    // A Bluetooth mouse speaks through its own microphone: its name, no list, and a test still
    // starts (on the default input).
    void bluetoothMouseShowsItsMicrophoneAndStillTests()
    {
        DevicePageHome device(std::make_unique<MouseSetting>());
        ProductInfo product;
        product.name = QStringLiteral("<i>M2</i>");
        product.serviceUuid = QStringLiteral("0000fff0-0000-1000-8000-00805f9b34fb");
        device.context.product = &product;
        MicrophoneItem item;
        item.setContext(&device.context);
        QVERIFY(!item.sourceRow()->comboBox());
        const QList<QLabel *> labels = item.sourceRow()->findChildren<QLabel *>();
        QStringList texts;
        for (QLabel *l : labels)
            texts << l->text();
        QCOMPARE(texts, QStringList({"声音来源", "<i>M2</i>"}));
        item.startButton()->click();
        QVERIFY(item.isTesting());
        item.startButton()->click();
    }

    // Listing the inputs loads the sound library: a page that is never shown never lists them.
    void inputsAreListedWhenTheItemIsFirstShown()
    {
        ListingModule module;
        AudioModule::setInstance(&module);
        DevicePageHome device(std::make_unique<MouseSetting>());
        MicrophoneItem item;
        item.setContext(&device.context);
        QCOMPARE(module.listed, 0);
        QVERIFY(!item.sourceRow()->comboBox());
        item.show();
        QCOMPARE(module.listed, 1);
        QCOMPARE(item.inputNames(), QStringList({"Built-in", "USB headset"}));
        QVERIFY(item.sourceRow()->comboBox());
        QCOMPARE(item.sourceRow()->comboBox()->count(), 2);
        item.hide();
        item.show();
        QCOMPARE(module.listed, 1);
        AudioModule::setInstance(nullptr);
    }

    void bindingAgainKeepsOneSourceRow()
    {
        DevicePageHome device(std::make_unique<MouseSetting>());
        MicrophoneItem item;
        item.setContext(&device.context);
        item.setContext(&device.context);
        QCOMPARE(item.findChildren<FormItem *>(QStringLiteral("fiSoundSource")).size(), 1);
        QCOMPARE(item.findChildren<FormItem *>(QStringLiteral("fiMicrophoneTest")).size(), 1);
    }

    void capturedSamplesBecomeSigned16Bit_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("channels");
        QTest::addColumn<bool>("bigEndian");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QVector<int>>("samples");
        QTest::newRow("unsigned 8-bit silence") << 8 << int(PcmFormat::UnSignedInt) << 1 << false
                                                << QByteArray("\x80\x80", 2) << QVector<int>{0, 0};
        QTest::newRow("unsigned 16-bit silence") << 16 << int(PcmFormat::UnSignedInt) << 1 << false
                                                 << QByteArray("\x00\x80\xff\xff", 4) << QVector<int>{0, 32767};
        QTest::newRow("signed 16-bit big endian") << 16 << int(PcmFormat::SignedInt) << 1 << true
                                                  << QByteArray("\x01\x00", 2) << QVector<int>{256};
        QTest::newRow("stereo keeps the first channel") << 16 << int(PcmFormat::SignedInt) << 2 << false
                                                        << QByteArray("\x10\x00\x20\x00", 4) << QVector<int>{16};
        float one = 1.0f;
        float half = -0.5f;
        QByteArray floats(reinterpret_cast<const char *>(&one), 4);
        floats.append(reinterpret_cast<const char *>(&half), 4);
        QTest::newRow("float") << 32 << int(PcmFormat::Float) << 1 << false << floats
                               << QVector<int>{32767, -16383};
        QTest::newRow("unknown size") << 24 << int(PcmFormat::SignedInt) << 1 << false << QByteArray(6, 'x')
                                      << QVector<int>{};
    }

    void capturedSamplesBecomeSigned16Bit()
    {
        QFETCH(int, size);
        QFETCH(int, type);
        QFETCH(int, channels);
        QFETCH(bool, bigEndian);
        QFETCH(QByteArray, input);
        QFETCH(QVector<int>, samples);
        PcmFormat format;
        format.sampleRate = 16000;
        format.sampleBits = size;
        format.sampleType = PcmFormat::SampleType(type);
        format.channels = channels;
        format.bigEndian = bigEndian;
        const QByteArray out = format.toPcm16(input);
        QVector<int> got;
        for (int i = 0; i + 1 < out.size(); i += 2)
            got << qFromLittleEndian<qint16>(out.constData() + i);
        QCOMPARE(got, samples);
    }

    // Whatever inputs this machine has: the capture runs, or fails and says why.
    void theRealCaptureStartsOrSaysWhy()
    {
        MicrophoneVolumeTest capture{QString()};
        QSignalSpy failed(&capture, &IAudioDevice::failed);
        const bool started = capture.start();
        QCOMPARE(started, failed.isEmpty());
        capture.stop();
        QVERIFY(!capture.isRunning());
    }

    void theTestAsksForSignedSamples()
    {
        const PcmFormat format = MicrophoneVolumeTest::requestedFormat();
        QCOMPARE(format.sampleType, PcmFormat::SignedInt);
        QCOMPARE(format.sampleBits, 16);
        QCOMPARE(format.sampleRate, 16000);
        QCOMPARE(format.channels, 1);
    }
};

QTEST_MAIN(TestMicrophoneItem)
#include "tst_microphoneitem.moc"
