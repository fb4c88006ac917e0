#include "config/Configurations.h"
#include "config/PointerSetting.h"
#include "device/DeviceContext.h"
#include "logic/businessLogic/AsrEngine/UnavailableAsrEngine.h"
#include "logic/businessLogic/AudioRecordBL.h"
#include "logic/businessLogic/workflow/WorkNode.h"
#include "logic/businessLogic/workflow/device/AudioDeviceFactory.h"
#include "logic/businessLogic/workflow/device/InjectedAudioDevice.h"
#include "logic/businessLogic/workflow/device/Wav.h"
#include "support/TestHome.h"
#include "support/ToastRecorder.h"

#include <QFile>
#include <QSignalSpy>
#include <QtTest>

class TestAudioRecord : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        AudioDeviceFactory::setOverride({});
        WorkNode::setEngineFactory({});
    }

    void recordFolderFollowsTheIni()
    {
        TestHome home;
        QCOMPARE(AudioRecordBL::recordFolder(), home.file("record"));
        Configurations::instance().setDefaultRecordPath(home.file("elsewhere"));
        QCOMPARE(AudioRecordBL::recordFolder(), home.file("elsewhere"));
    }

    void recordingIsSavedAsWavEvenWithoutSpeechService()
    {
        TestHome home;
        InjectedAudioDevice source;
        AudioDeviceFactory::setOverride([&](DeviceContext *) { return &source; });
        PointerSetting setting;
        DeviceContext context;
        context.setting = &setting;
        AudioRecordBL record(&context);
        QSignalSpy level(&record, &AudioRecordBL::recording);
        QSignalSpy saved(&record, &AudioRecordBL::SaveRecord_Finish);
        ToastRecorder toasts;

        record.start();
        QVERIFY(record.isRecording());
        QCOMPARE(toasts.entries.size(), 1); // the speech service is not configured: said once
        QByteArray pcm;
        for (int i = 0; i < 4; ++i) {
            QByteArray block(1024, '\0');
            for (int j = 0; j < block.size(); j += 2)
                block[j + 1] = char(0x10 * (i + 1)); // louder each block
            pcm += block;
            source.push(block);
        }
        QCOMPARE(level.size(), 4);
        QVERIFY(level[3][1].toInt() > level[0][1].toInt());
        const QString pcmPath = record.pcmPath();
        QVERIFY(pcmPath.startsWith(home.file("record/")));

        record.stop();
        QVERIFY(!record.isRecording());
        QCOMPARE(saved.size(), 1);
        QCOMPARE(saved[0][1].toInt(), 0);
        const QString wavPath = saved[0][2].toString();
        QVERIFY(wavPath.endsWith(".wav"));
        QFile wav(wavPath);
        QVERIFY(wav.open(QIODevice::ReadOnly));
        PcmFormat format;
        QByteArray data;
        QVERIFY(Wav::parse(wav.readAll(), &format, &data));
        QVERIFY(format.isSpeech());
        QCOMPARE(data, pcm);
        AudioRecordVO *vo = saved[0][0].value<AudioRecordVO *>();
        QCOMPARE(vo, record.record());
        QCOMPARE(vo->filepath, wavPath);
        QCOMPARE(vo->language, QStringLiteral("zh"));
        QVERIFY(!vo->startTime.isEmpty() && !vo->endTime.isEmpty());
        QVERIFY(vo->createTime > 0);
    }

    // The presenter's 智能录音 page chooses the language of speech of recordings.
    void recordingsHearTheLanguageOfTheRecordingPage()
    {
        TestHome home;
        InjectedAudioDevice source;
        AudioDeviceFactory::setOverride([&](DeviceContext *) { return &source; });
        QStringList heard;
        WorkNode::setEngineFactory([&](const BaseSetting *, const QString &language) {
            heard << language;
            return new UnavailableAsrEngine(QStringLiteral("test"), QStringLiteral("offline"));
        });
        PointerSetting setting;
        QVERIFY(setting.setValue("asr_identifyLanguage", "en"));
        QVERIFY(setting.setValue("subtitle_identifyLanguage", "zh"));
        QVERIFY(setting.setValue("asr_languageAndAccent", "zh_cn,cantonese"));
        DeviceContext context;
        context.setting = &setting;
        AudioRecordBL record(&context);
        QSignalSpy saved(&record, &AudioRecordBL::SaveRecord_Finish);
        ToastRecorder toasts;
        record.start();
        source.push(QByteArray(1024, '\0'));
        record.stop();
        QCOMPARE(saved.size(), 1);
        QCOMPARE(heard, QStringList{QStringLiteral("en_us")});
        QCOMPARE(record.record()->language, QStringLiteral("en"));
    }

    void subtitleLinesComeFromTheResults()
    {
        TestHome home;
        DeviceContext context; // no presenter settings: no translation line
        AudioRecordBL record(&context);
        QSignalSpy text(&record, &AudioRecordBL::text);
        QSignalSpy translated(&record, &AudioRecordBL::translatedText);
        record.resultHandle(AsrResult{"大家", "", false, false});
        record.resultHandle(AsrResult{"大家好。", "大家好。", true, false});
        QCOMPARE(text.size(), 2);
        QCOMPARE(text[1][0].toString(), QStringLiteral("大家好。"));
        QCOMPARE(record.record(), nullptr); // no recording started
        QCOMPARE(translated.size(), 0);
    }
};

QTEST_MAIN(TestAudioRecord)
#include "tst_audiorecord.moc"
