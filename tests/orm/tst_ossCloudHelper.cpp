#include "config/Configurations.h"
#include "logic/common/OssCloudHelper.h"
#include "orm/http/RawHttpInterceptor.h"
#include "support/LoopbackHttpServer.h"
#include "support/TestHome.h"

#include <QMessageAuthenticationCode>
#include <QtTest>

using namespace HttpRequest;

class TestOssCloudHelper : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void presignedUrlMatchesReference();
    void ipEndpointUsesPathStyle();
    void missingSetting_data();
    void missingSetting();
    void uploadSignsThePut();
    void uploadOfUnreadableFileFails();

private:
    void configure(const QString &endpoint);
    std::unique_ptr<TestHome> m_home;
};

void TestOssCloudHelper::init()
{
    // The previous folder goes first: each folder puts back the environment it found.
    m_home.reset();
    m_home = std::make_unique<TestHome>();
}

void TestOssCloudHelper::configure(const QString &endpoint)
{
    auto &c = Configurations::instance();
    c.setValue(QStringLiteral("/Oss/Endpoint"), endpoint);
    c.setValue(QStringLiteral("/Oss/Bucket"), QStringLiteral("vb-records"));
    c.setValue(QStringLiteral("/Oss/AccessKeyId"), QStringLiteral("LTAItestid"));
    c.setValue(QStringLiteral("/Oss/AccessKeySecret"), QStringLiteral("Te5tSecret/Key"));
}

void TestOssCloudHelper::presignedUrlMatchesReference()
{
    configure(QStringLiteral("https://oss-cn-test.example.com"));
    // Signature computed outside the program:
    //   printf 'GET\n\n\n1767225600\n/vb-records/rec/2026/录音 1.wav' |
    //     openssl dgst -sha1 -hmac 'Te5tSecret/Key' -binary | base64
    const QString expected = QStringLiteral(
        "https://vb-records.oss-cn-test.example.com/rec/2026/%E5%BD%95%E9%9F%B3%201.wav"
        "?OSSAccessKeyId=LTAItestid&Expires=1767225600&Signature=lKJRtVJHWk5T%2BTrRCNihXKi%2Bvec%3D");
    QCOMPARE(OssCloudHelper::generatePresignedUrl(QStringLiteral("rec/2026/录音 1.wav"), 1767225600), expected);
    // Without a scheme the endpoint is reached over https.
    configure(QStringLiteral("oss-cn-test.example.com"));
    QCOMPARE(OssCloudHelper::generatePresignedUrl(QStringLiteral("rec/2026/录音 1.wav"), 1767225600), expected);
}

void TestOssCloudHelper::ipEndpointUsesPathStyle()
{
    configure(QStringLiteral("http://127.0.0.1:9000"));
    const QString url = OssCloudHelper::generatePresignedUrl(QStringLiteral("a.wav"), 100);
    QVERIFY2(url.startsWith(QStringLiteral("http://127.0.0.1:9000/vb-records/a.wav?OSSAccessKeyId=LTAItestid&Expires=100&Signature=")),
             qPrintable(url));
}

void TestOssCloudHelper::missingSetting_data()
{
    QTest::addColumn<QString>("key");
    for (const char *k : {"/Oss/Endpoint", "/Oss/Bucket", "/Oss/AccessKeyId", "/Oss/AccessKeySecret"})
        QTest::newRow(k) << QString::fromLatin1(k);
}

void TestOssCloudHelper::missingSetting()
{
    QFETCH(QString, key);
    configure(QStringLiteral("https://oss.example.com"));
    Configurations::instance().setValue(key, QString());
    QString error;
    QCOMPARE(OssCloudHelper::generatePresignedUrl(QStringLiteral("a.wav"), 100, &error), QString());
    QVERIFY2(error.contains(key), qPrintable(error));

    Response resp;
    int code = 0;
    OssCloudHelper::uploadFile(QStringLiteral("a.wav"), QStringLiteral("/nonexistent"))->fail([&](const Response &r, int c) {
        resp = r;
        code = c;
    });
    QTRY_VERIFY(code != 0);
    QVERIFY(resp.msg.contains(key));
}

void TestOssCloudHelper::uploadSignsThePut()
{
    LoopbackHttpServer store;
    store.setReply(QStringLiteral("/vb-records/rec/a.wav"), LoopbackHttpServer::raw(200, QByteArray()));
    configure(store.baseUrl());
    const QString file = m_home->file(QStringLiteral("a.wav"));
    m_home->write(QStringLiteral("a.wav"), QByteArray("RIFF\0\0\0\0WAVE", 12));
    bool ok = false;
    OssCloudHelper::uploadFile(QStringLiteral("rec/a.wav"), file, "audio/wav")->success([&](const QByteArray &, int) { ok = true; });
    QTRY_VERIFY(ok);
    const auto req = store.last(QStringLiteral("/vb-records/rec/a.wav"));
    QCOMPARE(req.method, QByteArray("PUT"));
    QCOMPARE(req.body, QByteArray("RIFF\0\0\0\0WAVE", 12));
    // Check the signature as the store would.
    const QByteArray date = req.headers.value("date");
    QVERIFY(date.endsWith(" GMT"));
    const QByteArray toSign = "PUT\n\naudio/wav\n" + date + "\n/vb-records/rec/a.wav";
    const QByteArray sig = QMessageAuthenticationCode::hash(toSign, "Te5tSecret/Key", QCryptographicHash::Sha1).toBase64();
    QCOMPARE(req.headers.value("authorization"), "OSS LTAItestid:" + sig);
}

void TestOssCloudHelper::uploadOfUnreadableFileFails()
{
    LoopbackHttpServer store;
    configure(store.baseUrl());
    Response resp;
    int code = 0;
    OssCloudHelper::uploadFile(QStringLiteral("x.wav"), m_home->file(QStringLiteral("none.wav")))
        ->fail([&](const Response &r, int c) {
            resp = r;
            code = c;
        });
    QTRY_VERIFY(code != 0);
    QCOMPARE(resp.msg, QStringLiteral("无法读取文件: ") + m_home->file(QStringLiteral("none.wav")));
    QCOMPARE(store.requests.size(), 0);
}

QTEST_MAIN(TestOssCloudHelper)
#include "tst_ossCloudHelper.moc"
