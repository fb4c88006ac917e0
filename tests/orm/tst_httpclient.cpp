#include "orm/data/AudioRecordVO.h"
#include "orm/http/ArrayInterceptor.h"
#include "orm/http/DataInterceptor.h"
#include "orm/http/DefaultHttpInterceptor.h"
#include "orm/http/HttpClient.h"
#include "orm/http/RawHttpInterceptor.h"
#include "logging/Logger.h"
#include "support/LoopbackHttpServer.h"

#include <QJsonArray>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

using namespace HttpRequest;
using Mode = LoopbackHttpServer::Mode;

namespace {
// What the callbacks of one request saw.
struct Outcome {
    int successes = 0;
    int failures = 0;
    int completions = 0;
    Response response;
    int code = 0;
    bool done() const { return completions > 0; }
};

void watch(DefaultHttpInterceptor *r, Outcome *o)
{
    r->success([o](const Response &resp) {
         ++o->successes;
         o->response = resp;
     })
        .fail([o](const Response &resp, int code) {
            ++o->failures;
            o->response = resp;
            o->code = code;
        })
        .complete([o] { ++o->completions; });
}
} // namespace

class TestHttpClient : public QObject
{
    Q_OBJECT
private slots:
    void envelope_data();
    void envelope();
    void transportFailures_data();
    void transportFailures();
    void refusedConnection();
    void notConfigured();
    void unsentRequestWithoutAddressSaysSoInTheLog();
    void deletedContextGetsNoCallback();
    void parametersReachTheServerIntact();
    void getPutsParametersInQuery();
    void jsonBodyAndBearerToken();
    void dataInterceptorMapsRecord();
    void arrayInterceptor_data();
    void arrayInterceptor();
    void rawInterceptorKeepsBody();
};

void TestHttpClient::envelope_data()
{
    QTest::addColumn<int>("httpStatus");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("success");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("msg");
    QTest::addColumn<QString>("data");

    QTest::newRow("ok, object data") << 200 << QByteArray(R"({"status":0,"msg":"ok","rc":"0","data":{"a":1}})")
                                     << true << 0 << "ok" << R"({"a":1})";
    QTest::newRow("ok, text data") << 200 << QByteArray(R"({"status":0,"msg":"","data":"AB12"})") << true << 0 << ""
                                   << "AB12";
    QTest::newRow("ok, number data") << 200 << QByteArray(R"({"status":0,"data":42})") << true << 0 << "" << "42";
    QTest::newRow("ok, no data") << 200 << QByteArray(R"({"status":0,"msg":"done"})") << true << 0 << "done" << "";
    QTest::newRow("refused by server") << 200 << QByteArray(R"({"status":1003,"msg":"验证码错误","rc":"E1003"})")
                                       << false << 1003 << "验证码错误" << "";
    QTest::newRow("html error page") << 200 << QByteArray("<html><body>502 Bad Gateway</body></html>") << false
                                     << int(Response::MalformedReply) << "服务器返回的数据无效" << "";
    QTest::newRow("truncated json") << 200 << QByteArray(R"({"status":0,"msg":"o)") << false
                                    << int(Response::MalformedReply) << "服务器返回的数据无效" << "";
    QTest::newRow("empty body") << 200 << QByteArray() << false << int(Response::MalformedReply)
                                << "服务器返回的数据无效" << "";
    QTest::newRow("array instead of object") << 200 << QByteArray("[1,2]") << false << int(Response::MalformedReply)
                                             << "服务器返回的数据无效" << "";
    QTest::newRow("status as text") << 200 << QByteArray(R"({"status":"0","msg":"ok"})") << false
                                    << int(Response::MalformedReply) << "服务器返回的数据无效" << "";
    QTest::newRow("status missing") << 200 << QByteArray(R"({"msg":"ok","data":1})") << false
                                    << int(Response::MalformedReply) << "服务器返回的数据无效" << "";
    QTest::newRow("fractional status") << 200 << QByteArray(R"({"status":0.5})") << false
                                       << int(Response::MalformedReply) << "服务器返回的数据无效" << "";
    QTest::newRow("http 500 html") << 500 << QByteArray("<h1>Internal Server Error</h1>") << false
                                   << int(Response::HttpError) << "服务器错误 (HTTP 500)" << "";
    QTest::newRow("http 500 claiming success") << 500 << QByteArray(R"({"status":0,"msg":"ok"})") << false
                                               << int(Response::HttpError) << "服务器错误 (HTTP 500)" << "";
    QTest::newRow("http 400 with envelope") << 400 << QByteArray(R"({"status":7,"msg":"参数错误"})") << false << 7
                                            << "参数错误" << "";
    QTest::newRow("http 404") << 404 << QByteArray("nope") << false << int(Response::HttpError)
                              << "服务器错误 (HTTP 404)" << "";
}

void TestHttpClient::envelope()
{
    QFETCH(int, httpStatus);
    QFETCH(QByteArray, body);
    QFETCH(bool, success);
    QFETCH(int, code);
    QFETCH(QString, msg);
    QFETCH(QString, data);

    LoopbackHttpServer server;
    server.setReply(QStringLiteral("/api"), LoopbackHttpServer::raw(httpStatus, body, "application/json"));
    Outcome o;
    watch(HttpClient(server.url(QStringLiteral("/api"))).post(new DefaultHttpInterceptor), &o);
    QTRY_VERIFY(o.done());
    QCOMPARE(o.completions, 1);
    QCOMPARE(o.successes, success ? 1 : 0);
    QCOMPARE(o.failures, success ? 0 : 1);
    QCOMPARE(o.response.status, code);
    QCOMPARE(o.response.msg, msg);
    if (success)
        QCOMPARE(o.response.data, data);
    else
        QCOMPARE(o.code, code);
    QCOMPARE(o.response.httpStatus, httpStatus);
}

void TestHttpClient::transportFailures_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("msgStart");
    QTest::newRow("connection closed without reply") << int(Mode::Close) << int(Response::NetworkError)
                                                     << "网络连接失败";
    QTest::newRow("body cut short") << int(Mode::Truncate) << int(Response::NetworkError) << "网络连接失败";
    QTest::newRow("no answer") << int(Mode::Hang) << int(Response::Timeout) << "请求超时";
}

void TestHttpClient::transportFailures()
{
    QFETCH(int, mode);
    QFETCH(int, code);
    QFETCH(QString, msgStart);
    LoopbackHttpServer server;
    auto reply = LoopbackHttpServer::envelope(0, QStringLiteral("fine"), QStringLiteral("x").repeated(2000));
    reply.mode = Mode(mode);
    server.setReply(QStringLiteral("/api"), reply);
    Outcome o;
    watch(HttpClient(server.url(QStringLiteral("/api"))).timeout(300).post(new DefaultHttpInterceptor), &o);
    QTRY_VERIFY(o.done());
    QCOMPARE(o.successes, 0);
    QCOMPARE(o.failures, 1);
    QCOMPARE(o.code, code);
    QVERIFY2(o.response.msg.startsWith(msgStart), qPrintable(o.response.msg));
}

void TestHttpClient::refusedConnection()
{
    quint16 port = 0;
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        port = probe.serverPort();
    }
    Outcome o;
    watch(HttpClient(QStringLiteral("http://127.0.0.1:%1/api").arg(port)).post(new DefaultHttpInterceptor), &o);
    QTRY_VERIFY(o.done());
    QCOMPARE(o.failures, 1);
    QCOMPARE(o.code, int(Response::NetworkError));
    QVERIFY(o.response.msg.startsWith(QStringLiteral("网络连接失败: ")));
}

void TestHttpClient::notConfigured()
{
    Outcome o;
    auto *r = HttpClient(QString()).configKey(QStringLiteral("/Server/ApiBaseUrl")).post(new DefaultHttpInterceptor);
    watch(r, &o); // set after sending: nothing has been called yet
    QCOMPARE(o.completions, 0);
    QTRY_VERIFY(o.done());
    QCOMPARE(o.failures, 1);
    QCOMPARE(o.code, int(Response::NotConfigured));
    QVERIFY(o.response.msg.contains(QStringLiteral("/Server/ApiBaseUrl")));

    for (const QString &bad : {QStringLiteral("ftp://127.0.0.1/x"), QStringLiteral("127.0.0.1/api"), QStringLiteral("http://")}) {
        Outcome b;
        watch(HttpClient(bad).post(new DefaultHttpInterceptor), &b);
        QTRY_VERIFY(b.done());
        QCOMPARE(b.failures, 1);
        QCOMPARE(b.code, int(Response::NotConfigured));
        QVERIFY2(b.response.msg.startsWith(QStringLiteral("服务器地址无效")), qPrintable(b.response.msg));
    }
}

void TestHttpClient::unsentRequestWithoutAddressSaysSoInTheLog()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    auto &logger = QsLogging::Logger::instance();
    const auto level = logger.loggingLevel();
    logger.setLoggingLevel(QsLogging::TraceLevel);
    logger.setFileDestination(dir.filePath(QStringLiteral("log.txt")), 1 << 20, 1);
    Outcome o;
    watch(HttpClient(QString()).configKey(QStringLiteral("/Server/ApiBaseUrl")).post(new DefaultHttpInterceptor), &o);
    QTRY_VERIFY(o.done());
    logger.flush();
    logger.setFileDestination(QString(), 0, 0);
    logger.setLoggingLevel(level);

    QFile file(dir.filePath(QStringLiteral("log.txt")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray log = file.readAll();
    QVERIFY2(log.contains("POST (no address) not sent:"), log.constData());
    QVERIFY(!log.contains("  not sent"));
}

void TestHttpClient::deletedContextGetsNoCallback()
{
    LoopbackHttpServer server;
    auto reply = LoopbackHttpServer::envelope(0, QStringLiteral("ok"));
    reply.mode = Mode::Slow;
    reply.chunkDelayMs = 100;
    reply.chunkSize = 4;
    server.setReply(QStringLiteral("/api"), reply);
    auto *page = new QObject;
    Outcome o;
    auto *r = HttpClient(server.url(QStringLiteral("/api"))).post(new DefaultHttpInterceptor);
    r->context(page);
    watch(r, &o);
    QVERIFY(server.waitForRequests(1));
    delete page;
    QTest::qWait(reply.body.size() / 4 * 100 + 300);
    QCOMPARE(o.successes + o.failures + o.completions, 0);

    // A living context gets its callbacks.
    QObject living;
    Outcome o2;
    server.setReply(QStringLiteral("/api"), LoopbackHttpServer::envelope(0, QStringLiteral("ok")));
    auto *r2 = HttpClient(server.url(QStringLiteral("/api"))).post(new DefaultHttpInterceptor);
    r2->context(&living);
    watch(r2, &o2);
    QTRY_VERIFY(o2.done());
    QCOMPARE(o2.successes, 1);
}

void TestHttpClient::parametersReachTheServerIntact()
{
    LoopbackHttpServer server;
    server.setEnvelope(QStringLiteral("/p"), 0, QString());
    const QString tricky = QStringLiteral("a+b &c=d%20 中文 /?#");
    Outcome o;
    watch(HttpClient(server.url(QStringLiteral("/p")))
              .param(QStringLiteral("password"), tricky)
              .param(QStringLiteral("empty"), QString())
              .post(new DefaultHttpInterceptor),
          &o);
    QTRY_VERIFY(o.done());
    const auto req = server.last(QStringLiteral("/p"));
    QCOMPARE(req.method, QByteArray("POST"));
    QVERIFY(req.headers.value("content-type").startsWith("application/x-www-form-urlencoded"));
    QCOMPARE(req.param(QStringLiteral("password")), tricky);
    QVERIFY(req.hasParam(QStringLiteral("empty")));
    QVERIFY(req.query.isEmpty()); // secrets never travel in the address
}

void TestHttpClient::getPutsParametersInQuery()
{
    LoopbackHttpServer server;
    server.setEnvelope(QStringLiteral("/g"), 0, QString());
    Outcome o;
    watch(HttpClient(server.url(QStringLiteral("/g?fixed=1"))).param(QStringLiteral("q"), QStringLiteral("x y+z")).get(new DefaultHttpInterceptor), &o);
    QTRY_VERIFY(o.done());
    const auto req = server.last(QStringLiteral("/g"));
    QCOMPARE(req.method, QByteArray("GET"));
    QCOMPARE(req.query.queryItemValue(QStringLiteral("fixed")), QStringLiteral("1"));
    QCOMPARE(QUrl::fromPercentEncoding(req.query.queryItemValue(QStringLiteral("q"), QUrl::FullyEncoded).toUtf8()),
             QStringLiteral("x y+z"));
}

void TestHttpClient::jsonBodyAndBearerToken()
{
    LoopbackHttpServer server;
    server.setEnvelope(QStringLiteral("/j"), 0, QString());
    Outcome o;
    watch(HttpClient(server.url(QStringLiteral("/j")))
              .json(QJsonObject{{QStringLiteral("id"), 5}, {QStringLiteral("t"), QStringLiteral("文本")}})
              .param(QStringLiteral("v"), QStringLiteral("2"))
              .bearerToken(QStringLiteral("tok123"))
              .post(new DefaultHttpInterceptor),
          &o);
    QTRY_VERIFY(o.done());
    const auto req = server.last(QStringLiteral("/j"));
    QVERIFY(req.headers.value("content-type").startsWith("application/json"));
    QCOMPARE(req.json().value(QStringLiteral("t")).toString(), QStringLiteral("文本"));
    QCOMPARE(req.json().value(QStringLiteral("id")).toInt(), 5);
    QCOMPARE(req.query.queryItemValue(QStringLiteral("v")), QStringLiteral("2"));
    QCOMPARE(req.headers.value("authorization"), QByteArray("Bearer tok123"));
}

void TestHttpClient::dataInterceptorMapsRecord()
{
    LoopbackHttpServer server;
    const QJsonObject rec{{QStringLiteral("id"), 12}, {QStringLiteral("content"), QStringLiteral("你好")},
                          {QStringLiteral("createTime"), 1700000000000.0}};
    server.setEnvelope(QStringLiteral("/obj"), 0, QString(), rec);
    server.setEnvelope(QStringLiteral("/objtext"), 0, QString(),
                       QString::fromUtf8(QJsonDocument(rec).toJson(QJsonDocument::Compact)));
    server.setEnvelope(QStringLiteral("/notobj"), 0, QString(), QJsonArray{1});

    for (const QString &path : {QStringLiteral("/obj"), QStringLiteral("/objtext")}) {
        AudioRecordVO got;
        bool done = false;
        HttpClient(server.url(path))
            .post(new DataInterceptor<AudioRecordVO>)
            ->success([&](const Response &, const AudioRecordVO &r) { got = r; })
            .complete([&] { done = true; });
        QTRY_VERIFY(done);
        QCOMPARE(got.id, 12);
        QCOMPARE(got.content, QStringLiteral("你好"));
        QCOMPARE(got.createTime, Q_INT64_C(1700000000000));
    }
    int code = 0;
    bool succeeded = false;
    HttpClient(server.url(QStringLiteral("/notobj")))
        .post(new DataInterceptor<AudioRecordVO>)
        ->success([&](const Response &, const AudioRecordVO &) { succeeded = true; })
        .fail([&](const Response &, int c) { code = c; });
    QTRY_VERIFY(code != 0);
    QCOMPARE(code, int(Response::MalformedReply));
    QVERIFY(!succeeded);
}

void TestHttpClient::arrayInterceptor_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("count"); // -1: failure
    QTest::newRow("two records") << QByteArray(R"({"status":0,"data":[{"id":1},{"id":2}]})") << 2;
    QTest::newRow("empty array") << QByteArray(R"({"status":0,"data":[]})") << 0;
    QTest::newRow("null data") << QByteArray(R"({"status":0,"data":null})") << 0;
    QTest::newRow("no data") << QByteArray(R"({"status":0})") << 0;
    QTest::newRow("array as text") << QByteArray(R"({"status":0,"data":"[{\"id\":3}]"})") << 1;
    QTest::newRow("object instead of array") << QByteArray(R"({"status":0,"data":{"id":1}})") << -1;
    QTest::newRow("numbers in array") << QByteArray(R"({"status":0,"data":[1,2]})") << -1;
    QTest::newRow("refused") << QByteArray(R"({"status":2,"msg":"no"})") << -1;
}

void TestHttpClient::arrayInterceptor()
{
    QFETCH(QByteArray, body);
    QFETCH(int, count);
    LoopbackHttpServer server;
    server.setReply(QStringLiteral("/list"), LoopbackHttpServer::raw(200, body, "application/json"));
    int got = -2;
    int code = 0;
    bool done = false;
    HttpClient(server.url(QStringLiteral("/list")))
        .post(new ArrayInterceptor<AudioRecordVO>)
        ->success([&](const Response &, const QVector<AudioRecordVO> &list) { got = list.size(); })
        .fail([&](const Response &, int c) {
            got = -1;
            code = c;
        })
        .complete([&] { done = true; });
    QTRY_VERIFY(done);
    QCOMPARE(got, count);
    if (count < 0)
        QVERIFY(code != 0);
}

void TestHttpClient::rawInterceptorKeepsBody()
{
    LoopbackHttpServer server;
    server.setReply(QStringLiteral("/raw"), LoopbackHttpServer::raw(200, "<xml/>", "text/xml"));
    QByteArray body;
    int http = 0;
    bool done = false;
    HttpClient(server.url(QStringLiteral("/raw")))
        .get(new RawHttpInterceptor)
        ->success([&](const QByteArray &b, int s) {
            body = b;
            http = s;
        })
        .complete([&] { done = true; });
    QTRY_VERIFY(done);
    QCOMPARE(body, QByteArray("<xml/>"));
    QCOMPARE(http, 200);
}

QTEST_MAIN(TestHttpClient)
#include "tst_httpclient.moc"
