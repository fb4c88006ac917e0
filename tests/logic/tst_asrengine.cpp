#include "config/Configurations.h"
#include "config/MouseSetting.h"
#include "device/DeviceContext.h"
#include "logic/businessLogic/AsrEngine/AsrEngineHelper.h"
#include "logic/businessLogic/AsrEngine/TransferAsrEngine.h"
#include "logic/businessLogic/AsrEngine/XfIatAsrEngine.h"
#include "logic/businessLogic/FunctionImpl.h"
#include "logic/businessLogic/workflow/WorkNode.h"
#include "logic/businessLogic/workflow/device/AudioDeviceFactory.h"
#include "logic/businessLogic/workflow/device/DeviceAudioDevice.h"
#include "logic/businessLogic/workflow/device/InjectedAudioDevice.h"
#include "logic/businessLogic/workflow/typing/TypeImp.h"
#include "logic/businessLogic/workflow/voicesearch/SearchImp.h"
#include "support/TestHome.h"
#include "support/ToastRecorder.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageAuthenticationCode>
#include <QSignalSpy>
#include <QUrlQuery>
#include <QWebSocket>
#include <QWebSocketServer>
#include <QtTest>
#include <memory>

// A web socket server on 127.0.0.1 that records every session and answers through a script.
class SpeechServer : public QObject
{
    Q_OBJECT
public:
    struct Session {
        QUrl url;
        QStringList texts;
        QList<QByteArray> chunks;
        QList<qint64> chunkTimes;
        QWebSocket *socket = nullptr;
    };
    std::function<void(Session &, const QString &)> onText;

    SpeechServer() : m_server(QStringLiteral("test"), QWebSocketServer::NonSecureMode)
    {
        m_clock.start();
        connect(&m_server, &QWebSocketServer::newConnection, this, [this] {
            while (QWebSocket *socket = m_server.nextPendingConnection()) {
                socket->setParent(this);
                auto session = std::make_shared<Session>();
                session->url = socket->requestUrl();
                session->socket = socket;
                sessions.append(session);
                connect(socket, &QWebSocket::textMessageReceived, this, [this, session](const QString &m) {
                    session->texts << m;
                    if (onText)
                        onText(*session, m);
                });
                connect(socket, &QWebSocket::binaryMessageReceived, this, [this, session](const QByteArray &m) {
                    session->chunks << m;
                    session->chunkTimes << m_clock.elapsed();
                });
            }
        });
    }
    bool listen() { return m_server.listen(QHostAddress::LocalHost, 0); }
    QString url(const QString &path = QString()) const
    {
        return QStringLiteral("ws://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
    }
    static void send(Session &s, const QJsonObject &o)
    {
        s.socket->sendTextMessage(QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)));
    }
    QList<std::shared_ptr<Session>> sessions;

private:
    QWebSocketServer m_server;
    QElapsedTimer m_clock;
};

namespace {
QJsonObject json(const QString &text)
{
    return QJsonDocument::fromJson(text.toUtf8()).object();
}
// Speech goes through the transfer server, played by the given one.
void useTransfer(const SpeechServer &server)
{
    Configurations::instance().setValue("/Transfer/Enable", true);
    Configurations::instance().setValue("/Transfer/Url", server.url());
}

QList<AsrResult> results(const QSignalSpy &spy)
{
    QList<AsrResult> out;
    for (const auto &args : spy)
        out << args[0].value<AsrResult>();
    return out;
}
} // namespace

class TestAsrEngine : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { registerAsrMetaTypes(); }
    void cleanup()
    {
        AudioDeviceFactory::setOverride({});
        WorkNode::setEngineFactory({});
    }

    void engineIsChosenByConfiguration()
    {
        TestHome home;
        MouseSetting setting;
        auto &config = Configurations::instance();
        std::unique_ptr<IAsrEngine> engine(AsrEngineHelper::createEngine(&setting));
        QVERIFY(qobject_cast<XfIatAsrEngine *>(engine.get()));
        QVERIFY(!engine->name().isEmpty());
        config.setValue("/Asr/EngineType", "aiui");
        QCOMPARE(AsrEngineHelper::configuredType(), AsrEngine_Aiui);
        config.setValue("/Transfer/Enable", true);
        engine.reset(AsrEngineHelper::createEngine(&setting));
        QVERIFY(qobject_cast<TransferAsrEngine *>(engine.get()));
        QCOMPARE(AsrEngineHelper::splitLanguage("zh_cn,cantonese"), qMakePair(QString("zh_cn"), QString("cantonese")));
        QCOMPARE(AsrEngineHelper::splitLanguage("zh_cn"), qMakePair(QString("zh_cn"), QString("mandarin")));
        QCOMPARE(AsrEngineHelper::splitLanguage("en_us"), qMakePair(QString("en_us"), QString()));
    }

    void unconfiguredEnginesFailClearly_data()
    {
        QTest::addColumn<QString>("engineType");
        QTest::addColumn<bool>("transfer");
        QTest::addColumn<QString>("message");
        QTest::newRow("transfer without address") << "" << true << "语音中转服务未配置";
        QTest::newRow("iat without account") << "xf" << false << "讯飞语音听写未配置";
        QTest::newRow("aiui") << "aiui" << false << "AIUI语音识别未配置";
    }
    void unconfiguredEnginesFailClearly()
    {
        QFETCH(QString, engineType);
        QFETCH(bool, transfer);
        QFETCH(QString, message);
        TestHome home;
        Configurations::instance().setValue("/Asr/EngineType", engineType);
        Configurations::instance().setValue("/Transfer/Enable", transfer);
        std::unique_ptr<IAsrEngine> engine(AsrEngineHelper::createEngine(nullptr));
        QSignalSpy error(engine.get(), &IAsrEngine::error);
        engine->start();
        QCOMPARE(error.size(), 1);
        QCOMPARE(error[0][1].toString(), message);
        engine->sendData(QByteArray(100, 'x'));
        engine->finish(); // harmless after the failure
    }

    void transferEngineStreamsChunksAndResults()
    {
        TestHome home;
        SpeechServer server;
        QVERIFY(server.listen());
        Configurations::instance().setValue("/Transfer/Url", server.url("/asr"));
        server.onText = [](SpeechServer::Session &s, const QString &m) {
            const QString type = json(m).value("type").toString();
            if (type == "start") {
                SpeechServer::send(s, {{"type", "result"}, {"text", "你"}, {"final", false}});
            } else if (type == "end") {
                SpeechServer::send(s, {{"type", "result"}, {"text", "你好。"}, {"final", true}});
                SpeechServer::send(s, {{"type", "finished"}});
            }
        };
        TransferAsrEngine engine("zh_cn", "mandarin");
        QSignalSpy result(&engine, &IAsrEngine::handleResult);
        QSignalSpy states(&engine, &IAsrEngine::stateChange);
        QByteArray audio;
        for (int i = 0; i < 5000; ++i)
            audio.append(char(i % 251));
        engine.start();
        engine.sendData(audio);
        engine.finish();
        QTRY_VERIFY_WITH_TIMEOUT(result.size() >= 3, 5000);

        QCOMPARE(server.sessions.size(), 1);
        const auto &session = *server.sessions[0];
        const QJsonObject start = json(session.texts.value(0));
        QCOMPARE(start.value("type").toString(), QStringLiteral("start"));
        QCOMPARE(start.value("rate").toInt(), 16000);
        QCOMPARE(start.value("language").toString(), QStringLiteral("zh_cn"));
        QCOMPARE(start.value("accent").toString(), QStringLiteral("mandarin"));
        QCOMPARE(json(session.texts.last()).value("type").toString(), QStringLiteral("end"));
        // 1280-byte chunks, about 40 ms apart, in order.
        QCOMPARE(session.chunks.size(), 4);
        QCOMPARE(session.chunks[0].size(), 1280);
        QCOMPARE(session.chunks[3].size(), 5000 - 3 * 1280);
        QCOMPARE(session.chunks[0] + session.chunks[1] + session.chunks[2] + session.chunks[3], audio);
        // Receipt times cluster when the test process stalls, so check the whole span: three
        // 40 ms steps cannot arrive much sooner than 120 ms after the first chunk was sent.
        QVERIFY2(session.chunkTimes.last() - session.chunkTimes.first() >= 80, "chunks came too close");

        const auto r = results(result);
        QCOMPARE(r.size(), 3);
        QCOMPARE(r[0].text, QStringLiteral("你"));
        QVERIFY(!r[0].isFinish);
        QCOMPARE(r[1].text, QStringLiteral("你好。"));
        QVERIFY(r[1].isFinish && !r[1].isCorrectFinish);
        QVERIFY(r[2].isFinish && r[2].isCorrectFinish);
        QCOMPARE(r[2].finishText, QStringLiteral("你好。"));
        QCOMPARE(states.last().value(0).value<AsrEngineState>(), Disconnected);
        QCOMPARE(engine.state(), Disconnected);
    }

    void longSpeechContinuesInANewSession()
    {
        TestHome home;
        SpeechServer server;
        QVERIFY(server.listen());
        Configurations::instance().setValue("/Transfer/Url", server.url());
        server.onText = [&server](SpeechServer::Session &s, const QString &m) {
            if (json(m).value("type").toString() == "end") {
                const int n = server.sessions.size();
                SpeechServer::send(s, {{"type", "result"}, {"text", QStringLiteral("段%1").arg(n)}, {"final", true}});
                SpeechServer::send(s, {{"type", "finished"}});
            }
        };
        TransferAsrEngine engine("zh_cn", "mandarin");
        engine.setTimings(10, 150, 2000);
        QSignalSpy result(&engine, &IAsrEngine::handleResult);
        engine.start();
        QByteArray sent;
        QTimer feeder;
        int blocks = 0;
        connect(&feeder, &QTimer::timeout, this, [&] {
            QByteArray block(320, char('a' + blocks % 26));
            sent += block;
            engine.sendData(block);
            if (++blocks == 50) {
                feeder.stop();
                engine.finish();
            }
        });
        feeder.start(10);
        QTRY_VERIFY_WITH_TIMEOUT(!result.isEmpty() && results(result).last().isCorrectFinish, 10000);

        QVERIFY2(server.sessions.size() >= 2, "no new session after the session limit");
        QByteArray received;
        for (const auto &s : server.sessions) {
            for (const QByteArray &c : s->chunks)
                received += c;
            QCOMPARE(json(s->texts.first()).value("type").toString(), QStringLiteral("start"));
            QCOMPARE(json(s->texts.last()).value("type").toString(), QStringLiteral("end"));
        }
        QCOMPARE(received, sent); // nothing lost or reordered across sessions
        const auto r = results(result);
        int rolled = 0;
        for (const AsrResult &x : r)
            rolled += x.isFinish && !x.isCorrectFinish ? 1 : 0;
        QVERIFY(rolled >= 1);
        QCOMPARE(engine.sessionCount(), server.sessions.size());
    }

    void serverErrorEndsTheRun()
    {
        TestHome home;
        SpeechServer server;
        QVERIFY(server.listen());
        Configurations::instance().setValue("/Transfer/Url", server.url());
        server.onText = [](SpeechServer::Session &s, const QString &) {
            SpeechServer::send(s, {{"type", "error"}, {"code", 7}, {"message", "quota exceeded"}});
        };
        TransferAsrEngine engine("en_us", "");
        QSignalSpy error(&engine, &IAsrEngine::error);
        engine.start();
        QTRY_COMPARE(error.size(), 1);
        QCOMPARE(error[0][0].toInt(), 7);
        QCOMPARE(error[0][1].toString(), QStringLiteral("quota exceeded"));
        QCOMPARE(engine.state(), Disconnected);
    }

    void engineFailureWithoutTextStillTellsTheUser()
    {
        TestHome home;
        SpeechServer server;
        QVERIFY(server.listen());
        useTransfer(server);
        server.onText = [](SpeechServer::Session &s, const QString &) {
            SpeechServer::send(s, {{"type", "error"}, {"code", 9}});
        };
        InjectedAudioDevice source;
        AudioDeviceFactory::setOverride([&](DeviceContext *) { return &source; });
        MouseSetting setting;
        DeviceContext context;
        context.setting = &setting;
        WorkNode node(&context);
        QSignalSpy failed(&node, &WorkNode::failed);
        ToastRecorder toasts;
        node.start();
        QTRY_COMPARE(failed.size(), 1);
        QVERIFY(!failed[0][0].toString().isEmpty());
        QCOMPARE(toasts.entries.size(), 1);
        QCOMPARE(toasts.entries.at(0).type, 2);
        QCOMPARE(toasts.entries.at(0).text, failed[0][0].toString());
        QTRY_VERIFY(!node.isActive());
    }

    void rfc1123Date()
    {
        const QDateTime t(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::UTC);
        QCOMPARE(XfIatAsrEngine::rfc1123(t), QStringLiteral("Fri, 02 Jan 2026 03:04:05 GMT"));
    }

    void iatEngineSignsItsUrlAndFollowsCorrections()
    {
        TestHome home;
        SpeechServer server;
        QVERIFY(server.listen());
        auto &config = Configurations::instance();
        config.setValue("/Xf/IatUrl", server.url("/v2/iat"));
        config.setValue("/Xf/AppId", "appid1");
        config.setValue("/Xf/ApiKey", "key1");
        config.setValue("/Xf/ApiSecret", "secret1");
        server.onText = [](SpeechServer::Session &s, const QString &m) {
            const int status = json(m).value("data").toObject().value("status").toInt();
            auto result = [](int sn, const QString &w, const QString &pgs, QJsonArray rg) {
                QJsonObject r{{"sn", sn}, {"pgs", pgs}, {"ws", QJsonArray{QJsonObject{{"cw", QJsonArray{QJsonObject{{"w", w}}}}}}}};
                if (!rg.isEmpty())
                    r.insert("rg", rg);
                return r;
            };
            if (status == 0) {
                SpeechServer::send(s, {{"code", 0}, {"data", QJsonObject{{"status", 1}, {"result", result(1, "今天", "apd", {})}}}});
                SpeechServer::send(s, {{"code", 0}, {"data", QJsonObject{{"status", 1}, {"result", result(2, "今天天气", "rpl", {1, 1})}}}});
            } else if (status == 2) {
                SpeechServer::send(s, {{"code", 0}, {"data", QJsonObject{{"status", 2}, {"result", result(3, "好", "apd", {})}}}});
            }
        };
        XfIatAsrEngine engine("zh_cn", "mandarin");
        QSignalSpy result(&engine, &IAsrEngine::handleResult);
        engine.start();
        engine.sendData(QByteArray(2000, '\x02'));
        engine.finish();
        QTRY_VERIFY_WITH_TIMEOUT(!result.isEmpty() && results(result).last().isCorrectFinish, 5000);

        // The server checks the signature as the service does.
        const auto &session = *server.sessions.value(0);
        const QUrlQuery query(session.url);
        const QString date = query.queryItemValue("date", QUrl::FullyDecoded);
        QCOMPARE(query.queryItemValue("host", QUrl::FullyDecoded), QStringLiteral("127.0.0.1"));
        QVERIFY(date.endsWith(QLatin1String(" GMT")));
        const QString authorization = QString::fromUtf8(
            QByteArray::fromBase64(query.queryItemValue("authorization", QUrl::FullyDecoded).toLatin1()));
        const QByteArray expected = QMessageAuthenticationCode::hash(
                                        QStringLiteral("host: 127.0.0.1\ndate: %1\nGET /v2/iat HTTP/1.1").arg(date).toUtf8(),
                                        "secret1", QCryptographicHash::Sha256)
                                        .toBase64();
        QCOMPARE(authorization, QStringLiteral("api_key=\"key1\", algorithm=\"hmac-sha256\", headers=\"host date "
                                               "request-line\", signature=\"%1\"")
                                    .arg(QString::fromLatin1(expected)));

        // Frames: parameters with the first, status 0, 1 ..., then 2 with no audio.
        const QJsonObject first = json(session.texts.value(0));
        QCOMPARE(first.value("common").toObject().value("app_id").toString(), QStringLiteral("appid1"));
        QCOMPARE(first.value("business").toObject().value("dwa").toString(), QStringLiteral("wpgs"));
        QCOMPARE(first.value("data").toObject().value("status").toInt(), 0);
        QCOMPARE(QByteArray::fromBase64(first.value("data").toObject().value("audio").toString().toLatin1()).size(), 1280);
        QCOMPARE(json(session.texts.value(1)).value("data").toObject().value("status").toInt(), 1);
        QVERIFY(!json(session.texts.value(1)).contains("business"));
        const QJsonObject last = json(session.texts.last()).value("data").toObject();
        QCOMPARE(last.value("status").toInt(), 2);
        QVERIFY(last.value("audio").toString().isEmpty());

        const auto r = results(result);
        QCOMPARE(r.size(), 3);
        QCOMPARE(r[0].text, QStringLiteral("今天"));
        QCOMPARE(r[1].text, QStringLiteral("今天天气")); // replaced, not appended
        QCOMPARE(r[2].text, QStringLiteral("今天天气好"));
        QVERIFY(r[2].isCorrectFinish);
    }

    void lateFinalIsTypedThroughTheWholeChain()
    {
        TestHome home;
        SpeechServer server;
        QVERIFY(server.listen());
        useTransfer(server);
        server.onText = [](SpeechServer::Session &s, const QString &m) {
            const QString type = json(m).value("type").toString();
            if (type == "start") {
                SpeechServer::send(s, {{"type", "result"}, {"text", "打开"}, {"final", false}});
            } else if (type == "end") {
                // The final sentence only comes after the end marker, a little later.
                QTimer::singleShot(100, s.socket, [&s] {
                    SpeechServer::send(s, {{"type", "result"}, {"text", "打开文档。"}, {"final", true}});
                    SpeechServer::send(s, {{"type", "finished"}});
                });
            }
        };
        InjectedAudioDevice source;
        AudioDeviceFactory::setOverride([&](DeviceContext *) { return &source; });
        MouseSetting setting;
        DeviceContext context;
        context.setting = &setting;
        WorkNode node(&context);
        TypeImp typing;
        node.link(&typing);
        QSignalSpy typed(&typing, &TypeImp::typingSignal);
        QSignalSpy hidden(&typing, &TypeImp::hideTip);
        QSignalSpy finished(&node, &WorkNode::runFinished);

        node.start();
        QVERIFY(source.isRunning());
        source.push(QByteArray(3200, '\x03'));
        QTRY_COMPARE(typed.size(), 1);
        node.stopLater(50);
        QTRY_VERIFY(!source.isRunning());
        QVERIFY(node.isActive()); // waiting for the final sentence
        QTRY_COMPARE(finished.size(), 1);
        QCOMPARE(typed.size(), 2);
        QCOMPARE(typed[1], (QVariantList{"打开文档。", "打开"}));
        QCOMPARE(hidden.size(), 1);
        QVERIFY(!node.isActive());
        QCOMPARE(server.sessions.value(0)->chunks.size(), 3);
    }
    void hubPressAndReleaseDriveTheRun_data()
    {
        QTest::addColumn<bool>("pushToTalk");
        QTest::newRow("push to talk") << true;
        QTest::newRow("hands free") << false;
    }
    void hubPressAndReleaseDriveTheRun()
    {
        QFETCH(bool, pushToTalk);
        TestHome home;
        SpeechServer server;
        QVERIFY(server.listen());
        useTransfer(server);
        server.onText = [](SpeechServer::Session &s, const QString &m) {
            if (json(m).value("type").toString() == "end")
                SpeechServer::send(s, {{"type", "finished"}});
        };
        InjectedAudioDevice source;
        AudioDeviceFactory::setOverride([&](DeviceContext *) { return &source; });
        MouseSetting setting;
        setting.asr_enablePtt = pushToTalk;
        DeviceContext context;
        context.setting = &setting;
        FunctionImpl hub(nullptr, &context);
        QSignalSpy finished(hub.speechNode(), &WorkNode::runFinished);

        hub.invokeFunction(Action_VoiceTyping, Flag_Press, QString());
        QVERIFY(source.isRunning());
        hub.invokeFunction(Action_VoiceTyping, Flag_Release, QString());
        // A quick second press within the trailing 500 ms keeps the same run going.
        hub.invokeFunction(Action_VoiceTyping, Flag_Press, QString());
        QTest::qWait(700);
        if (pushToTalk) {
            QVERIFY(source.isRunning()); // pressed again: still listening
            QCOMPARE(source.startCount(), 1);
            hub.invokeFunction(Action_VoiceTyping, Flag_Release, QString());
        } else {
            QVERIFY(!source.isRunning()); // the second press ended the hands-free run
        }
        QTRY_VERIFY(!source.isRunning());
        QTRY_COMPARE(finished.size(), 1);
        QCOMPARE(server.sessions.size(), 1);

        // Voice search takes over from typing: the typing run gives way.
        hub.invokeFunction(Action_VoiceTyping, Flag_Press, QString());
        hub.invokeFunction(Action_VoiceSearch, Flag_Press, QString());
        QCOMPARE(hub.speechNode()->linked(), static_cast<IWorkHandle *>(hub.searchImp()));
        QCOMPARE(finished.size(), 2);
        hub.shutdown({});
        QVERIFY(!source.isRunning());
    }

    void deviceAudioIsPassedOnInBlocks()
    {
        DeviceAudioDevice device;
        QSignalSpy data(&device, &IAudioDevice::handleData);
        device.feed(QByteArray(500, 'a')); // not running: dropped
        QVERIFY(device.start());
        device.feed(QByteArray(700, 'b'));
        QCOMPARE(data.size(), 0);
        device.feed(QByteArray(1400, 'c'));
        QCOMPARE(data.size(), 2);
        QCOMPARE(data[0][0].toByteArray(), QByteArray(700, 'b') + QByteArray(324, 'c'));
        QCOMPARE(data[1][0].toByteArray().size(), DeviceAudioDevice::BlockBytes);
        device.stop(); // the tail still counts
        QCOMPARE(data.size(), 3);
        QCOMPARE(data[2][0].toByteArray(), QByteArray(2100 - 2048, 'c'));
    }
};

QTEST_MAIN(TestAsrEngine)
#include "tst_asrengine.moc"
