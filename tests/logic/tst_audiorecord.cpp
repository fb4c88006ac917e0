#include "config/Configurations.h"
#include "config/PointerSetting.h"
#include "device/DeviceContext.h"
#include "logic/businessLogic/AsrEngine/UnavailableAsrEngine.h"
#include "logic/businessLogic/AudioRecordBL.h"
#include "logic/businessLogic/workflow/WorkNode.h"
#include "logic/businessLogic/workflow/device/AudioDeviceFactory.h"
#include "logic/businessLogic/workflow/device/InjectedAudioDevice.h"
#include "logic/businessLogic/workflow/device/Wav.h"
#include "support/FullDisk.h"
#include "support/TestHome.h"
#include "support/ToastRecorder.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
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
        QVERIFY(record.filePath().startsWith(home.file("record/")));

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

    void aRecordingOnAFullDiskKeepsWhatWasRecordedAsAWav_data()
    {
        QTest::addColumn<int>("fillAfter"); // bytes recorded before no byte more fits; -1: never
        QTest::addColumn<int>("recorded");
        // Saving must not need room for a second copy of the recording.
        QTest::newRow("600 KiB with 1 MiB free") << -1 << 600 * 1024;
        QTest::newRow("the disk fills while recording") << 64 * 1024 << 256 * 1024;
    }

    void aRecordingOnAFullDiskKeepsWhatWasRecordedAsAWav()
    {
        QFETCH(int, fillAfter);
        QFETCH(int, recorded);
        TestHome home;
        const QString folder = AudioRecordBL::recordFolder();
        QVERIFY(QDir().mkpath(folder));
        FullDisk disk(folder);
        if (fillAfter < 0 && !disk.isTmpfs())
            QSKIP("a small file system needs a tmpfs mount");
        InjectedAudioDevice source;
        AudioDeviceFactory::setOverride([&](DeviceContext *) { return &source; });
        PointerSetting setting;
        DeviceContext context;
        context.setting = &setting;
        AudioRecordBL record(&context);
        QSignalSpy saved(&record, &AudioRecordBL::SaveRecord_Finish);
        ToastRecorder toasts;

        record.start();
        QVERIFY(record.isRecording());
        const int toastsAtStart = toasts.entries.size();
        QByteArray pcm;
        bool told = false;
        for (int at = 0; at < recorded; at += 1024) {
            if (at == fillAfter)
                disk.fill();
            QByteArray block(1024, '\0');
            for (int j = 0; j < block.size(); j += 2)
                block[j] = char((at / 1024 + j) & 0x7f);
            pcm += block;
            source.push(block);
            // Told with the block that did not fit, not when the recording ends.
            told = told || toasts.entries.size() > toastsAtStart;
            if (fillAfter < 0 || at < fillAfter)
                QVERIFY(!told);
        }
        QCOMPARE(told, fillAfter >= 0);
        QCOMPARE(toasts.entries.size(), toastsAtStart + (told ? 1 : 0));
        if (told)
            QCOMPARE(toasts.entries.last().type, 2);
        // A file-size limit refuses even rewriting bytes already there, which a full disk allows.
        if (!disk.isTmpfs())
            disk.free();
        record.stop();

        QCOMPARE(saved.size(), 1);
        QCOMPARE(saved[0][1].toInt(), 0);
        const QString wavPath = saved[0][2].toString();
        QCOMPARE(saved[0][0].value<AudioRecordVO *>()->filepath, wavPath);
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QFileInfo(wavPath).fileName()});
        QFile wav(wavPath);
        QVERIFY(wav.open(QIODevice::ReadOnly));
        const QByteArray bytes = wav.readAll();
        QVERIFY(bytes.size() > 44);
        QCOMPARE(qFromLittleEndian<quint32>(bytes.constData() + 4), quint32(bytes.size() - 8));
        QCOMPARE(bytes.mid(36, 4), QByteArray("data"));
        QCOMPARE(qFromLittleEndian<quint32>(bytes.constData() + 40), quint32(bytes.size() - 44));
        PcmFormat format;
        QByteArray data;
        QVERIFY(Wav::parse(bytes, &format, &data));
        QVERIFY(format.isSpeech());
        QCOMPARE(data.size() % 2, 0); // whole samples only
        if (fillAfter < 0) {
            QCOMPARE(data, pcm);
        } else {
            QVERIFY(data.size() >= fillAfter);
            QVERIFY(data.size() < pcm.size());
            QCOMPARE(data, pcm.left(data.size()));
        }
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
