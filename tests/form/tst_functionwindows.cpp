#include "config/DeviceConfigHelper.h"
#include "config/PointerSetting.h"
#include "device/DeviceContext.h"
#include "form/dialog/RecordVolumeDialog.h"
#include "form/floating/FullScreenWidget.h"
#include "form/floating/FunctionWindows.h"
#include "form/floating/SubtitleWidget.h"
#include "logic/businessLogic/FunctionImpl.h"
#include "logic/businessLogic/workflow/device/AudioDeviceFactory.h"
#include "logic/businessLogic/workflow/device/InjectedAudioDevice.h"
#include "support/TestHome.h"
#include "util/AppHelper.h"

#include <QFileInfo>
#include <QtTest>

// The hub drives its floating windows: effects, gear steps, subtitles, and their lifetime.
class TestFunctionWindows : public QObject
{
    Q_OBJECT
    InjectedAudioDevice m_source;

private slots:
    void init()
    {
        AppHelper::setGrabber([](WId, int, int, int w, int h) {
            QImage image(w > 0 ? w : 800, h > 0 ? h : 600, QImage::Format_ARGB32);
            image.fill(Qt::white);
            return image;
        });
        // Sources from the override stay the caller's.
        AudioDeviceFactory::setOverride([this](DeviceContext *) { return &m_source; });
    }
    void cleanup()
    {
        AppHelper::setGrabber({});
        AudioDeviceFactory::setOverride({});
    }

    void effectsGearsAndSubtitlesFollowTheHub()
    {
        TestHome home;
        DeviceContext context;
        context.setting = DeviceConfigHelper::instance().addSetting("presenter", std::make_unique<PointerSetting>());
        auto *hub = new FunctionImpl(nullptr, &context);
        auto *windows = new FunctionWindows(hub);
        QPointer<FullScreenWidget> overlay = windows->overlay();
        QPointer<SubtitleWidget> subtitle = windows->subtitle();
        QPointer<RecordVolumeDialog> volume = windows->volume();
        QVERIFY(!overlay->isVisible());
        QCOMPARE(overlay->context(), &context);

        hub->invokeFunction(Action_Spotlight, Flag_Press, QString());
        QCOMPARE(overlay->functionMode(), 0);
        const int before = context.setting->value("mKey_spotLightRadius").toInt();
        hub->invokeFunction(Action_Volume, Flag_Up, QString());
        QVERIFY(context.setting->value("mKey_spotLightRadius").toInt() > before);
        QVERIFY(home.read("config/setting/" + QFileInfo(DeviceConfigHelper::instance().filePath(QStringLiteral("presenter"))).fileName()).contains(
            context.setting->text("mKey_spotLightRadius").toUtf8()));
        hub->invokeFunction(Action_Spotlight, Flag_Release, QString());
        QVERIFY(!overlay->isVisible());

        hub->invokeFunction(Action_Record, VelloboxFunctionFlags(Flag_Press | Flag_RecordSubtitle | Flag_RecordVolume),
                            QString());
        QVERIFY(subtitle->isVisible());
        QVERIFY(volume->isVisible());
        hub->subtitle_showText(QStringLiteral("大家好"));
        hub->invokeFunction(Action_Record, Flag_Release, QString());
        QVERIFY(!subtitle->isVisible());
        QVERIFY(!volume->isVisible());

        delete hub; // the windows go with their hub
        QVERIFY(!overlay);
        QVERIFY(!subtitle);
        QVERIFY(!volume);
    }
};

QTEST_MAIN(TestFunctionWindows)
#include "tst_functionwindows.moc"
