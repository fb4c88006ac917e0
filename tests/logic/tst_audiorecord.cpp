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

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtEndian>
#include <QSignalSpy>
#include <QtTest>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
int g_syncError = 0; // what the next syncs of files fail with; 0: they pass
QStringList g_synced; // the files synced so far

constexpr int kSecond = 16000 * 2; // bytes of a second of 16 kHz 16-bit mono

QByteArray block(int index)
{
    QByteArray pcm(1024, '\0');
    for (int j = 0; j < pcm.size(); j += 2)
        pcm[j] = char((index + j) & 0x7f);
    return pcm;
}

// A presenter whose recordings hear what the test pushes into source.
struct RecordingPresenter
{
    InjectedAudioDevice source;
    PointerSetting setting;
    DeviceContext context;

    RecordingPresenter()
    {
        AudioDeviceFactory::setOverride([this](DeviceContext *) { return &source; });
        context.setting = &setting;
    }
};

// A recording killed while it runs: this executable run with "--record-child <program folder>
// <bytes>" records that many bytes, prints "recorded <path>" and waits to be killed.
int runRecordChild(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    qputenv("VELLOBOX_HOME", argv[2]);
    RecordingPresenter presenter;
    AudioRecordBL record(&presenter.context);
    record.start();
    const int bytes = QByteArray(argv[3]).toInt();
    for (int at = 0; at < bytes; at += 1024)
        presenter.source.push(block(at / 1024));
    std::printf("recorded %s\n", QFile::encodeName(record.filePath()).constData());
    std::fflush(stdout);
    for (;;)
        ::pause();
}
} // namespace

// Every fsync of this process passes here: a file's can be made to fail as a quota, a network
// share or a full copy-on-write file system fail it.
extern "C" int fsync(int fd)
{
    static const auto real = reinterpret_cast<int (*)(int)>(::dlsym(RTLD_NEXT, "fsync"));
    struct stat info;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        char path[PATH_MAX] = {};
        const QByteArray link = "/proc/self/fd/" + QByteArray::number(fd);
        if (::readlink(link.constData(), path, sizeof path - 1) > 0)
            g_synced << QFile::decodeName(path);
        if (g_syncError) {
            errno = g_syncError;
            return -1;
        }
    }
    return real(fd);
}

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
        RecordingPresenter presenter;
        auto &[source, setting, context] = presenter;
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
        RecordingPresenter presenter;
        auto &[source, setting, context] = presenter;
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

    void aRecordingCutByAKillIsAPlayableWavMissingAtMostItsLastSecond()
    {
        TestHome home;
        const int recorded = 5 * kSecond / 2;
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {"--record-child", home.path(), QString::number(recorded)});
        QVERIFY(child.waitForStarted());
        QVERIFY(child.waitForReadyRead(20000));
        const QByteArray line = child.readLine().trimmed();
        QVERIFY2(line.startsWith("recorded "), line.constData());
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished(10000));

        QFile wav(QFile::decodeName(line.mid(9)));
        QVERIFY(wav.open(QIODevice::ReadOnly));
        const QByteArray bytes = wav.readAll();
        PcmFormat format;
        QByteArray data;
        QVERIFY(Wav::parse(bytes, &format, &data));
        QVERIFY(format.isSpeech());
        QVERIFY2(data.size() >= recorded - kSecond, QByteArray::number(data.size()).constData());
        QByteArray pcm;
        for (int at = 0; at < recorded; at += 1024)
            pcm += block(at / 1024);
        QCOMPARE(data, pcm.left(data.size()));
    }

    void aRecordingIsReportedSavedOnlyOnceItIsOnTheDisk_data()
    {
        QTest::addColumn<int>("syncError");
        QTest::newRow("the disk takes it") << 0;
        QTest::newRow("a quota refuses it") << EDQUOT;
        QTest::newRow("the disk fails") << EIO;
    }

    void aRecordingIsReportedSavedOnlyOnceItIsOnTheDisk()
    {
        QFETCH(int, syncError);
        TestHome home;
        RecordingPresenter presenter;
        auto &[source, setting, context] = presenter;
        AudioRecordBL record(&context);
        ToastRecorder toasts;
        QStringList syncedWhenReported;
        connect(&record, &AudioRecordBL::SaveRecord_Finish, this, [&] { syncedWhenReported = g_synced; });
        QSignalSpy saved(&record, &AudioRecordBL::SaveRecord_Finish);
        record.start();
        QByteArray pcm;
        for (int i = 0; i < 8; ++i) {
            pcm += block(i);
            source.push(block(i));
        }
        const int toastsBefore = toasts.entries.size();
        g_synced.clear();
        g_syncError = syncError;
        record.stop();
        g_syncError = 0;

        QCOMPARE(saved.size(), 1);
        QVERIFY(syncedWhenReported.contains(record.filePath()));
        const QString reason = QString::fromLocal8Bit(std::strerror(syncError));
        if (syncError == 0) {
            QCOMPARE(saved[0][1].toInt(), 0);
            QCOMPARE(toasts.entries.size(), toastsBefore);
        } else {
            // A failure, with its real reason, told to the user.
            QCOMPARE(saved[0][1].toInt(), -1);
            QVERIFY2(saved[0][2].toString().contains(reason), qPrintable(saved[0][2].toString()));
            QCOMPARE(toasts.entries.size(), toastsBefore + 1);
            QCOMPARE(toasts.entries.last().type, 2);
            QCOMPARE(toasts.entries.last().text, saved[0][2].toString());
        }
        // What is on the disk is kept.
        QFile wav(record.filePath());
        QVERIFY(wav.open(QIODevice::ReadOnly));
        PcmFormat format;
        QByteArray data;
        QVERIFY(Wav::parse(wav.readAll(), &format, &data));
        QCOMPARE(data, pcm);
    }

    void recordingsAreTheUsersAlone()
    {
        TestHome home;
        const mode_t previous = ::umask(022);
        const auto restore = qScopeGuard([previous] { ::umask(previous); });
        RecordingPresenter presenter;
        auto &[source, setting, context] = presenter;
        const auto mode = [](const QString &path) {
            struct stat info;
            return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 0777) : -1;
        };
        for (int round = 0; round < 2; ++round) {
            AudioRecordBL record(&context);
            QSignalSpy saved(&record, &AudioRecordBL::SaveRecord_Finish);
            record.start();
            source.push(block(round));
            record.stop();
            QCOMPARE(saved.size(), 1);
            QCOMPARE(mode(record.filePath()), 0600);
            QCOMPARE(mode(AudioRecordBL::recordFolder()), 0700);
            // A folder made wider meanwhile, by hand or by an earlier version, is made private.
            QVERIFY(::chmod(QFile::encodeName(AudioRecordBL::recordFolder()).constData(), 0755) == 0);
            QTest::qWait(2); // the next recording's name is another millisecond's
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

int main(int argc, char **argv)
{
    if (argc == 4 && qstrcmp(argv[1], "--record-child") == 0)
        return runRecordChild(argc, argv);
    QApplication app(argc, argv);
    TestAudioRecord test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_audiorecord.moc"
