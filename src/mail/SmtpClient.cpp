#include "mail/SmtpClient.h"

#include "logging/QsLog.h"
#include "util/Clock.h"

#include <QEventLoop>
#include <QHostInfo>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTimer>

namespace {
// Deadlines count on the monotonic clock: a wall clock set back must not stretch a wait.
qint64 deadlineIn(int ms)
{
    return Clock::monotonicMs() + ms;
}
} // namespace

SmtpClient::SmtpClient(const QString &host, quint16 port, QObject *parent)
    : QObject(parent)
    , m_host(host)
    , m_port(port)
    , m_socket(new QSslSocket(this))
{
    m_socket->setPeerVerifyMode(QSslSocket::VerifyPeer);
    connect(m_socket, &QAbstractSocket::errorOccurred, this, [this](QAbstractSocket::SocketError) {
        m_socketError = true;
    });
    connect(m_socket, QOverload<const QList<QSslError> &>::of(&QSslSocket::sslErrors), this,
            [this](const QList<QSslError> &errors) {
                for (const QSslError &e : errors) {
                    QLOG_WARN() << "mail server certificate:" << e.errorString();
                }
            });
}

SmtpClient::~SmtpClient() = default;

void SmtpClient::addCaCertificates(const QList<QSslCertificate> &certificates)
{
    if (certificates.isEmpty())
        return;
    QSslConfiguration config = m_socket->sslConfiguration();
    config.addCaCertificates(certificates);
    m_socket->setSslConfiguration(config);
}

bool SmtpClient::fail(const QString &why)
{
    // After an abandoned wait the steps above it fail too; the reason stays the first one.
    if (m_abandoned && !m_lastError.isEmpty())
        return false;
    m_lastError = why;
    QLOG_WARN() << "smtp" << m_host << m_port << ":" << why;
    return false;
}

bool SmtpClient::waitFor(const std::function<bool()> &done, qint64 deadline)
{
    if (done())
        return true;
    if (m_abandoned)
        return false;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    // The loop ends only through these; when it ends without one of them, the program is
    // quitting (QCoreApplication::exit ends every loop, and no new one runs until the main
    // loop has returned): the session is abandoned rather than waited out in a busy loop.
    bool woken = false;
    const auto wake = [&woken, &loop] {
        woken = true;
        loop.quit();
    };
    connect(&timer, &QTimer::timeout, &loop, wake);
    connect(m_socket, &QSslSocket::encrypted, &loop, wake);
    connect(m_socket, &QIODevice::readyRead, &loop, wake);
    connect(m_socket, &QAbstractSocket::disconnected, &loop, wake);
    connect(m_socket, &QAbstractSocket::errorOccurred, &loop, wake);
    connect(m_socket, &QIODevice::bytesWritten, &loop, wake);
    while (!done()) {
        if (m_socketError || m_socket->state() == QAbstractSocket::UnconnectedState)
            return false;
        const qint64 left = deadline - Clock::monotonicMs();
        if (left <= 0)
            return false;
        timer.start(int(qMin<qint64>(left, 1000)));
        woken = false;
        loop.exec();
        if (!woken) {
            m_abandoned = true;
            m_lastError = QStringLiteral("abandoned: the program is quitting");
            m_socket->abort();
            return false;
        }
    }
    return true;
}

bool SmtpClient::takeReply(int *code, QList<QByteArray> *lines)
{
    // A reply is complete with its last line: "NNN text" (a space or nothing after the code).
    int pos = 0;
    QList<QByteArray> found;
    while (true) {
        const int nl = m_buffer.indexOf('\n', pos);
        if (nl < 0)
            return false;
        QByteArray line = m_buffer.mid(pos, nl - pos);
        if (line.endsWith('\r'))
            line.chop(1);
        pos = nl + 1;
        found.append(line);
        if (line.size() < 3)
            continue;
        if (line.size() == 3 || line.at(3) == ' ') {
            m_buffer.remove(0, pos);
            bool ok = false;
            *code = line.left(3).toInt(&ok);
            if (!ok)
                *code = 0;
            if (lines)
                *lines = found;
            return true;
        }
    }
}

bool SmtpClient::readReply(qint64 deadline, int *code, QList<QByteArray> *lines)
{
    bool tooLong = false;
    const bool got = waitFor([&] {
        // A server that never ends its reply must not fill the memory.
        m_buffer += m_socket->read(MaxReplyBytes + 1 - m_buffer.size());
        if (takeReply(code, lines))
            return true;
        tooLong = m_buffer.size() > MaxReplyBytes;
        return tooLong;
    }, deadline);
    if (tooLong) {
        m_buffer.clear();
        m_socket->abort();
        return fail(QStringLiteral("reply longer than %1 bytes").arg(MaxReplyBytes));
    }
    if (!got)
        return fail(m_socketError ? QStringLiteral("connection lost: %1").arg(m_socket->errorString())
                                  : QStringLiteral("no reply in time"));
    return true;
}

bool SmtpClient::command(const QByteArray &line, int expected, qint64 deadline, const QByteArray &loggable)
{
    QLOG_DEBUG() << "smtp >" << (loggable.isEmpty() ? line : loggable);
    m_socket->write(line + "\r\n");
    int code = 0;
    QList<QByteArray> lines;
    if (!readReply(deadline, &code, &lines))
        return false;
    if (code != expected)
        return fail(QStringLiteral("%1 answered %2 (%3 expected)")
                        .arg(QString::fromUtf8(loggable.isEmpty() ? line : loggable))
                        .arg(code)
                        .arg(expected));
    return true;
}

bool SmtpClient::connectToServer(int ms)
{
    const qint64 deadline = deadlineIn(ms);
    m_socketError = false;
    m_socket->connectToHostEncrypted(m_host, m_port);
    if (!waitFor([this] { return m_socket->isEncrypted(); }, deadline))
        return fail(m_socketError ? QStringLiteral("TLS connection failed: %1").arg(m_socket->errorString())
                                  : QStringLiteral("TLS connection timed out"));
    int code = 0;
    if (!readReply(deadline, &code))
        return false;
    if (code != 220)
        return fail(QStringLiteral("greeting %1").arg(code));

    QByteArray name = QHostInfo::localHostName().toUtf8();
    if (name.isEmpty() || name.contains(' '))
        name = "localhost";
    QLOG_DEBUG() << "smtp > EHLO";
    m_socket->write("EHLO " + name + "\r\n");
    QList<QByteArray> lines;
    if (!readReply(deadline, &code, &lines))
        return false;
    if (code != 250)
        return fail(QStringLiteral("EHLO answered %1").arg(code));
    m_authMechanisms.clear();
    for (const QByteArray &l : qAsConst(lines)) {
        const QByteArray text = l.mid(4).trimmed().toUpper();
        if (text.startsWith("AUTH ") || text.startsWith("AUTH=")) {
            for (const QByteArray &m : text.mid(5).split(' '))
                if (!m.isEmpty())
                    m_authMechanisms << QString::fromLatin1(m);
        }
    }
    return true;
}

bool SmtpClient::login(const QString &user, const QString &password, int ms)
{
    const qint64 deadline = deadlineIn(ms);
    if (m_authMechanisms.contains(QLatin1String("PLAIN"))) {
        const QByteArray token = QByteArray(1, '\0') + user.toUtf8() + QByteArray(1, '\0') + password.toUtf8();
        return command("AUTH PLAIN " + token.toBase64(), 235, deadline, "AUTH PLAIN (credentials)");
    }
    // A server that names no mechanism gets the most common one.
    if (!m_authMechanisms.isEmpty() && !m_authMechanisms.contains(QLatin1String("LOGIN")))
        return fail(QStringLiteral("no supported AUTH mechanism: %1").arg(m_authMechanisms.join(QLatin1Char(' '))));
    return command("AUTH LOGIN", 334, deadline)
        && command(user.toUtf8().toBase64(), 334, deadline, "(user name)")
        && command(password.toUtf8().toBase64(), 235, deadline, "(password)");
}

bool SmtpClient::sendMail(const QString &from, const QStringList &to, const QByteArray &message, int ms)
{
    const qint64 deadline = deadlineIn(ms);
    if (!command("MAIL FROM:<" + from.toUtf8() + ">", 250, deadline))
        return false;
    for (const QString &r : to) {
        if (!command("RCPT TO:<" + r.toUtf8() + ">", 250, deadline))
            return false;
    }
    if (!command("DATA", 354, deadline))
        return false;

    // A line that begins with "." gets a second one, so it cannot end the data early.
    QByteArray data = message;
    data.replace("\r\n.", "\r\n..");
    if (data.startsWith('.'))
        data.prepend('.');
    if (!data.endsWith("\r\n"))
        data += "\r\n";
    QLOG_DEBUG() << "smtp > (message," << data.size() << "bytes)";
    m_socket->write(data);
    return command(".", 250, deadline, "(end of data)");
}

void SmtpClient::quit()
{
    if (m_socket->state() == QAbstractSocket::ConnectedState) {
        m_socket->write("QUIT\r\n");
        int code = 0;
        readReply(deadlineIn(2000), &code);
    }
    m_socket->disconnectFromHost();
    if (m_socket->state() != QAbstractSocket::UnconnectedState)
        m_socket->abort();
}
