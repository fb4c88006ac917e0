#include "logic/businessLogic/workflow/device/AudioModule.h"
#include "logic/businessLogic/workflow/device/MicrophoneVolumeTest.h"
#include "logic/businessLogic/workflow/device/PcAudioDevice.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <memory>
#include <optional>

namespace {

// A sound input whose start answers as told and that hands out blocks on request.
class ScriptedCapture : public AudioCapture
{
public:
    StartResult answer = Started;
    PcmFormat real = PcmFormat::speech();
    PcmFormat asked;
    bool nearestAllowed = false;
    int stops = 0;
    Data data;
    Stopped stopped;

    QString deviceName() const override { return QStringLiteral("scripted"); }
    StartResult start(const PcmFormat &requested, bool nearest, int, Data onData, Stopped onStopped, PcmFormat *actual,
                      QString *detail) override
    {
        asked = requested;
        nearestAllowed = nearest;
        if (answer != Started) {
            *detail = QStringLiteral("scripted refusal");
            return answer;
        }
        data = std::move(onData);
        stopped = std::move(onStopped);
        *actual = real;
        return Started;
    }
    void stop() override
    {
        ++stops;
        data = nullptr;
    }
};

class ScriptedModule : public AudioModule
{
public:
    ScriptedCapture *next = nullptr; // handed to the next createCapture, then owned by its caller
    QString lastInput;
    int listed = 0;

    QStringList inputNames() override
    {
        ++listed;
        return {QStringLiteral("a"), QStringLiteral("b")};
    }
    AudioCapture *createCapture(const QString &inputName) override
    {
        lastInput = inputName;
        ScriptedCapture *capture = next ? next : new ScriptedCapture;
        next = nullptr;
        return capture;
    }
    AudioPlayback *createPlayback() override { return nullptr; }
};

} // namespace

// The program's sources on top of the audio module: what each outcome of the module tells the
// user, and the blocks that reach the level meter.
class TestAudioModule : public QObject
{
    Q_OBJECT

    ScriptedModule m_module;
    // The test's own HOME: ALSA reads its .asoundrc from there.
    QTemporaryDir m_home;

private slots:
    void initTestCase()
    {
        // Sound without a sound card: an input that gives silence, and a default output that
        // writes what it plays to a file.
        QFile config(m_home.filePath(QStringLiteral(".asoundrc")));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write(QStringLiteral("pcm.vellobox_mic {\n  type null\n"
                                    "  hint { show on description \"Silent test input\" }\n}\n"
                                    "pcm.vellobox_speaker {\n  type file\n  slave.pcm \"null\"\n"
                                    "  file \"%1\"\n  format \"raw\"\n}\n"
                                    "pcm.!default {\n  type plug\n  slave.pcm \"vellobox_speaker\"\n}\n")
                         .arg(m_home.filePath(QStringLiteral("played.raw")))
                         .toUtf8());
        config.close();
        qputenv("HOME", m_home.path().toLocal8Bit());
        // A sound server of the desktop the tests run on would take the default output.
        qputenv("PULSE_SERVER", QByteArray("unix:") + m_home.filePath(QStringLiteral("no-server")).toLocal8Bit());
    }

    void init() { AudioModule::setInstance(&m_module); }
    void cleanup() { AudioModule::setInstance(nullptr); }

    void theMicrophoneSaysWhyItCannotStart_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("message");
        QTest::newRow("no input") << int(AudioCapture::NoDevice) << QStringLiteral("没有可用的麦克风");
        QTest::newRow("no 16 kHz") << int(AudioCapture::FormatUnsupported) << QStringLiteral("没有可用的麦克风");
        QTest::newRow("busy") << int(AudioCapture::OpenFailed) << QStringLiteral("麦克风无法打开");
    }

    void theMicrophoneSaysWhyItCannotStart()
    {
        QFETCH(int, answer);
        QFETCH(QString, message);
        for (bool levelTest : {false, true}) {
            auto *capture = new ScriptedCapture;
            capture->answer = AudioCapture::StartResult(answer);
            m_module.next = capture;
            std::unique_ptr<IAudioDevice> source(levelTest ? static_cast<IAudioDevice *>(new MicrophoneVolumeTest("b"))
                                                           : new PcAudioDevice);
            QSignalSpy failed(source.get(), &IAudioDevice::failed);
            QVERIFY(!source->start());
            QVERIFY(!source->isRunning());
            QCOMPARE(failed.size(), 1);
            QCOMPARE(failed[0][0].toString(), message);
        }
    }

    // Speech needs 16 kHz itself; the level meter takes the nearest format and converts.
    void speechAsksForItsFormatTheMeterTakesTheNearest()
    {
        auto *speech = new ScriptedCapture;
        m_module.next = speech;
        PcAudioDevice microphone;
        QVERIFY(microphone.start());
        QCOMPARE(m_module.lastInput, QString());
        QVERIFY(speech->asked.isSpeech());
        QVERIFY(!speech->nearestAllowed);

        auto *meter = new ScriptedCapture;
        meter->real.sampleRate = 48000;
        meter->real.channels = 2;
        m_module.next = meter;
        MicrophoneVolumeTest test(QStringLiteral("b"));
        QSignalSpy blocks(&test, &IAudioDevice::handleData);
        QVERIFY(test.start());
        QCOMPARE(m_module.lastInput, QStringLiteral("b"));
        QVERIFY(meter->nearestAllowed);
        // Two stereo frames: only the first channel reaches the meter.
        const char frames[] = {0x10, 0x00, 0x7f, 0x7f, 0x20, 0x00, 0x7f, 0x7f};
        meter->data(frames, sizeof frames);
        QCOMPARE(blocks.size(), 1);
        const QByteArray pcm = blocks[0][0].toByteArray();
        QCOMPARE(pcm.size(), 4);
        QCOMPARE(qFromLittleEndian<qint16>(pcm.constData()), qint16(0x10));
        QCOMPARE(qFromLittleEndian<qint16>(pcm.constData() + 2), qint16(0x20));
    }

    // An input that goes away while capturing stops the source and says so, once.
    void anInputPulledOutStopsTheSource()
    {
        auto *capture = new ScriptedCapture;
        m_module.next = capture;
        PcAudioDevice microphone;
        QSignalSpy failed(&microphone, &IAudioDevice::failed);
        QSignalSpy running(&microphone, &IAudioDevice::deviceStateChanged);
        QVERIFY(microphone.start());
        capture->stopped(QStringLiteral("unplugged"));
        QVERIFY(!microphone.isRunning());
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed[0][0].toString(), QStringLiteral("麦克风无法打开"));
        QCOMPARE(running.size(), 2);
        QCOMPARE(running[1][0].toBool(), false);
        microphone.stop();
        QCOMPARE(running.size(), 2);
    }

    // The real module: it loads, and whatever sound this machine has, a capture starts or says why.
    void theRealModuleLoads()
    {
        AudioModule::setInstance(nullptr);
        AudioModule *module = AudioModule::instance();
        QVERIFY2(module, qPrintable(AudioModule::modulePath()));
        QVERIFY(module != &m_module);
        const QStringList names = module->inputNames();
        QStringList sorted = names;
        sorted.sort();
        sorted.removeDuplicates();
        QCOMPARE(names, sorted);
        MicrophoneVolumeTest capture{QStringLiteral("no such input")};
        QSignalSpy failed(&capture, &IAudioDevice::failed);
        QVERIFY(!capture.start());
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed[0][0].toString(), QStringLiteral("没有可用的麦克风"));
    }

    // Through Qt's own sound backend, as a machine set up by the project's scripts has it.
    void aRealInputAndOutputOpenThroughQtsPlugin()
    {
        AudioModule::setInstance(nullptr);
        AudioModule *module = AudioModule::instance();
        QVERIFY(module);
        const QStringList inputs = module->inputNames();
        QVERIFY2(inputs.contains(QStringLiteral("vellobox_mic")), qPrintable(inputs.join(QStringLiteral(", "))));

        std::unique_ptr<AudioCapture> capture(module->createCapture(QStringLiteral("vellobox_mic")));
        qint64 captured = 0;
        PcmFormat actual;
        QString detail;
        const auto started = capture->start(
            PcmFormat::speech(), false, 0, [&captured](const char *, qint64 len) { captured += len; },
            [](const QString &) {}, &actual, &detail);
        QVERIFY2(started == AudioCapture::Started, qPrintable(detail));
        QCOMPARE(actual, PcmFormat::speech());
        QTRY_VERIFY_WITH_TIMEOUT(captured > 0, 5000);
        capture->stop();

        std::unique_ptr<AudioPlayback> playback(module->createPlayback());
        std::optional<AudioPlayback::End> end;
        const QByteArray tone(16000, '\x11'); // half a second of speech-format sound
        playback->playPcm(tone, PcmFormat::speech(), [&end](AudioPlayback::End how) { end = how; });
        QTRY_VERIFY_WITH_TIMEOUT(end.has_value(), 10000);
        QCOMPARE(int(*end), int(AudioPlayback::Played));
        QFile played(m_home.filePath(QStringLiteral("played.raw")));
        QVERIFY(played.open(QIODevice::ReadOnly));
        QVERIFY(played.readAll().contains(QByteArray(64, '\x11')));
    }
};

QTEST_MAIN(TestAudioModule)
#include "tst_audiomodule.moc"
