#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSslCertificate>
#include <QString>
#include <functional>

class QSslSocket;

// A small SMTP client over implicit TLS (the connection is encrypted from the first byte, as on
// port 465). Each step waits for the server in a nested event loop on the calling thread and
// gives up when the deadline of its phase has passed, or at once when the program quits meanwhile.
// The peer certificate is always verified.
class SmtpClient : public QObject
{
    Q_OBJECT
public:
    // The longest reply taken from the server; a longer one ends the session.
    static constexpr int MaxReplyBytes = 64 * 1024;

    SmtpClient(const QString &host, quint16 port, QObject *parent = nullptr);
    ~SmtpClient() override;

    // Certificates trusted in addition to the system's.
    void addCaCertificates(const QList<QSslCertificate> &certificates);

    // TLS handshake, greeting and EHLO, within ms.
    bool connectToServer(int ms);
    // AUTH PLAIN when the server offers it, else AUTH LOGIN, within ms.
    bool login(const QString &user, const QString &password, int ms);
    // MAIL FROM, RCPT TO, DATA with the message (dot-stuffed), within ms.
    bool sendMail(const QString &from, const QStringList &to, const QByteArray &message, int ms);
    // QUIT, waiting briefly for the answer, then closes.
    void quit();

    QString lastError() const { return m_lastError; }
    // The program began to quit during a wait: the connection was dropped, and every later
    // step fails at once.
    bool abandoned() const { return m_abandoned; }
    QStringList authMechanisms() const { return m_authMechanisms; }

private:
    bool waitFor(const std::function<bool()> &done, qint64 deadline);
    // Reads one (possibly multi-line) reply; its code in *code and its lines in *lines.
    bool readReply(qint64 deadline, int *code, QList<QByteArray> *lines = nullptr);
    bool takeReply(int *code, QList<QByteArray> *lines);
    // Sends a line and checks the reply code; loggable is what the log shows of the line.
    bool command(const QByteArray &line, int expected, qint64 deadline, const QByteArray &loggable = QByteArray());
    bool fail(const QString &why);

    QString m_host;
    quint16 m_port;
    QSslSocket *m_socket;
    QByteArray m_buffer;
    QString m_lastError;
    QStringList m_authMechanisms;
    bool m_socketError = false;
    bool m_abandoned = false;
};
