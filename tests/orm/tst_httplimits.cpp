#include "config/Configurations.h"
#include "orm/client/BaseClient.h"
#include "orm/http/DefaultHttpInterceptor.h"
#include "orm/http/HttpClient.h"
#include "orm/http/HttpHelper.h"
#include "support/TestHome.h"

#include <QFile>
#include <QJsonObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>
#include <functional>
#include <zlib.h>

using namespace HttpRequest;

namespace {
// A raw HTTP peer: what it answers is written by the test, byte for byte, and it can stream
// a body far larger than anything a reply may hold.
class RawServer : public QObject
{
public:
    struct Seen {
        QByteArray head;
        QByteArray body;
    };
    // Writes the answer; returns the bytes still to stream after it (0 for none).
    using Answer = std::function<qint64(QTcpSocket *, const QByteArray &path)>;

    explicit RawServer(const QString &host = QStringLiteral("127.0.0.1"))
        : m_host(host)
    {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = m_server.nextPendingConnection())
                connect(s, &QTcpSocket::readyRead, this, [this, s] { onData(s); });
        });
    }
    QString url(const QString &path) const
    {
        return QStringLiteral("http://%1:%2%3").arg(m_host).arg(m_server.serverPort()).arg(path);
    }
    void on(const QByteArray &path, Answer answer) { m_answers[path] = std::move(answer); }
    QVector<Seen> seen;
    qint64 streamed = 0;

private:
    void onData(QTcpSocket *s)
    {
        QByteArray &buffer = m_buffers[s];
        buffer += s->readAll();
        const int end = buffer.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        const QByteArray head = buffer.left(end);
        const QByteArray lower = head.toLower();
        const int cl = lower.indexOf("content-length:");
        const int length = cl < 0 ? 0 : lower.mid(cl + 15, lower.indexOf("\r\n", cl) - cl - 15).trimmed().toInt();
        if (buffer.size() < end + 4 + length)
            return;
        seen.append({head, buffer.mid(end + 4, length)});
        buffer.clear();
        const QByteArray path = head.split(' ').value(1);
        const auto it = m_answers.find(path);
        if (it == m_answers.end()) {
            s->write("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
            s->disconnectFromHost();
            return;
        }
        qint64 left = it.value()(s, path);
        if (left <= 0) {
            s->disconnectFromHost();
            return;
        }
        // Streams zeros while the client keeps reading; a client that aborts ends it.
        auto pump = [this, s, left]() mutable {
            while (left > 0 && s->bytesToWrite() < 1024 * 1024) {
                const qint64 n = qMin<qint64>(left, 64 * 1024);
                s->write(QByteArray(int(n), '0'));
                left -= n;
                streamed += n;
            }
            if (left <= 0)
                s->disconnectFromHost();
        };
        connect(s, &QTcpSocket::bytesWritten, s, pump);
        pump();
    }

    QString m_host;
    QTcpServer m_server;
    QHash<QByteArray, Answer> m_answers;
    QHash<QTcpSocket *, QByteArray> m_buffers;
};

QByteArray envelopeReply(const QByteArray &json)
{
    return "HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: " + QByteArray::number(json.size())
        + "\r\nConnection: close\r\n\r\n" + json;
}

RawServer::Answer redirectTo(const QString &location, int status = 307)
{
    return [location, status](QTcpSocket *s, const QByteArray &) {
        s->write("HTTP/1.1 " + QByteArray::number(status) + " Redirect\r\nLocation: " + location.toUtf8()
                 + "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        return qint64(0);
    };
}

RawServer::Answer okEnvelope()
{
    return [](QTcpSocket *s, const QByteArray &) {
        s->write(envelopeReply(R"({"status":0,"msg":"ok","data":{}})"));
        return qint64(0);
    };
}

// A gzip body of size zero bytes: a few hundred kilobytes on the wire.
QByteArray gzipOfZeros(qint64 size)
{
    z_stream z{};
    deflateInit2(&z, 9, Z_DEFLATED, 31, 9, Z_DEFAULT_STRATEGY);
    const QByteArray block(1024 * 1024, '\0');
    QByteArray out;
    QByteArray chunk(256 * 1024, Qt::Uninitialized);
    for (qint64 done = 0; done < size; done += block.size()) {
        z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(block.constData()));
        z.avail_in = uInt(block.size());
        const int flush = done + block.size() >= size ? Z_FINISH : Z_NO_FLUSH;
        do {
            z.next_out = reinterpret_cast<Bytef *>(chunk.data());
            z.avail_out = uInt(chunk.size());
            deflate(&z, flush);
            out.append(chunk.constData(), chunk.size() - int(z.avail_out));
        } while (z.avail_out == 0);
    }
    deflateEnd(&z);
    return out;
}

qint64 residentBytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
    }
    return 0;
}

struct Outcome {
    int successes = 0;
    int failures = 0;
    QString message;
};

void watch(DefaultHttpInterceptor *r, Outcome *o)
{
    r->success([o](const Response &) { ++o->successes; }).fail([o](const Response &resp, int) {
        ++o->failures;
        o->message = resp.msg;
    });
}

constexpr qint64 MiB = 1024 * 1024;
} // namespace

class TestHttpLimits : public QObject
{
    Q_OBJECT
private slots:
    void credentialsDoNotFollowARedirectToAnotherOrigin_data()
    {
        QTest::addColumn<bool>("withBody");
        QTest::addColumn<bool>("withToken");
        QTest::addColumn<int>("status");
        QTest::newRow("password form, 307") << true << false << 307;
        QTest::newRow("password form, 308") << true << false << 308;
        QTest::newRow("token, 302") << false << true << 302;
    }
    void credentialsDoNotFollowARedirectToAnotherOrigin()
    {
        QFETCH(bool, withBody);
        QFETCH(bool, withToken);
        QFETCH(int, status);
        RawServer api;
        RawServer other(QStringLiteral("localhost"));
        other.on("/steal", okEnvelope());
        api.on("/login", redirectTo(other.url(QStringLiteral("/steal")), status));

        HttpClient client(api.url(QStringLiteral("/login")));
        if (withBody)
            client.param(QStringLiteral("password"), QStringLiteral("secret+1"));
        if (withToken)
            client.bearerToken(QStringLiteral("tok"));
        Outcome o;
        watch(withBody ? client.post(new DefaultHttpInterceptor) : client.get(new DefaultHttpInterceptor), &o);
        QTRY_COMPARE(o.failures, 1);
        QCOMPARE(o.successes, 0);
        QVERIFY2(o.message.startsWith(QStringLiteral("服务器将请求转到其他地址")), qPrintable(o.message));
        QTest::qWait(100);
        QCOMPARE(other.seen.size(), 0);
    }

    void redirectsWithinTheOriginAndPlainGetsAreFollowed()
    {
        RawServer api;
        RawServer other(QStringLiteral("localhost"));
        api.on("/login", redirectTo(api.url(QStringLiteral("/v2/login"))));
        api.on("/v2/login", okEnvelope());
        other.on("/file", okEnvelope());
        api.on("/download", redirectTo(other.url(QStringLiteral("/file")), 302));

        Outcome same;
        watch(HttpClient(api.url(QStringLiteral("/login"))).param(QStringLiteral("password"), QStringLiteral("pw")).post(new DefaultHttpInterceptor), &same);
        QTRY_COMPARE(same.successes, 1);
        QCOMPARE(api.seen.last().body, QByteArray("password=pw"));

        Outcome plain;
        watch(HttpClient(api.url(QStringLiteral("/download"))).get(new DefaultHttpInterceptor), &plain);
        QTRY_COMPARE(plain.successes, 1);
        QCOMPARE(other.seen.size(), 1);
    }

    void theTokenGoesOnlyToTheApiServer()
    {
        TestHome home;
        RawServer api;
        RawServer upgrade(QStringLiteral("localhost"));
        api.on("/v1/info", okEnvelope());
        upgrade.on("/latest", okEnvelope());
        Configurations::instance().setValue(QStringLiteral("/Server/ApiBaseUrl"), api.url(QStringLiteral("/v1")));
        Configurations::instance().setValue(QStringLiteral("/Server/UpgradeUrl"), upgrade.url(QStringLiteral("/latest")));
        BaseClient client(QStringLiteral("/Server/ApiBaseUrl"));
        client.setBearerToken(QStringLiteral("api-token"));

        Outcome a, b;
        watch(client.request(QStringLiteral("info")).get(new DefaultHttpInterceptor), &a);
        watch(client.requestAt(QStringLiteral("/Server/UpgradeUrl")).get(new DefaultHttpInterceptor), &b);
        QTRY_COMPARE(a.successes + b.successes, 2);
        QVERIFY(api.seen.last().head.contains("Authorization: Bearer api-token"));
        QVERIFY(!upgrade.seen.last().head.toLower().contains("authorization"));
    }

    void oversizedRepliesFailWithoutFillingTheMemory_data()
    {
        QTest::addColumn<QByteArray>("kind");
        QTest::newRow("streamed body") << QByteArray("stream");
        QTest::newRow("announced length") << QByteArray("announced");
        QTest::newRow("gzip bomb") << QByteArray("bomb");
    }
    void oversizedRepliesFailWithoutFillingTheMemory()
    {
        QFETCH(QByteArray, kind);
        RawServer server;
        const QByteArray bomb = kind == "bomb" ? gzipOfZeros(512 * MiB) : QByteArray();
        server.on("/big", [kind, bomb](QTcpSocket *s, const QByteArray &) -> qint64 {
            QByteArray head = "HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nConnection: close\r\n";
            if (kind == "announced")
                head += "Content-Length: 1000000000\r\n";
            if (kind == "bomb")
                head += "Content-Encoding: gzip\r\nContent-Length: " + QByteArray::number(bomb.size()) + "\r\n";
            s->write(head + "\r\n");
            if (kind == "bomb") {
                s->write(bomb);
                return 0;
            }
            return 1024 * MiB;
        });
        const qint64 before = residentBytes();
        Outcome o;
        watch(HttpClient(server.url(QStringLiteral("/big"))).timeout(60000).get(new DefaultHttpInterceptor), &o);
        QTRY_COMPARE_WITH_TIMEOUT(o.failures, 1, 30000);
        QCOMPARE(o.message, QStringLiteral("服务器返回的数据过大, 已中止"));
        const qint64 grown = residentBytes() - before;
        QVERIFY2(grown < 64 * MiB, qPrintable(QStringLiteral("resident memory grew by %1 MiB").arg(grown / MiB)));
        if (kind != "bomb")
            QVERIFY2(server.streamed < 256 * MiB, "the client kept reading after the cap");
    }

    void aReplyJustUnderTheCapIsTaken()
    {
        RawServer server;
        server.on("/ok", [](QTcpSocket *s, const QByteArray &) {
            const QByteArray padding(int(HttpClient::MaxReplyBytes) - 100, ' ');
            s->write(envelopeReply(R"({"status":0,"msg":"ok","data":{}})" + padding));
            return qint64(0);
        });
        Outcome o;
        watch(HttpClient(server.url(QStringLiteral("/ok"))).get(new DefaultHttpInterceptor), &o);
        QTRY_COMPARE_WITH_TIMEOUT(o.successes, 1, 10000);
    }

    void aCompressedEnvelopeIsInflated()
    {
        RawServer server;
        server.on("/gz", [](QTcpSocket *s, const QByteArray &) {
            // The envelope, gzip-compressed by hand.
            const QByteArray json = R"({"status":0,"msg":"ok","data":{"name":"压缩"}})";
            z_stream z{};
            deflateInit2(&z, 6, Z_DEFLATED, 31, 8, Z_DEFAULT_STRATEGY);
            QByteArray out(1024, Qt::Uninitialized);
            z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(json.constData()));
            z.avail_in = uInt(json.size());
            z.next_out = reinterpret_cast<Bytef *>(out.data());
            z.avail_out = uInt(out.size());
            deflate(&z, Z_FINISH);
            out.resize(out.size() - int(z.avail_out));
            deflateEnd(&z);
            s->write("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Encoding: gzip\r\nContent-Length: "
                     + QByteArray::number(out.size()) + "\r\nConnection: close\r\n\r\n" + out);
            return qint64(0);
        });
        QString name;
        auto *r = HttpClient(server.url(QStringLiteral("/gz"))).get(new DefaultHttpInterceptor);
        r->success([&name](const Response &resp) { name = resp.dataValue.toObject().value(QStringLiteral("name")).toString(); });
        QTRY_COMPARE(name, QStringLiteral("压缩"));
    }
};

QTEST_GUILESS_MAIN(TestHttpLimits)
#include "tst_httplimits.moc"
