#include "config/Configurations.h"
#include "config/language/Languages.h"
#include "logic/businessLogic/workflow/device/PcAudioDevice.h"
#include "logic/businessLogic/workflow/device/Wav.h"
#include "logic/client/BaiduClient.h"
#include "logic/client/TtsClient.h"
#include "support/LoopbackHttpServer.h"
#include "support/LoopbackTranslation.h"
#include "support/TestHome.h"
#include "support/ToastRecorder.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>

class TestTranslationClients : public QObject
{
    Q_OBJECT

    void configureBaidu(const LoopbackHttpServer &server)
    {
        LoopbackTranslation::configure(server, QStringLiteral("2015063000000001"), QStringLiteral("12345678"));
    }

private slots:
    void signatureOfTheDocumentedExample()
    {
        QCOMPARE(BaiduClient::sign("2015063000000001", "apple", "1435660288", "12345678"),
                 QStringLiteral("f89f9594663708c1605f3d736d01d2d4"));
    }

    void translateSendsASignedFormAndJoinsTheLines()
    {
        TestHome home;
        LoopbackHttpServer server;
        configureBaidu(server);
        server.setReply("/api/trans/vip/translate",
                        LoopbackHttpServer::raw(200,
                                                R"({"from":"zh","to":"en","trans_result":[{"src":"a","dst":"Hello & bye"},)"
                                                R"({"src":"b","dst":"Line 2"}]})",
                                                "application/json"));
        BaiduClient client;
        QString result, from, to;
        const QString text = QStringLiteral("你好 & 再见 + 1%\n第二行");
        client.translate(text, "auto", "en", [&](const QString &r, const QString &f, const QString &t) {
            result = r;
            from = f;
            to = t;
        });
        QTRY_COMPARE(result, QStringLiteral("Hello & bye\nLine 2"));
        QCOMPARE(from, QStringLiteral("zh"));
        QCOMPARE(to, QStringLiteral("en"));

        QCOMPARE(server.requests.size(), 1);
        const auto &request = server.requests[0];
        QCOMPARE(request.method, QByteArray("POST"));
        QCOMPARE(request.path, QStringLiteral("/api/trans/vip/translate"));
        QVERIFY(request.headers.value("content-type").startsWith("application/x-www-form-urlencoded"));
        QCOMPARE(request.param("q"), text);
        QCOMPARE(request.param("from"), QStringLiteral("auto"));
        QCOMPARE(request.param("to"), QStringLiteral("en"));
        QCOMPARE(request.param("appid"), QStringLiteral("2015063000000001"));
        QVERIFY(!request.param("salt").isEmpty());
        QCOMPARE(request.param("sign"), BaiduClient::sign("2015063000000001", text, request.param("salt"), "12345678"));
        QVERIFY(!request.body.contains("12345678")); // the secret never travels
    }

    void failuresAreReportedByTheClient_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("service error") << 200 << QByteArray(R"({"error_code":"54001","error_msg":"Invalid Sign"})");
        QTest::newRow("numeric error") << 200 << QByteArray(R"({"error_code":52003,"error_msg":"UNAUTHORIZED USER"})");
        QTest::newRow("http error") << 500 << QByteArray("oops");
        QTest::newRow("empty result") << 200 << QByteArray(R"({"from":"en","to":"zh","trans_result":[]})");
    }
    void failuresAreReportedByTheClient()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        TestHome home;
        LoopbackHttpServer server;
        configureBaidu(server);
        server.setReply("/api/trans/vip/translate", LoopbackHttpServer::raw(status, body, "application/json"));
        ToastRecorder toasts;
        BaiduClient client;
        QSignalSpy failed(&client, &BaiduClient::failed);
        bool done = false;
        QString failure;
        client.translate("x", "auto", "zh", [&](const QString &, const QString &, const QString &) { done = true; },
                         nullptr, [&](const QString &message) {
                             failure = message;
                             return true;
                         });
        QTRY_COMPARE(failed.size(), 1);
        QVERIFY(!done);
        QVERIFY(!failure.isEmpty());
        QCOMPARE(toasts.entries.size(), 1);
        QCOMPARE(toasts.entries[0].type, 2);
        if (body.contains("54001"))
            QVERIFY(failure.contains("54001"));
    }

    void aFailureIsToldInTheProgramsOwnWords_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("told");
        QTest::newRow("connection closed") << int(LoopbackHttpServer::Mode::Close) << 200 << QByteArray()
                                           << QStringLiteral("翻译失败：无法连接翻译服务");
        QTest::newRow("http error") << int(LoopbackHttpServer::Mode::Normal) << 500 << QByteArray("oops")
                                    << QStringLiteral("翻译失败：服务器错误 (HTTP 500)");
        QTest::newRow("http error with the server's message")
            << int(LoopbackHttpServer::Mode::Normal) << 503 << QByteArray(R"({"error_msg":"服务繁忙"})")
            << QStringLiteral("翻译失败：服务繁忙");
    }
    void aFailureIsToldInTheProgramsOwnWords()
    {
        QFETCH(int, mode);
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QString, told);
        TestHome home;
        LoopbackHttpServer server;
        configureBaidu(server);
        LoopbackHttpServer::Reply reply = LoopbackHttpServer::raw(status, body, "application/json");
        reply.mode = LoopbackHttpServer::Mode(mode);
        server.setReply("/api/trans/vip/translate", reply);
        ToastRecorder toasts;
        BaiduClient client;
        client.translate("x", "auto", "zh", [](const QString &, const QString &, const QString &) { QFAIL("no result"); });
        QTRY_COMPARE(toasts.texts(), QStringList{told});
    }

    void notConfiguredSendsNothing()
    {
        TestHome home;
        ToastRecorder toasts;
        BaiduClient client;
        QSignalSpy failed(&client, &BaiduClient::failed);
        client.translate("x", "auto", "zh", [](const QString &, const QString &, const QString &) { QFAIL("no result"); });
        QCOMPARE(failed.size(), 1);
        QCOMPARE(toasts.texts().value(0), QStringLiteral("翻译失败：百度翻译未配置"));
    }

    void answerForADeletedCallerIsDropped()
    {
        TestHome home;
        LoopbackHttpServer server;
        configureBaidu(server);
        server.setReply("/api/trans/vip/translate",
                        LoopbackHttpServer::raw(200, R"({"trans_result":[{"dst":"ok"}]})", "application/json"));
        BaiduClient client;
        bool called = false;
        auto *page = new QObject;
        client.translate("x", "auto", "zh", [&](const QString &, const QString &, const QString &) { called = true; }, page);
        delete page;
        QTRY_COMPARE(server.requests.size(), 1);
        QTest::qWait(100);
        QVERIFY(!called);
    }

    void wavHeaderRoundTrip()
    {
        const QByteArray pcm(3200, '\x05');
        const QByteArray file = Wav::header(PcAudioDevice::pcmFormat(), quint32(pcm.size())) + pcm;
        QCOMPARE(file.size(), 44 + pcm.size());
        PcmFormat format;
        QByteArray data;
        QVERIFY(Wav::parse(file, &format, &data));
        QCOMPARE(format.sampleRate, 16000);
        QCOMPARE(format.channels, 1);
        QCOMPARE(format.sampleBits, 16);
        QCOMPARE(data, pcm);
        QVERIFY(!Wav::parse("ID3 not a wave file", &format, &data));
    }

    void ttsFetchesTheSpokenTextAndAlwaysCallsBack()
    {
        TestHome home;
        LoopbackHttpServer server;
        Configurations::instance().setValue("/Server/TtsUrl", server.url("/tts"));
        const QByteArray pcm(1600, '\0'); // 50 ms of silence
        server.setReply("/tts", LoopbackHttpServer::raw(200, Wav::header(PcAudioDevice::pcmFormat(), pcm.size()) + pcm,
                                                        "audio/wav"));
        const auto *english = Languages::instance().find(Languages::SpeechSynthesis, "en");
        QVERIFY(english);
        int calls = 0;
        playTranslateTts(QStringLiteral("Hello world"), english, [&] { ++calls; });
        // Played on a sound card, or reported when the machine has none: either way it ends.
        QTRY_COMPARE_WITH_TIMEOUT(calls, 1, 10000);
        const QJsonObject body = QJsonDocument::fromJson(server.requests.value(0).body).object();
        QCOMPARE(body.value("text").toString(), QStringLiteral("Hello world"));
        QCOMPARE(body.value("language").toString(), QStringLiteral("en"));
        QCOMPARE(server.requests[0].path, QStringLiteral("/tts"));
    }

    void ttsFailuresCallBackWithAToast()
    {
        TestHome home;
        ToastRecorder toasts;
        bool played = true;
        int calls = 0;
        TtsClient tts;
        tts.play("x", Languages::instance().find(Languages::SpeechSynthesis, "en"), [&](bool ok) {
            played = ok;
            ++calls;
        });
        QCOMPARE(calls, 1); // not configured
        QVERIFY(!played);
        QCOMPARE(toasts.entries.size(), 1);

        LoopbackHttpServer server;
        Configurations::instance().setValue("/Server/TtsUrl", server.url("/tts"));
        server.setReply("/tts", LoopbackHttpServer::raw(503, "busy"));
        tts.play("x", Languages::instance().find(Languages::SpeechSynthesis, "en"), [&](bool ok) {
            played = ok;
            ++calls;
        });
        QTRY_COMPARE(calls, 2);
        QVERIFY(!played);
    }
};

QTEST_MAIN(TestTranslationClients)
#include "tst_translationclients.moc"
