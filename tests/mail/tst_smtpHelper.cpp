#include "config/Configurations.h"
#include "mail/MimeEncoding.h"
#include "support/SmtpTestServer.h"
#include "support/TestHome.h"
#include "util/Clock.h"
#include "util/SmtpHelper.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QtTest>
#include <memory>

namespace {

// Decodes RFC 2047 "B" words (UTF-8) and unfolds; written apart from the program's encoder.
QString decodeHeader(QByteArray value)
{
    value.replace("\r\n ", " ");
    QString out;
    const QList<QByteArray> tokens = value.split(' ');
    bool previousWasWord = false;
    for (const QByteArray &t : tokens) {
        const bool word = t.startsWith("=?UTF-8?B?") && t.endsWith("?=");
        if (!out.isEmpty() && !(word && previousWasWord))
            out += QLatin1Char(' ');
        out += word ? QString::fromUtf8(QByteArray::fromBase64(t.mid(10, t.size() - 12))) : QString::fromUtf8(t);
        previousWasWord = word;
    }
    return out;
}

struct Part {
    QMap<QByteArray, QByteArray> headers; // lower-case names
    QByteArray body;
};

Part parsePart(const QByteArray &raw)
{
    Part p;
    const int split = raw.indexOf("\r\n\r\n");
    QByteArray head = raw.left(split);
    head.replace("\r\n ", " ");
    for (const QByteArray &line : head.split('\n')) {
        const int colon = line.indexOf(':');
        if (colon > 0)
            p.headers.insert(line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed());
    }
    p.body = raw.mid(split + 4);
    return p;
}

QByteArray paramOf(const QByteArray &header, const QByteArray &name)
{
    const int at = header.indexOf(name + "=\"");
    if (at < 0)
        return QByteArray();
    const int start = at + name.size() + 2;
    return header.mid(start, header.indexOf('"', start) - start);
}

QList<Part> parts(const Part &message)
{
    const QByteArray boundary = "--" + paramOf(message.headers.value("content-type"), "boundary");
    QList<Part> out;
    const QList<QByteArray> lines = message.body.split('\n');
    QByteArray current;
    bool inside = false;
    for (QByteArray line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line == boundary || line == boundary + "--") {
            if (inside)
                out << parsePart(current.chopped(2)); // the CRLF before the boundary belongs to it
            current.clear();
            inside = line == boundary;
            continue;
        }
        if (inside)
            current += line + "\r\n";
    }
    return out;
}

struct Sent {
    int calls = 0;
    int code = -1;
    QString message;
};

} // namespace

class TestSmtpHelper : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void mailArrivesIntact_data();
    void mailArrivesIntact();
    void failures_data();
    void failures();
    void untrustedCertificateIsRefused();
    void silentServerHitsConnectLimit();
    void timeLimitsCountOnTheMonotonicClock();
    void endlessReplyEndsTheSession();
    void missingSetting_data();
    void missingSetting();
    void noMailAccountSaysNotConfiguredWithItsKeysAndConnectsNowhere();
    void quittingDuringASendAbandonsItAtOnceAndSilently();
    void deletedContextGetsNoCallback();
    void headerWords_data();
    void headerWords();

private:
    void configure(quint16 port, const QString &password = QStringLiteral("mail-Pa55"));
    Sent send(const QString &subject, const QString &body, const QStringList &attachments);
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<SmtpTestServer> m_server;
};

void TestSmtpHelper::init()
{
    m_home = std::make_unique<TestHome>();
    m_server = std::make_unique<SmtpTestServer>();
    m_server->setCredentials(QStringLiteral("feedback@example.com"), QStringLiteral("mail-Pa55"));
    SmtpHelper::setExtraCaCertificates(SmtpTestServer::caCertificates());
    QVERIFY(!SmtpTestServer::caCertificates().isEmpty());
    SmtpHelper::setLimits({5000, 5000, 5000});
    configure(m_server->serverPort());
}

void TestSmtpHelper::cleanup()
{
    Clock::setOverride({});
    Clock::setMonotonicOverride({});
    SmtpHelper::setExtraCaCertificates({});
    SmtpHelper::setLimits({});
    m_server.reset();
    m_home.reset();
}

void TestSmtpHelper::configure(quint16 port, const QString &password)
{
    auto &c = Configurations::instance();
    c.setValue(QStringLiteral("/Mail/Host"), QStringLiteral("127.0.0.1"));
    c.setValue(QStringLiteral("/Mail/Port"), port);
    c.setValue(QStringLiteral("/Mail/Account"), QStringLiteral("feedback@example.com"));
    c.setValue(QStringLiteral("/Mail/Password"), password);
}

Sent TestSmtpHelper::send(const QString &subject, const QString &body, const QStringList &attachments)
{
    Sent s;
    SmtpHelper::sendMail(subject, body, attachments, [&s](int code, const QString &message) {
        ++s.calls;
        s.code = code;
        s.message = message;
    });
    return s;
}

void TestSmtpHelper::mailArrivesIntact_data()
{
    QTest::addColumn<QByteArray>("mechanisms");
    QTest::addColumn<QByteArray>("used");
    QTest::newRow("AUTH PLAIN") << QByteArray("LOGIN PLAIN") << QByteArray("PLAIN");
    QTest::newRow("AUTH LOGIN") << QByteArray("LOGIN") << QByteArray("LOGIN");
}

void TestSmtpHelper::mailArrivesIntact()
{
    QFETCH(QByteArray, mechanisms);
    QFETCH(QByteArray, used);
    m_server->setMechanisms(mechanisms);

    QByteArray binary;
    for (int i = 0; i < 5000; ++i)
        binary += char(i % 256);
    m_home->write(QStringLiteral("log/log.txt"), "line one\r\n.\r\n.hidden dot line\n");
    m_home->write(QStringLiteral("日志 2.bin"), binary);
    const QString subject = QStringLiteral("[张三-13800138000] [AABBCCDDEEFF] 用户反馈 - QtVellobox V1.0.0 带有很长的中文主题以便分成多个编码字");
    const QString body = QStringLiteral("反馈内容\n第二行\n.\n以点开头的行");

    const Sent s = send(subject, body, {m_home->file(QStringLiteral("log/log.txt")), m_home->file(QStringLiteral("日志 2.bin"))});
    QCOMPARE(s.calls, 1);
    QCOMPARE(s.message, QStringLiteral("邮件发送成功!"));
    QCOMPARE(s.code, 0);

    QTRY_COMPARE(m_server->sessions.size(), 1);
    const auto session = m_server->sessions[0];
    QCOMPARE(session.authMechanism, used);
    QCOMPARE(session.user, QStringLiteral("feedback@example.com"));
    QCOMPARE(session.password, QStringLiteral("mail-Pa55"));
    QCOMPARE(session.mailFrom, QStringLiteral("feedback@example.com"));
    QCOMPARE(session.recipients, QStringList{QStringLiteral("feedback@example.com")});
    QTRY_VERIFY(m_server->sessions[0].quit);

    const Part message = parsePart(session.data);
    QCOMPARE(decodeHeader(message.headers.value("subject")), subject);
    for (const QByteArray &line : session.data.left(session.data.indexOf("\r\n\r\n")).split('\n'))
        QVERIFY2(line.size() <= 78, line.constData()); // folded encoded words
    QCOMPARE(message.headers.value("from"), QByteArray("<feedback@example.com>"));
    QCOMPARE(message.headers.value("to"), QByteArray("<feedback@example.com>"));
    QCOMPARE(message.headers.value("mime-version"), QByteArray("1.0"));
    QVERIFY(message.headers.value("content-type").startsWith("multipart/mixed"));

    const QList<Part> ps = parts(message);
    QCOMPARE(ps.size(), 3);
    QVERIFY(ps[0].headers.value("content-type").startsWith("text/plain"));
    QCOMPARE(ps[0].headers.value("content-transfer-encoding"), QByteArray("base64"));
    QCOMPARE(QString::fromUtf8(QByteArray::fromBase64(ps[0].body)), body);

    QCOMPARE(decodeHeader(paramOf(ps[1].headers.value("content-disposition"), "filename")), QStringLiteral("log.txt"));
    QCOMPARE(QByteArray::fromBase64(ps[1].body), QByteArray("line one\r\n.\r\n.hidden dot line\n"));
    QCOMPARE(decodeHeader(paramOf(ps[2].headers.value("content-disposition"), "filename")), QStringLiteral("日志 2.bin"));
    QCOMPARE(QByteArray::fromBase64(ps[2].body), binary);
}

void TestSmtpHelper::failures_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("rejectData");
    QTest::addColumn<bool>("missingAttachment");
    QTest::addColumn<QString>("message");
    QTest::newRow("refused login") << "wrong" << false << false << "邮件服务器验证失败!";
    QTest::newRow("refused message") << "mail-Pa55" << true << false << "邮件发送失败!";
    QTest::newRow("unreadable attachment") << "mail-Pa55" << false << true << "邮件发送失败!";
}

void TestSmtpHelper::failures()
{
    QFETCH(QString, password);
    QFETCH(bool, rejectData);
    QFETCH(bool, missingAttachment);
    QFETCH(QString, message);
    configure(m_server->serverPort(), password);
    m_server->setRejectData(rejectData);
    const QStringList attachments = missingAttachment ? QStringList{m_home->file(QStringLiteral("gone.dmp"))} : QStringList();
    const Sent s = send(QStringLiteral("s"), QStringLiteral("b"), attachments);
    QCOMPARE(s.calls, 1);
    QCOMPARE(s.code, 1);
    QCOMPARE(s.message, message);
}

void TestSmtpHelper::untrustedCertificateIsRefused()
{
    SmtpHelper::setExtraCaCertificates({});
    const Sent s = send(QStringLiteral("s"), QStringLiteral("b"), {});
    QCOMPARE(s.calls, 1);
    QCOMPARE(s.code, 1);
    QCOMPARE(s.message, QStringLiteral("连接邮件服务器失败!"));
    QVERIFY(m_server->sessions.isEmpty() || m_server->sessions[0].user.isEmpty()); // no credentials sent
}

void TestSmtpHelper::silentServerHitsConnectLimit()
{
    m_server->setSilent(true);
    SmtpHelper::setLimits({400, 5000, 5000});
    QElapsedTimer timer;
    timer.start();
    const Sent s = send(QStringLiteral("s"), QStringLiteral("b"), {});
    QCOMPARE(s.message, QStringLiteral("连接邮件服务器失败!"));
    QCOMPARE(s.code, 1);
    QVERIFY(timer.elapsed() >= 350);
    QVERIFY(timer.elapsed() < 3000);

    // And a port where nobody listens.
    quint16 port = 0;
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        port = probe.serverPort();
    }
    configure(port);
    const Sent refused = send(QStringLiteral("s"), QStringLiteral("b"), {});
    QCOMPARE(refused.message, QStringLiteral("连接邮件服务器失败!"));
}

void TestSmtpHelper::timeLimitsCountOnTheMonotonicClock()
{
    m_server->setSilent(true);
    SmtpHelper::setLimits({30000, 30000, 30000});
    // The wall clock is set back an hour while an hour passes on the monotonic clock: the wait
    // is over, whatever the wall clock says.
    const qint64 wall = QDateTime::currentMSecsSinceEpoch();
    Clock::setOverride([wall] { return wall - 3600 * 1000; });
    int reads = 0;
    Clock::setMonotonicOverride([&reads] { return qint64(1000000) + (reads++ > 0 ? 3600 * 1000 : 0); });
    QElapsedTimer timer;
    timer.start();
    const Sent s = send(QStringLiteral("s"), QStringLiteral("b"), {});
    QCOMPARE(s.message, QStringLiteral("连接邮件服务器失败!"));
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
}

void TestSmtpHelper::endlessReplyEndsTheSession()
{
    m_server->setEndlessGreeting(true);
    SmtpHelper::setLimits({5000, 5000, 5000});
    QElapsedTimer timer;
    timer.start();
    const Sent s = send(QStringLiteral("s"), QStringLiteral("b"), {});
    QCOMPARE(s.code, 1);
    QCOMPARE(s.message, QStringLiteral("连接邮件服务器失败!"));
    // Ended by the reply limit, not by waiting out the time limit.
    QVERIFY(timer.elapsed() < 4000);
}

void TestSmtpHelper::missingSetting_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    QTest::newRow("host") << "/Mail/Host" << "" << "邮件账号未配置 (/Mail/Host)";
    QTest::newRow("account") << "/Mail/Account" << "" << "邮件账号未配置 (/Mail/Account)";
    QTest::newRow("password") << "/Mail/Password" << "" << "邮件账号未配置 (/Mail/Password)";
    QTest::newRow("bad port") << "/Mail/Port" << "smtp" << "连接邮件服务器失败!";
}

void TestSmtpHelper::missingSetting()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, message);
    Configurations::instance().setValue(key, value);
    const Sent s = send(QStringLiteral("s"), QStringLiteral("b"), {});
    QCOMPARE(s.calls, 1);
    QCOMPARE(s.code, 1);
    QCOMPARE(s.message, message);
    QCOMPARE(m_server->sessions.size(), 0);
}

void TestSmtpHelper::noMailAccountSaysNotConfiguredWithItsKeysAndConnectsNowhere()
{
    // The server is named (as in the example settings), the account is not.
    Configurations::instance().setValue(QStringLiteral("/Mail/Account"), QString());
    Configurations::instance().setValue(QStringLiteral("/Mail/Password"), QString());
    const Sent s = send(QStringLiteral("s"), QStringLiteral("b"), {});
    QCOMPARE(s.calls, 1);
    QCOMPARE(s.code, 1);
    QCOMPARE(s.message, QStringLiteral("邮件账号未配置 (/Mail/Account, /Mail/Password)"));
    QTest::qWait(100);
    QCOMPARE(m_server->sessions.size(), 0);
}

void TestSmtpHelper::quittingDuringASendAbandonsItAtOnceAndSilently()
{
    // As in the program: the send runs from the main loop, and the exit comes while it waits
    // for a server that accepts and never answers.
    m_server->setSilent(true);
    SmtpHelper::setLimits({8000, 8000, 8000});
    Sent s;
    bool returned = false;
    QTimer::singleShot(0, this, [&] {
        SmtpHelper::sendMail(QStringLiteral("s"), QStringLiteral("b"), {}, [&s](int code, const QString &message) {
            ++s.calls;
            s.code = code;
            s.message = message;
        });
        returned = true;
    });
    QTimer::singleShot(300, this, [] { QCoreApplication::exit(0); });
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(QCoreApplication::exec(), 0);
    const qint64 elapsed = clock.elapsed();
    QVERIFY(returned);
    QVERIFY2(elapsed < 1300, qPrintable(QStringLiteral("the exit took %1 ms").arg(elapsed)));
    QCOMPARE(s.calls, 0);
    QTRY_COMPARE(m_server->sessions.size(), 1);
}

void TestSmtpHelper::deletedContextGetsNoCallback()
{
    auto *dialog = new QObject;
    int calls = 0;
    // The dialog goes away while the mail is under way (inside the nested wait).
    QTimer::singleShot(0, dialog, [dialog] { dialog->deleteLater(); });
    SmtpHelper::sendMail(QStringLiteral("s"), QStringLiteral("b"), {}, [&](int, const QString &) { ++calls; }, dialog);
    QCOMPARE(calls, 0);
    QTRY_COMPARE(m_server->sessions.size(), 1);
    QVERIFY(!m_server->sessions[0].data.isEmpty()); // the mail itself still went out
}

void TestSmtpHelper::headerWords_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("plain");
    QTest::newRow("short ascii") << "Feedback 1.0" << true;
    QTest::newRow("chinese") << "用户反馈" << false;
    QTest::newRow("injection") << "Hi\r\nBcc: victim@example.com" << true;
    QTest::newRow("looks encoded") << "=?UTF-8?B?x?=" << false;
    QTest::newRow("long mixed") << QString(QStringLiteral("日志上传 abc ")).repeated(12) << false;
    QTest::newRow("4-byte characters") << QString(QStringLiteral("😀")).repeated(30) << false;
}

void TestSmtpHelper::headerWords()
{
    QFETCH(QString, text);
    QFETCH(bool, plain);
    const QByteArray encoded = MimeEncoding::encodeHeader(text);
    QString expected = text;
    expected.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    QVERIFY(!encoded.contains("\r\nB"));
    for (const QByteArray &line : encoded.split('\n')) {
        QVERIFY2(line.trimmed().size() <= 75, line.constData());
        QVERIFY(!line.trimmed().isEmpty());
    }
    QCOMPARE(!encoded.startsWith("=?"), plain);
    QCOMPARE(plain ? QString::fromLatin1(encoded) : decodeHeader(encoded), expected);
}

QTEST_MAIN(TestSmtpHelper)
#include "tst_smtpHelper.moc"
