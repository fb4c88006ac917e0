#include "support/SmtpTestServer.h"

#include <QFile>
#include <QSslKey>
#include <QSslSocket>

namespace {
QByteArray readFile(const QString &name)
{
    QFile f(QStringLiteral(VB_TEST_CERT_DIR "/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

// One connection's conversation.
class SmtpTestSession : public QObject
{
public:
    SmtpTestSession(SmtpTestServer *server, QSslSocket *socket)
        : QObject(socket)
        , m_server(server)
        , m_socket(socket)
        , m_index(server->sessions.size())
    {
        server->sessions.append(SmtpTestServer::Session());
        connect(socket, &QSslSocket::encrypted, this, [this] {
            if (m_server->m_endlessGreeting) {
                // A megabyte of continuation lines and never the last one.
                QByteArray flood;
                while (flood.size() < 1024 * 1024)
                    flood += "220-still greeting\r\n";
                m_socket->write(flood);
            } else if (!m_server->m_silent) {
                reply("220 loopback ESMTP ready");
            }
        });
        connect(socket, &QSslSocket::readyRead, this, [this] { onRead(); });
        connect(socket, &QSslSocket::disconnected, this, [this] {
            emit m_server->sessionFinished();
            m_socket->deleteLater();
        });
    }

private:
    SmtpTestServer::Session &session() { return m_server->sessions[m_index]; }
    void reply(const QByteArray &line) { m_socket->write(line + "\r\n"); }

    void onRead()
    {
        m_buffer += m_socket->readAll();
        while (true) {
            if (m_inData) {
                const int end = m_buffer.indexOf("\r\n.\r\n");
                if (end < 0)
                    return;
                QByteArray data = m_buffer.left(end + 2);
                m_buffer.remove(0, end + 5);
                data.replace("\r\n..", "\r\n.");
                if (data.startsWith(".."))
                    data.remove(0, 1);
                session().data = data;
                m_inData = false;
                reply(m_server->m_rejectData ? "554 rejected" : "250 queued");
                continue;
            }
            const int nl = m_buffer.indexOf("\r\n");
            if (nl < 0)
                return;
            const QByteArray line = m_buffer.left(nl);
            m_buffer.remove(0, nl + 2);
            handle(line);
        }
    }

    void checkCredentials(const QString &user, const QString &password)
    {
        session().user = user;
        session().password = password;
        const bool ok = user == m_server->m_user && password == m_server->m_password;
        session().authenticated = ok;
        reply(ok ? "235 accepted" : "535 authentication failed");
    }

    void handle(const QByteArray &line)
    {
        if (m_loginStep == 1) {
            m_loginUser = QString::fromUtf8(QByteArray::fromBase64(line));
            m_loginStep = 2;
            reply("334 UGFzc3dvcmQ6");
            return;
        }
        if (m_loginStep == 2) {
            m_loginStep = 0;
            checkCredentials(m_loginUser, QString::fromUtf8(QByteArray::fromBase64(line)));
            return;
        }
        const QByteArray verb = line.split(' ').value(0).toUpper();
        if (verb == "EHLO") {
            session().ehlo = line.mid(5);
            reply("250-loopback");
            reply("250-AUTH " + m_server->m_mechanisms);
            reply("250 8BITMIME");
        } else if (verb == "AUTH") {
            const QList<QByteArray> parts = line.split(' ');
            session().authMechanism = parts.value(1).toUpper();
            if (session().authMechanism == "PLAIN") {
                const QList<QByteArray> fields = QByteArray::fromBase64(parts.value(2)).split('\0');
                checkCredentials(QString::fromUtf8(fields.value(1)), QString::fromUtf8(fields.value(2)));
            } else if (session().authMechanism == "LOGIN") {
                m_loginStep = 1;
                reply("334 VXNlcm5hbWU6");
            } else {
                reply("504 unknown mechanism");
            }
        } else if (verb == "MAIL") {
            if (!session().authenticated) {
                reply("530 authentication required");
                return;
            }
            session().mailFrom = QString::fromUtf8(line.mid(line.indexOf('<') + 1).chopped(1));
            reply("250 ok");
        } else if (verb == "RCPT") {
            session().recipients << QString::fromUtf8(line.mid(line.indexOf('<') + 1).chopped(1));
            reply("250 ok");
        } else if (verb == "DATA") {
            m_inData = true;
            reply("354 go ahead");
        } else if (verb == "QUIT") {
            session().quit = true;
            reply("221 bye");
            m_socket->disconnectFromHost();
        } else {
            reply("502 not implemented");
        }
    }

    SmtpTestServer *m_server;
    QSslSocket *m_socket;
    int m_index;
    QByteArray m_buffer;
    bool m_inData = false;
    int m_loginStep = 0;
    QString m_loginUser;
};

SmtpTestServer::SmtpTestServer()
{
    listen(QHostAddress::LocalHost, 0);
}

SmtpTestServer::~SmtpTestServer()
{
    // Open sessions must not report back to a server that is going away.
    const auto sockets = findChildren<QSslSocket *>();
    for (QSslSocket *s : sockets) {
        s->disconnect();
        s->abort();
    }
}

QList<QSslCertificate> SmtpTestServer::caCertificates()
{
    return QSslCertificate::fromData(readFile(QStringLiteral("ca.crt")), QSsl::Pem);
}

void SmtpTestServer::setCredentials(const QString &user, const QString &password)
{
    m_user = user;
    m_password = password;
}

void SmtpTestServer::incomingConnection(qintptr descriptor)
{
    auto *socket = new QSslSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    socket->setLocalCertificate(QSslCertificate(readFile(QStringLiteral("server.crt")), QSsl::Pem));
    socket->setPrivateKey(QSslKey(readFile(QStringLiteral("server.key")), QSsl::Rsa, QSsl::Pem));
    new SmtpTestSession(this, socket);
    socket->startServerEncryption();
}
