#include "config/MouseSetting.h"
#include "config/PointerSetting.h"
#include "device/DeviceContext.h"
#include "logic/businessLogic/AudioRecordBL.h"
#include "logic/businessLogic/FunctionImpl.h"
#include "logic/businessLogic/GetwordTranslateImpl.h"
#include "platform/RecordingKeySender.h"
#include "platform/VirtualKeys.h"
#include "logic/businessLogic/workflow/WorkNode.h"
#include "logic/businessLogic/workflow/device/AudioDeviceFactory.h"
#include "logic/businessLogic/workflow/device/InjectedAudioDevice.h"
#include "logic/businessLogic/workflow/typing/TypeImp.h"
#include "support/TestHome.h"
#include "support/ToastRecorder.h"
#include "util/AppHelper.h"

#include <QDesktopServices>
#include <QSignalSpy>
#include <QtTest>

// Declared before the first data table uses it.
Q_DECLARE_METATYPE(QVector<KeyRecord>)

// Stands in for the main window: it has the typing slots the hub looks for.
class TypingWindow : public QWidget
{
    Q_OBJECT
public:
    QStringList calls;
public slots:
    void typingSlot(const QString &newChar, const QString &oldChar) { calls << "type:" + newChar + "|" + oldChar; }
    void setClipboard(const QString &text) { calls << "clip:" + text; }
    void vkDeleteWordSlot() { calls << "delete"; }
    void vkPasteSlot() { calls << "paste"; }
};

class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    UrlCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open"); }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

class TestFunctionImpl : public QObject
{
    Q_OBJECT
    InjectedAudioDevice *m_source = nullptr;

private slots:
    void init()
    {
        m_source = new InjectedAudioDevice;
        AudioDeviceFactory::setOverride([this](DeviceContext *) { return m_source; });
        AppHelper::instance().setMicrophoneTestState(0);
    }
    void cleanup()
    {
        AudioDeviceFactory::setOverride({});
        delete m_source;
        m_source = nullptr;
        AppHelper::instance().setMicrophoneTestState(0);
    }

    void hubStoresItselfAndWiresTheTypingSlots()
    {
        TestHome home;
        TypingWindow window;
        DeviceContext context;
        {
            FunctionImpl hub(&window, &context);
            QCOMPARE(context.functionImpl, &hub);
            QCOMPARE(hub.parent(), nullptr);
            emit hub.typeImp()->typingSignal("ab", "a");
            emit hub.typeImp()->clipboard("x");
            emit hub.typeImp()->vkDeleteWordSignal();
            emit hub.typeImp()->vkPasteSignal();
            QVERIFY(window.calls.isEmpty()); // queued
            QTRY_COMPARE(window.calls, (QStringList{"type:ab|a", "clip:x", "delete", "paste"}));
        }
        QCOMPARE(context.functionImpl, nullptr);
        FunctionImpl withoutWindow(nullptr, &context); // a window without the slots is fine too
    }

    void effectsStartAndStop_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("mode");
        QTest::newRow("spotlight") << int(Action_Spotlight) << 0;
        QTest::newRow("magnifier") << int(Action_Magnifier) << 1;
        QTest::newRow("digital light") << int(Action_DigitalLight) << 2;
    }
    void effectsStartAndStop()
    {
        QFETCH(int, action);
        QFETCH(int, mode);
        TestHome home;
        DeviceContext context;
        FunctionImpl hub(nullptr, &context);
        QSignalSpy started(&hub, &FunctionImpl::effectStart);
        QSignalSpy stopped(&hub, &FunctionImpl::effectStop);
        QSignalSpy up(&hub, &FunctionImpl::gearUp);
        QSignalSpy down(&hub, &FunctionImpl::gearDown);

        // Volume keys without a running effect do nothing.
        hub.invokeFunction(Action_Volume, Flag_Up, QString());
        QCOMPARE(up.size(), 0);

        hub.invokeFunction(VelloboxActionType(action), Flag_Press, QString());
        QCOMPARE(started.size(), 1);
        QCOMPARE(started[0][0].toInt(), mode);
        QCOMPARE(hub.effectMode(), mode);
        hub.invokeFunction(Action_Volume, Flag_Up, QString());
        hub.invokeFunction(Action_Volume, Flag_Down, QString());
        hub.invokeFunction(Action_Volume, Flag_Down, QString());
        QCOMPARE(up.size(), 1);
        QCOMPARE(down.size(), 2);

        hub.invokeFunction(VelloboxActionType(action), Flag_Release, QString());
        QCOMPARE(stopped.size(), 1);
        QCOMPARE(hub.effectMode(), -1);
        hub.invokeFunction(Action_Volume, Flag_Down, QString());
        QCOMPARE(down.size(), 2);
    }

    void speechFunctionsWaitForTheMicrophoneTest_data()
    {
        QTest::addColumn<int>("action");
        QTest::newRow("voice typing") << int(Action_VoiceTyping);
        QTest::newRow("translation typing") << int(Action_TranslationTyping);
        QTest::newRow("voice search") << int(Action_VoiceSearch);
    }
    void speechFunctionsWaitForTheMicrophoneTest()
    {
        QFETCH(int, action);
        TestHome home;
        DeviceContext context;
        FunctionImpl hub(nullptr, &context);
        QSignalSpy runs(hub.speechNode(), &WorkNode::runStarted);

        AppHelper::instance().setMicrophoneTestState(1);
        hub.invokeFunction(VelloboxActionType(action), Flag_Press, QString());
        QCOMPARE(runs.size(), 0);

        AppHelper::instance().setMicrophoneTestState(0);
        ToastRecorder toasts;
        hub.invokeFunction(VelloboxActionType(action), Flag_Press, QString());
        QCOMPARE(runs.size(), 1);
        // No speech service is configured here: the run says so and ends.
        QCOMPARE(toasts.entries.size(), 1);
        QCOMPARE(toasts.entries[0].type, 2);
        QVERIFY(!hub.speechNode()->isActive());
    }

    void wordPickStartsAndStops()
    {
        TestHome home;
        DeviceContext context;
        FunctionImpl hub(nullptr, &context);
        auto &getword = GetwordTranslateImpl::instance();
        hub.invokeFunction(Action_GetwordTranslation, Flag_Press, QString());
        QVERIFY(getword.isRunning());
        QCOMPARE(getword.context(), &context);
        hub.invokeFunction(Action_GetwordTranslation, Flag_Release, QString());
        QVERIFY(!getword.isRunning());
        hub.invokeFunction(Action_GetwordTranslation, VelloboxFunctionFlags(Flag_Press | Flag_Up), QString());
        QVERIFY(getword.isRunning());
        hub.shutdown({});
        QVERIFY(!getword.isRunning());
    }

    void recordingShowsSubtitleAndVolumeByFlags()
    {
        TestHome home;
        PointerSetting setting;
        DeviceContext context;
        context.setting = &setting;
        FunctionImpl hub(nullptr, &context);
        QSignalSpy subShow(&hub, &FunctionImpl::subtitleShow);
        QSignalSpy subHide(&hub, &FunctionImpl::subtitleHide);
        QSignalSpy volShow(&hub, &FunctionImpl::volumeWindowShow);
        QSignalSpy volHide(&hub, &FunctionImpl::volumeWindowHide);
        QSignalSpy level(&hub, &FunctionImpl::volumeLevel);
        QSignalSpy text1(&hub, &FunctionImpl::subtitleText1);
        QSignalSpy text2(&hub, &FunctionImpl::subtitleText2);

        hub.invokeFunction(Action_Record, VelloboxFunctionFlags(Flag_Press | Flag_RecordSubtitle), QString());
        QCOMPARE(subShow.size(), 1);
        QCOMPARE(volShow.size(), 0);
        QVERIFY(hub.audioRecord()->isRecording()); // the engine failed, the recording goes on
        m_source->push(QByteArray(640, '\x10'));
        QCOMPARE(level.size(), 0); // no volume window
        hub.invokeFunction(Action_Record, Flag_Release, QString());
        QCOMPARE(subHide.size(), 1);
        QCOMPARE(volHide.size(), 0);
        QVERIFY(!hub.audioRecord()->isRecording());

        hub.invokeFunction(Action_RecordStart, VelloboxFunctionFlags(Flag_Press | Flag_RecordVolume), QString());
        QCOMPARE(volShow.size(), 1);
        QCOMPARE(subShow.size(), 1);
        m_source->push(QByteArray(640, '\x10'));
        QCOMPARE(level.size(), 1);
        hub.invokeFunction(Action_RecordStart, Flag_Release, QString());
        QCOMPARE(volHide.size(), 1);
        QCOMPARE(subHide.size(), 1);

        emit hub.audioRecord()->text("line one");
        emit hub.audioRecord()->translatedText("line two");
        QCOMPARE(text1.value(0).value(0).toString(), QStringLiteral("line one"));
        QCOMPARE(text2.value(0).value(0).toString(), QStringLiteral("line two"));
    }

    void keyFunctionsGoToTheKeySender_data()
    {
        using namespace VirtualKeys;
        QTest::addColumn<int>("action");
        QTest::addColumn<QVector<KeyRecord>>("records");
        QTest::newRow("enter") << int(Action_Enter) << QVector<KeyRecord>{{VK_RETURN, false}, {VK_RETURN, true}};
        QTest::newRow("backspace") << int(Action_Backspace) << QVector<KeyRecord>{{VK_BACK, false}, {VK_BACK, true}};
        QTest::newRow("switch window") << int(Action_SwitchWindow)
                                       << QVector<KeyRecord>{{VK_MENU, false}, {VK_TAB, false}, {VK_TAB, true}, {VK_MENU, true}};
        QTest::newRow("show desktop") << int(Action_ShowDesktop)
                                      << QVector<KeyRecord>{{0x5B, false}, {'D', false}, {'D', true}, {0x5B, true}};
        QTest::newRow("custom shortcut")
            << int(Action_CustomShortcut)
            << QVector<KeyRecord>{{VK_CONTROL, false}, {VK_SHIFT, false}, {'K', false}, {'K', true}, {VK_SHIFT, true}, {VK_CONTROL, true}};
    }
    void keyFunctionsGoToTheKeySender()
    {
        QFETCH(int, action);
        QFETCH(QVector<KeyRecord>, records);
        TestHome home;
        RecordingKeySender keys;
        MouseSetting setting;
        setting.mKey_shortcut_Str = QStringLiteral("Ctrl+Shift+K");
        DeviceContext context;
        context.setting = &setting;
        FunctionImpl hub(nullptr, &context);
        QSignalSpy sent(&hub, &FunctionImpl::keysSent);
        hub.invokeFunction(VelloboxActionType(action), Flag_Release, QString());
        QCOMPARE(keys.batches().size(), 0); // keys go out on the press only
        hub.invokeFunction(VelloboxActionType(action), Flag_Press, QString());
        QCOMPARE(keys.batches().size(), 1);
        QCOMPARE(keys.batches()[0], records);
        QCOMPARE(sent.value(0).value(1).toBool(), true);

        keys.setSentLimit(1); // the sender fails half way: reported
        hub.invokeFunction(VelloboxActionType(action), Flag_Press, QString());
        QCOMPARE(sent.value(1).value(1).toBool(), false);
    }

    void shortcutFromKeyAndModifiers()
    {
        TestHome home;
        RecordingKeySender keys;
        MouseSetting setting;
        setting.mKey_shortcut_key = Qt::Key_F5;
        setting.mKey_shortcut_modifiers = int(Qt::AltModifier);
        DeviceContext context;
        context.setting = &setting;
        FunctionImpl hub(nullptr, &context);
        hub.invokeFunction(Action_CustomShortcut, Flag_Press, QString());
        QCOMPARE(keys.batches().value(0),
                 (QVector<KeyRecord>{{VirtualKeys::VK_MENU, false}, {0x74, false}, {0x74, true}, {VirtualKeys::VK_MENU, true}}));
    }

    void shortcutStoredAsTypedSymbolIsStillPressed_data()
    {
        using namespace VirtualKeys;
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QVector<KeyRecord>>("records");
        QTest::newRow("recorded as heard") << "Ctrl+Shift+1"
            << QVector<KeyRecord>{{VK_CONTROL, false}, {VK_SHIFT, false}, {'1', false}, {'1', true}, {VK_SHIFT, true}, {VK_CONTROL, true}};
        QTest::newRow("recorded as typed") << "Ctrl+Shift+!"
            << QVector<KeyRecord>{{VK_CONTROL, false}, {VK_SHIFT, false}, {'1', false}, {'1', true}, {VK_SHIFT, true}, {VK_CONTROL, true}};
    }
    void shortcutStoredAsTypedSymbolIsStillPressed()
    {
        QFETCH(QString, stored);
        QFETCH(QVector<KeyRecord>, records);
        TestHome home;
        RecordingKeySender keys;
        MouseSetting setting;
        setting.mKey_shortcut_Str = stored;
        DeviceContext context;
        context.setting = &setting;
        FunctionImpl hub(nullptr, &context);
        hub.invokeFunction(Action_CustomShortcut, Flag_Press, QString());
        QCOMPARE(keys.batches().value(0), records);
    }

    void shortcutThatCannotBePressedIsReported()
    {
        TestHome home;
        RecordingKeySender keys;
        MouseSetting setting;
        setting.mKey_shortcut_Str = QStringLiteral("Ctrl+\u00c9"); // no key of ours gives it
        DeviceContext context;
        context.setting = &setting;
        FunctionImpl hub(nullptr, &context);
        ToastRecorder toasts;
        QSignalSpy sent(&hub, &FunctionImpl::keysSent);
        hub.invokeFunction(Action_CustomShortcut, Flag_Press, QString());
        QCOMPARE(keys.batches().size(), 0);
        QCOMPARE(sent.value(0).value(1).toBool(), false);
        QCOMPARE(toasts.entries.size(), 1);
        QCOMPARE(toasts.entries.at(0).type, 1);
    }

    void otherFunctions()
    {
        TestHome home;
        UrlCatcher catcher;
        MouseSetting setting;
        DeviceContext context;
        context.setting = &setting;
        FunctionImpl hub(nullptr, &context);
        RecordingKeySender keys;
        QSignalSpy snapshot(&hub, &FunctionImpl::snapshotTranslationRequested);
        ToastRecorder toasts;

        hub.invokeFunction(Action_SnapshotTranslation, Flag_Press, QStringLiteral("Start Snapshot Translation"));
        QCOMPARE(snapshot.size(), 1);

        hub.invokeFunction(Action_CustomShortcut, Flag_Press, QString()); // none set
        QCOMPARE(keys.batches().size(), 0);
        QCOMPARE(toasts.entries.value(0).type, 1);

        hub.invokeFunction(Action_OpenWebPage, Flag_Press, QString()); // none set
        QCOMPARE(toasts.entries.size(), 2);
        setting.mKey_url = QStringLiteral("example.org/start");
        hub.invokeFunction(Action_OpenWebPage, Flag_Press, QString());
        QCOMPARE(catcher.urls.value(0), QUrl("https://example.org/start"));

        hub.invokeFunction(Action_MKeySwitch, VelloboxFunctionFlags(Flag_Press | Flag_Notice), QStringLiteral("请先设置M键功能"));
        QCOMPARE(toasts.entries.last().text, QStringLiteral("请先设置M键功能"));
        QCOMPARE(toasts.entries.last().type, 1);
    }

    void mKeySwitchNamesTheNewFunctionAndEndsTheEffect()
    {
        TestHome home;
        PointerSetting setting;
        setting.mKey_functions = QStringLiteral("0,1,2");
        setting.mKey_functionIndex = 1;
        DeviceContext context;
        context.setting = &setting;
        FunctionImpl hub(nullptr, &context);
        QSignalSpy stopped(&hub, &FunctionImpl::effectStop);
        ToastRecorder toasts;
        hub.invokeFunction(Action_Spotlight, Flag_Press, QString());
        hub.invokeFunction(Action_MKeySwitch, Flag_Press, QString());
        QCOMPARE(stopped.size(), 1);
        QCOMPARE(toasts.entries.value(0).type, 0);
        QVERIFY(toasts.entries.value(0).text.contains(QStringLiteral("放大镜")));
    }

    void shutdownEndsEverythingAndCallsBack()
    {
        TestHome home;
        PointerSetting setting;
        DeviceContext context;
        context.setting = &setting;
        FunctionImpl hub(nullptr, &context);
        QSignalSpy saved(hub.audioRecord(), &AudioRecordBL::SaveRecord_Finish);
        QSignalSpy subHide(&hub, &FunctionImpl::subtitleHide);
        QSignalSpy stopped(&hub, &FunctionImpl::effectStop);
        QSignalSpy volHide(&hub, &FunctionImpl::volumeWindowHide);
        hub.invokeFunction(Action_Magnifier, Flag_Press, QString());
        hub.invokeFunction(Action_Record, VelloboxFunctionFlags(Flag_Press | Flag_RecordVolume | Flag_RecordSubtitle), QString());
        m_source->push(QByteArray(3200, '\x01'));
        bool called = false;
        hub.shutdown([&] { called = true; });
        QVERIFY(called);
        QCOMPARE(subHide.size(), 1);
        QCOMPARE(stopped.size(), 1);
        QCOMPARE(volHide.size(), 1);
        QCOMPARE(hub.effectMode(), -1);
        QVERIFY(!hub.audioRecord()->isRecording());
        QCOMPARE(saved.size(), 1); // what was recorded is kept
        QCOMPARE(saved[0][1].toInt(), 0);
        hub.shutdown({}); // twice is harmless
    }
};

QTEST_MAIN(TestFunctionImpl)
#include "tst_functionimpl.moc"
