#include "FakeHid.h"

#include "config/DeviceConfigHelper.h"
#include "config/MouseSetting.h"
#include "device/BlankDevice.h"
#include "device/DeviceContext.h"
#include "device/DeviceHardwareInfo.h"
#include "device/IDeviceFactory.h"
#include "device/mouse/common/MouseDevice.h"
#include "logic/businessLogic/monitor/HidListener.h"
#include "support/TestHome.h"
#include "util/Clock.h"

#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>
#include <thread>

namespace {
struct Emitted {
    int action;
    int flags;
    QString text;
};

QVector<Emitted> emitted(const QSignalSpy &spy)
{
    QVector<Emitted> out;
    for (const QList<QVariant> &args : spy)
        out.append({args.at(0).value<VelloboxActionType>(), args.at(1).value<VelloboxFunctionFlags>(),
                    args.at(2).toString()});
    return out;
}

// A mouse context of its own (records are kept by key, so every test uses a fresh device).
std::unique_ptr<DeviceContext> mouseContext(int factoryIndex = 2)
{
    static ushort pid = 0x100;
    ++pid;
    IDeviceFactory *factory = IDeviceFactory::factories()[factoryIndex];
    ProductInfo p;
    p.name = QStringLiteral("Test mouse");
    p.vendorId = 0x6001;
    p.productId = pid;
    const ProductInfo *product = factory->catalogue().add(p);
    auto hw = std::make_unique<DeviceHardwareInfo>();
    hw->path = QStringLiteral("/dev/hidraw%1").arg(pid);
    hw->vendorId = 0x6001;
    hw->productId = pid;
    hw->product = QStringLiteral("Mouse %1").arg(pid);
    hw->manufacturer = QStringLiteral("Test Maker");
    return std::unique_ptr<DeviceContext>(factory->createContext(std::move(hw), product));
}

void setRecord(BaseSetting *record, int function, const QString &list, int index)
{
    record->setValue(QStringLiteral("mKey_function"), function);
    record->setValue(QStringLiteral("mKey_functions"), list);
    record->setValue(QStringLiteral("mKey_functionIndex"), index);
}

class ManualClock
{
public:
    ManualClock() { Clock::setOverride([this] { return now.load(); }); }
    ~ManualClock() { Clock::setOverride({}); }
    std::atomic<qint64> now{1'000'000};
};
} // namespace

class TestDeviceLogic : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { registerVelloboxMetaTypes(); }
    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    void currentFunctionIndex_data();
    void currentFunctionIndex();
    void mKeyClicks_data();
    void mKeyClicks();
    void emptyListGivesNotice();
    void otherActionsPassThrough();
    void switchReachesSettingsFile();
    void keyEventsFromListenerThread();
    void queuedEventAfterDeviceGone();
    void switchCommandBytes_data();
    void switchCommandBytes();
    void statusChangeAndDot();
    void theFirstLinkReportsAlwaysReachThePage();
    void blankDevice();
    void pageTables_data();
    void pageTables();
};

void TestDeviceLogic::currentFunctionIndex_data()
{
    QTest::addColumn<int>("function");
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("expected");
    QTest::newRow("chosen function wins") << 5 << "3,2,0,1" << 1 << 5;
    QTest::newRow("chosen function 0") << 0 << "7,8" << 1 << 0;
    QTest::newRow("list element") << -1 << "3,2,0,1" << 1 << 2;
    QTest::newRow("first element") << -1 << "7,8,16" << 0 << 7;
    QTest::newRow("last element") << -1 << "7,8,16" << 2 << 16;
    QTest::newRow("spaces in list") << -1 << " 7 , 8 ,16" << 1 << 8;
    QTest::newRow("index past the end") << -1 << "7,8,16" << 3 << 3;
    QTest::newRow("negative index") << -1 << "7,8,16" << -1 << 3;
    QTest::newRow("empty list") << -1 << "" << 0 << 3;
    QTest::newRow("malformed element") << -1 << "7,x,16" << 1 << 3;
    QTest::newRow("malformed keeps positions") << -1 << "7,x,16" << 2 << 16;
}

void TestDeviceLogic::currentFunctionIndex()
{
    QFETCH(int, function);
    QFETCH(QString, list);
    QFETCH(int, index);
    QFETCH(int, expected);
    TestHome home;
    auto context = mouseContext();
    setRecord(context->setting, function, list, index);
    QCOMPARE(context->logic->currentFunctionIndex(), expected);
}

void TestDeviceLogic::mKeyClicks_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("function");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("gapMs"); // between the two presses
    QTest::addColumn<bool>("switches");
    QTest::addColumn<int>("newIndex");

    QTest::newRow("double click moves on") << "7,8,16" << -1 << 0 << 300 << true << 1;
    QTest::newRow("double click wraps") << "7,8,16" << -1 << 2 << 300 << true << 0;
    QTest::newRow("just inside 500 ms") << "7,8,16" << -1 << 1 << 499 << true << 2;
    QTest::newRow("500 ms is two clicks") << "7,8,16" << -1 << 0 << 500 << false << 0;
    QTest::newRow("slow clicks run twice") << "7,8,16" << -1 << 0 << 800 << false << 0;
    QTest::newRow("chosen function is dropped") << "3,2,0,1" << 4 << 1 << 200 << true << 2;
    QTest::newRow("stale index starts over") << "7,8,16" << -1 << 9 << 200 << true << 0;
    QTest::newRow("single entry stays") << "16" << -1 << 0 << 100 << true << 0;
}

void TestDeviceLogic::mKeyClicks()
{
    QFETCH(QString, list);
    QFETCH(int, function);
    QFETCH(int, index);
    QFETCH(int, gapMs);
    QFETCH(bool, switches);
    QFETCH(int, newIndex);

    TestHome home;
    ManualClock clock;
    auto context = mouseContext();
    setRecord(context->setting, function, list, index);
    const int before = context->logic->currentFunctionIndex();
    QSignalSpy spy(context->logic, &IDeviceLogic::invokeFunction);

    IDeviceLogic *logic = context->logic;
    logic->handleKeyEvent(Action_MKeySwitch, Flag_Press, QString());
    clock.now += 50;
    logic->handleKeyEvent(Action_MKeySwitch, Flag_Release, QString());
    clock.now += gapMs - 50;
    logic->handleKeyEvent(Action_MKeySwitch, Flag_Press, QString());
    clock.now += 50;
    logic->handleKeyEvent(Action_MKeySwitch, Flag_Release, QString());

    const QVector<Emitted> got = emitted(spy);
    if (switches) {
        // Press and release of the current function, then the switch; its release is eaten.
        QCOMPARE(got.size(), 3);
        QCOMPARE(got[0].action, before);
        QCOMPARE(got[0].flags, int(Flag_Press));
        QCOMPARE(got[1].action, before);
        QCOMPARE(got[1].flags, int(Flag_Release));
        QCOMPARE(got[2].action, int(Action_MKeySwitch));
        QCOMPARE(got[2].flags & Flag_Notice, 0);
        QCOMPARE(context->setting->mKey_function, -1);
        QCOMPARE(context->setting->mKey_functionIndex, newIndex);
        QCOMPARE(got[2].text, list.split(',').at(newIndex).trimmed());
        QCOMPARE(logic->currentFunctionIndex(), list.split(',').at(newIndex).toInt());
    } else {
        QCOMPARE(got.size(), 4);
        for (const Emitted &e : got)
            QCOMPARE(e.action, before);
        QCOMPARE(context->setting->mKey_functionIndex, index);
        QCOMPARE(context->setting->mKey_function, function);
    }

    // A third press soon after a switch starts a new pair rather than switching again.
    spy.clear();
    clock.now += 100;
    logic->handleKeyEvent(Action_MKeySwitch, Flag_Press, QString());
    if (switches) {
        QCOMPARE(spy.size(), 1);
        QCOMPARE(emitted(spy)[0].action, logic->currentFunctionIndex());
    }
}

void TestDeviceLogic::emptyListGivesNotice()
{
    TestHome home;
    ManualClock clock;
    auto context = mouseContext();
    setRecord(context->setting, 9, QString(), 2);
    QSignalSpy spy(context->logic, &IDeviceLogic::invokeFunction);
    context->logic->handleKeyEvent(Action_MKeySwitch, Flag_Press, QString());
    clock.now += 200;
    context->logic->handleKeyEvent(Action_MKeySwitch, Flag_Press, QString());

    const QVector<Emitted> got = emitted(spy);
    QCOMPARE(got.size(), 2);
    QCOMPARE(got[1].action, int(Action_MKeySwitch));
    QVERIFY(got[1].flags & Flag_Notice);
    QVERIFY(!got[1].text.isEmpty());
    // Nothing to move through: the record is left alone.
    QCOMPARE(context->setting->mKey_function, 9);
    QCOMPARE(context->setting->mKey_functionIndex, 2);
}

void TestDeviceLogic::otherActionsPassThrough()
{
    TestHome home;
    ManualClock clock;
    auto context = mouseContext();
    QSignalSpy spy(context->logic, &IDeviceLogic::invokeFunction);
    context->logic->handleKeyEvent(Action_VoiceTyping, Flag_Press, QStringLiteral("t"));
    context->logic->handleKeyEvent(Action_VoiceTyping, Flag_Press, QStringLiteral("t"));
    context->logic->handleKeyEvent(Action_Volume, Flag_Up, QString());
    const QVector<Emitted> got = emitted(spy);
    QCOMPARE(got.size(), 3);
    QCOMPARE(got[1].action, int(Action_VoiceTyping));
    QCOMPARE(got[1].text, QStringLiteral("t"));
    QCOMPARE(got[2].flags, int(Flag_Up));
}

void TestDeviceLogic::switchReachesSettingsFile()
{
    TestHome home;
    ManualClock clock;
    auto context = mouseContext(3); // the branded mouse: 7, 8, 16 from the start
    QCOMPARE(context->setting->mKey_functions, QStringLiteral("7,8,16"));
    context->logic->handleKeyEvent(Action_MKeySwitch, Flag_Press, QString());
    clock.now += 120;
    context->logic->handleKeyEvent(Action_MKeySwitch, Flag_Press, QString());

    QFile file(DeviceConfigHelper::instance().filePath(context->key()));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonObject saved = QJsonDocument::fromJson(file.readAll()).object();
    QCOMPARE(saved.value("mKey_functionIndex").toInt(), 1);
    QCOMPARE(saved.value("mKey_function").toInt(), -1);
}

void TestDeviceLogic::keyEventsFromListenerThread()
{
    TestHome home;
    ManualClock clock;
    auto context = mouseContext(3);
    QVector<bool> writesOnGui;
    context->setting->addNotifyHandler([&](const QString &, const QVariant &, const QVariant &) {
        writesOnGui << (QThread::currentThread() == qApp->thread());
    });
    QSignalSpy spy(context->logic, &IDeviceLogic::invokeFunction);
    IDeviceLogic *logic = context->logic;
    std::thread listener([logic, &clock] {
        logic->handleKeyEvent(Action_MKeySwitch, Flag_Press, QString());
        clock.now += 100;
        logic->handleKeyEvent(Action_MKeySwitch, Flag_Press, QString());
    });
    listener.join();
    QCOMPARE(spy.size(), 0); // nothing runs on the listener thread
    QTRY_COMPARE(spy.size(), 2);
    QCOMPARE(emitted(spy)[1].action, int(Action_MKeySwitch));
    QCOMPARE(context->setting->mKey_functionIndex, 1);
    QVERIFY(!writesOnGui.isEmpty());
    QVERIFY(!writesOnGui.contains(false));
}

void TestDeviceLogic::queuedEventAfterDeviceGone()
{
    TestHome home;
    auto context = mouseContext();
    QPointer<IDeviceLogic> logic = context->logic;
    QSignalSpy spy(logic.data(), &IDeviceLogic::invokeFunction);
    std::thread listener([raw = logic.data()] { raw->handleKeyEvent(Action_MKeySwitch, Flag_Press, QString()); });
    listener.join();
    // The device is pulled out before the queued event runs.
    context.reset();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(logic.isNull());
    QCOMPARE(spy.size(), 0);
}

void TestDeviceLogic::switchCommandBytes_data()
{
    QTest::addColumn<bool>("on");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("on") << true << QByteArray("\x0a\x03\x23\x01", 4);
    QTest::newRow("off") << false << QByteArray("\x0a\x03\x23\x00", 4);
}

void TestDeviceLogic::switchCommandBytes()
{
    QFETCH(bool, on);
    QFETCH(QByteArray, bytes);
    TestHome home;
    auto context = mouseContext();
    auto *mouse = qobject_cast<MouseDevice *>(context->logic);
    QVERIFY(mouse);
    QVERIFY(!mouse->sendSwitchCommand(on)); // no transport yet

    auto device = std::make_shared<FakeHidDevice>();
    auto *listener = new HidListener(std::make_unique<FakeHidHandle>(device));
    context->listener = listener;
    listener->setContext(context.get());
    listener->start();
    QVERIFY(mouse->sendSwitchCommand(on));
    QCOMPARE(device->writtenReports(), QByteArrayList{bytes});
    // No DPI command is known for the plain mouse: nothing is sent.
    QVERIFY(!mouse->setDpi(2));
    QCOMPARE(device->writtenReports().size(), 1);

    device->unplug();
    QTRY_VERIFY(!listener->isRunning());
    QVERIFY(!mouse->sendSwitchCommand(on));
}

void TestDeviceLogic::statusChangeAndDot()
{
    TestHome home;
    auto context = mouseContext();
    QSignalSpy spy(context->logic, &IDeviceLogic::notifyChange);
    context->logic->setStatus(Status_Disconnected);
    context->logic->setStatus(Status_Disconnected);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy[0][0].value<NotifyType>(), Notify_Status);
    QCOMPARE(spy[0][1].toInt(), int(Status_Connected));
    QCOMPARE(spy[0][2].toInt(), int(Status_Disconnected));

    QImage image(100, 24, QImage::Format_ARGB32);
    image.fill(Qt::white);
    context->logic->setStatus(Status_Connected);
    {
        QPainter painter(&image);
        context->logic->paintStatus(&painter, image.rect());
    }
    // The dot sits at the right, vertically centred, and is green for a connected device.
    const QColor dot = image.pixelColor(100 - 4 - 4, 12);
    QVERIFY2(dot.green() > 150 && dot.red() < 100, qPrintable(dot.name()));
    QCOMPARE(image.pixelColor(10, 12), QColor(Qt::white));
}

// A receiver or Bluetooth link reported down at once must not leave the page at "connected".
void TestDeviceLogic::theFirstLinkReportsAlwaysReachThePage()
{
    TestHome home;
    auto context = mouseContext();
    auto *mouse = qobject_cast<MouseDevice *>(context->logic);
    QVERIFY(mouse);
    QSignalSpy receiver(mouse, &MouseDevice::receiverStatusChanged);
    QSignalSpy bluetooth(mouse, &MouseDevice::bluetoothConnectedChanged);
    mouse->setReceiverStatus(0);
    mouse->setBluetoothConnected(false);
    QCOMPARE(receiver.size(), 1);
    QCOMPARE(receiver[0][0].toInt(), 0);
    QCOMPARE(bluetooth.size(), 1);
    QCOMPARE(bluetooth[0][0].toBool(), false);
    // Later only changes are passed on.
    mouse->setReceiverStatus(0);
    mouse->setBluetoothConnected(false);
    mouse->setReceiverStatus(2);
    QCOMPARE(receiver.size(), 2);
    QCOMPARE(bluetooth.size(), 1);
}

void TestDeviceLogic::blankDevice()
{
    BlankDevice blank;
    QCOMPARE(blank.typeName(), QStringLiteral("无设备"));
    QCOMPARE(blank.currentFunctionIndex(), 3);
    QCOMPARE(blank.initializeUI(nullptr), IDeviceLogic::DeviceUi(nullptr, nullptr));
    QSignalSpy spy(&blank, &IDeviceLogic::invokeFunction);
    blank.handleKeyEvent(Action_MKeySwitch, Flag_Press, QString());
    QCOMPARE(spy.size(), 0);
}

void TestDeviceLogic::pageTables_data()
{
    QTest::addColumn<int>("factory");
    QTest::addColumn<QStringList>("buttons");
    const QStringList pointer{" 智能录音", " 演讲字幕", " 飞鼠设置", " 录音记录"};
    QTest::newRow("branded presenter") << 0 << pointer;
    QTest::newRow("presenter") << 1 << pointer;
    QTest::newRow("mouse") << 2 << QStringList{" 设备信息", " 语音打字", " 语音搜索", " 文本翻译", " M键设置"};
    QTest::newRow("branded mouse") << 3 << QStringList{" AI智适应", " 语言设置", " 热词搜索", " 自定义指令", " 使用帮助"};
}

void TestDeviceLogic::pageTables()
{
    QFETCH(int, factory);
    QFETCH(QStringList, buttons);
    TestHome home;
    auto context = mouseContext(factory);
    QStringList built;
    IDeviceLogic *builtFor = nullptr;
    IDeviceLogic::setPageBuilder([&](QWidget *, IDeviceLogic *logic, const QVector<IDeviceLogic::PageEntry> &pages) {
        builtFor = logic;
        for (const auto &page : pages)
            built << page.buttonText;
        return IDeviceLogic::DeviceUi(nullptr, nullptr);
    });
    context->logic->initializeUI(nullptr);
    IDeviceLogic::setPageBuilder({});
    QCOMPARE(builtFor, context->logic);
    QCOMPARE(built, buttons);
}

QTEST_MAIN(TestDeviceLogic)
#include "tst_devicelogic.moc"
