#include "config/Configurations.h"
#include "orm/client/ApiClient.h"
#include "support/LoopbackHttpServer.h"
#include "support/TestHome.h"

#include <QDateTime>
#include <QJsonArray>
#include <QtTest>
#include <memory>

using namespace HttpRequest;

class TestApiClient : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void recordsList();
    void deleteOneAndSeveral_data();
    void deleteOneAndSeveral();
    void deleteFailureCarriesServerMessage();
    void shareKey();
    void saveRecordPostsJson();
    void userInfo();
    void missingBaseAddress();
    void baseAddressChangeTakesEffect();
    void sharePageUrl_data();
    void sharePageUrl();
    void displayFields_data();
    void displayFields();

private:
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<LoopbackHttpServer> m_server;
};

void TestApiClient::init()
{
    m_home = std::make_unique<TestHome>();
    m_server = std::make_unique<LoopbackHttpServer>();
    Configurations::instance().setValue(QStringLiteral("/Server/ApiBaseUrl"), m_server->url(QStringLiteral("/v1")));
}

void TestApiClient::cleanup()
{
    m_server.reset();
    m_home.reset();
}

void TestApiClient::recordsList()
{
    const QJsonArray list{
        QJsonObject{{"id", 12}, {"filepath", "/r/a.wav"}, {"attr1", "https://b.example/a.wav?Expires=1"},
                    {"content", "第一条"}, {"translatedText", "first"}, {"createTime", 1700000000000.0}, {"duration", 65}},
        QJsonObject{{"id", 15}, {"content", "second"}, {"createTime", 1700000100000.0}, {"unknownKey", "kept out"}},
    };
    m_server->setEnvelope(QStringLiteral("/v1/getRecords.json"), 0, QStringLiteral("ok"), list);
    QVector<AudioRecordVO> got;
    Response resp;
    bool done = false;
    ApiClient::instance()
        .getRecords(QStringLiteral("77"))
        ->success([&](const Response &r, const QVector<AudioRecordVO> &records) {
            resp = r;
            got = records;
        })
        .complete([&] { done = true; });
    QTRY_VERIFY(done);
    QCOMPARE(m_server->last(QStringLiteral("/v1/getRecords.json")).param(QStringLiteral("userid")), QStringLiteral("77"));
    QCOMPARE(resp.msg, QStringLiteral("ok"));
    QCOMPARE(got.size(), 2);
    QCOMPARE(got[0].id, 12);
    QCOMPARE(got[0].filepath, QStringLiteral("/r/a.wav"));
    QCOMPARE(got[0].attr1, QStringLiteral("https://b.example/a.wav?Expires=1"));
    QCOMPARE(got[0].content, QStringLiteral("第一条"));
    QCOMPARE(got[0].translatedText, QStringLiteral("first"));
    QCOMPARE(got[0].duration, 65);
    QCOMPARE(got[1].id, 15);
    QCOMPARE(got[1].createTime, Q_INT64_C(1700000100000));
}

void TestApiClient::deleteOneAndSeveral_data()
{
    QTest::addColumn<QString>("ids");
    QTest::addColumn<bool>("single");
    QTest::newRow("one") << "42" << true;
    QTest::newRow("several") << "12|15|20" << false;
}

void TestApiClient::deleteOneAndSeveral()
{
    QFETCH(QString, ids);
    QFETCH(bool, single);
    m_server->setEnvelope(QStringLiteral("/v1/deleteRecord"), 0, QStringLiteral("deleted"));
    int successes = 0;
    DefaultHttpInterceptor *r = single ? ApiClient::instance().deleteRecord(ids.toLongLong())
                                       : ApiClient::instance().deleteRecords(ids);
    r->success([&](const Response &resp) {
        QCOMPARE(resp.msg, QStringLiteral("deleted"));
        ++successes;
    });
    QTRY_COMPARE(successes, 1);
    QCOMPARE(m_server->last(QStringLiteral("/v1/deleteRecord")).param(QStringLiteral("id")), ids);
}

void TestApiClient::deleteFailureCarriesServerMessage()
{
    m_server->setEnvelope(QStringLiteral("/v1/deleteRecord"), 5, QStringLiteral("记录不存在"), QJsonValue(), QStringLiteral("E404"));
    Response resp;
    int code = 0;
    ApiClient::instance().deleteRecord(3)->fail([&](const Response &r, int c) {
        resp = r;
        code = c;
    });
    QTRY_VERIFY(code != 0);
    QCOMPARE(code, 5);
    QCOMPARE(resp.status, 5);
    QCOMPARE(resp.msg, QStringLiteral("记录不存在"));
    QCOMPARE(resp.rc, QStringLiteral("E404"));
}

void TestApiClient::shareKey()
{
    m_server->setEnvelope(QStringLiteral("/v1/generateRecordShareKey"), 0, QString(), QStringLiteral("SHR-8f3a"));
    QString code;
    ApiClient::instance().generateRecordShareKey(99)->success([&](const Response &r) { code = r.data; });
    QTRY_COMPARE(code, QStringLiteral("SHR-8f3a"));
    QCOMPARE(m_server->last(QStringLiteral("/v1/generateRecordShareKey")).param(QStringLiteral("id")), QStringLiteral("99"));
}

void TestApiClient::saveRecordPostsJson()
{
    AudioRecordVO rec;
    rec.id = 21;
    rec.attr1 = QStringLiteral("https://bucket.example/x.wav?Expires=2000000000&Signature=abc%2B");
    rec.content = QStringLiteral("内容");
    rec.createTime = 1700000000000;
    QJsonObject echoed = rec.toJson();
    echoed.insert(QStringLiteral("content"), QStringLiteral("saved"));
    m_server->setEnvelope(QStringLiteral("/v1/editiorSaveRecord"), 0, QString(), echoed);
    AudioRecordVO saved;
    bool done = false;
    ApiClient::instance()
        .editiorSaveRecord(&rec)
        ->success([&](const Response &, const AudioRecordVO &r) { saved = r; })
        .complete([&] { done = true; });
    QTRY_VERIFY(done);
    const auto req = m_server->last(QStringLiteral("/v1/editiorSaveRecord"));
    QVERIFY(req.headers.value("content-type").startsWith("application/json"));
    const QJsonObject sent = req.json();
    QCOMPARE(sent.value(QStringLiteral("id")).toInt(), 21);
    QCOMPARE(sent.value(QStringLiteral("attr1")).toString(), rec.attr1);
    QCOMPARE(sent.value(QStringLiteral("content")).toString(), QStringLiteral("内容"));
    QCOMPARE(saved.id, 21);
    QCOMPARE(saved.content, QStringLiteral("saved"));
}

void TestApiClient::userInfo()
{
    m_server->setEnvelope(QStringLiteral("/v1/getUserInfo"), 0, QString(),
                          QJsonObject{{"id", 5}, {"name", "用户五"}, {"phone", "13800138000"}});
    UserVO user;
    ApiClient::instance().getUserInfo(5)->success([&](const Response &, const UserVO &u) { user = u; });
    QTRY_COMPARE(user.id, 5);
    QCOMPARE(user.name, QStringLiteral("用户五"));
}

void TestApiClient::missingBaseAddress()
{
    Configurations::instance().setValue(QStringLiteral("/Server/ApiBaseUrl"), QString());
    Response resp;
    int code = 0;
    bool succeeded = false;
    ApiClient::instance()
        .getRecords(QStringLiteral("1"))
        ->success([&](const Response &, const QVector<AudioRecordVO> &) { succeeded = true; })
        .fail([&](const Response &r, int c) {
            resp = r;
            code = c;
        });
    QTRY_VERIFY(code != 0);
    QVERIFY(!succeeded);
    QCOMPARE(code, int(Response::NotConfigured));
    QCOMPARE(resp.msg, QStringLiteral("服务器地址未配置 (/Server/ApiBaseUrl)"));
    QCOMPARE(m_server->requests.size(), 0);
}

void TestApiClient::baseAddressChangeTakesEffect()
{
    LoopbackHttpServer other;
    other.setEnvelope(QStringLiteral("/deleteRecord"), 0, QString());
    Configurations::instance().setValue(QStringLiteral("/Server/ApiBaseUrl"), other.baseUrl() + QStringLiteral("///"));
    bool ok = false;
    ApiClient::instance().deleteRecord(1)->success([&](const Response &) { ok = true; });
    QTRY_VERIFY(ok);
    QCOMPARE(other.count(QStringLiteral("/deleteRecord")), 1);
}

void TestApiClient::sharePageUrl_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("url");
    QTest::newRow("https base, default port") << "https://api.example.com/app/v2" << "AB12"
                                              << "http://api.example.com/record-share/index.html?code=AB12";
    QTest::newRow("explicit port") << "http://127.0.0.1:8081/api" << "x y&z"
                                   << "http://127.0.0.1:8081/record-share/index.html?code=x%20y%26z";
    QTest::newRow("not configured") << "" << "AB12" << "";
}

void TestApiClient::sharePageUrl()
{
    QFETCH(QString, base);
    QFETCH(QString, code);
    QFETCH(QString, url);
    Configurations::instance().setValue(QStringLiteral("/Server/ApiBaseUrl"), base);
    QCOMPARE(ApiClient::instance().recordSharePageUrl(code), url);
}

void TestApiClient::displayFields_data()
{
    QTest::addColumn<qint64>("duration");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << qint64(0) << "0秒";
    QTest::newRow("seconds") << qint64(59) << "59秒";
    QTest::newRow("minute") << qint64(60) << "1分";
    QTest::newRow("minutes and seconds") << qint64(125) << "2分5秒";
    QTest::newRow("hour") << qint64(3600) << "1小时";
    QTest::newRow("all") << qint64(3725) << "1小时2分5秒";
    QTest::newRow("hour and seconds") << qint64(3605) << "1小时5秒";
    QTest::newRow("negative") << qint64(-5) << "0秒";
}

void TestApiClient::displayFields()
{
    QFETCH(qint64, duration);
    QFETCH(QString, text);
    QVector<AudioRecordVO> records(2);
    records[0].duration = duration;
    const QDateTime when(QDate(2024, 3, 5), QTime(7, 8, 9));
    records[0].createTime = when.toMSecsSinceEpoch();
    AudioRecordVO::fillDisplayFields(records);
    QCOMPARE(records[0].durationStr, text);
    QCOMPARE(records[0].createTimeStr, QStringLiteral("2024-03-05 07:08:09"));
    QCOMPARE(records[1].createTimeStr, QString()); // no time known
}

QTEST_MAIN(TestApiClient)
#include "tst_apiclient.moc"
