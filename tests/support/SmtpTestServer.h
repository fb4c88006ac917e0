#pragma once

#include <QByteArray>
#include <QList>
#include <QSslCertificate>
#include <QStringList>
#include <QTcpServer>
#include <QVector>

// An SMTP server on 127.0.0.1 speaking implicit TLS with the test certificate (issued for
// 127.0.0.1 and localhost by the test authority in certs/). It records every session.
class SmtpTestServer : public QTcpServer
{
    Q_OBJECT
public:
    struct Session {
        QByteArray ehlo;
        QByteArray authMechanism;
        QString user;
        QString password;
        bool authenticated = false;
        QString mailFrom;
        QStringList recipients;
        QByteArray data; // the message as received, dot-stuffing undone
        bool quit = false;
    };

    SmtpTestServer();
    ~SmtpTestServer() override;

    // The test authority, to be trusted by the client.
    static QList<QSslCertificate> caCertificates();

    void setCredentials(const QString &user, const QString &password);
    void setMechanisms(const QByteArray &mechanisms) { m_mechanisms = mechanisms; }
    void setSilent(bool silent) { m_silent = silent; }           // never greet
    void setRejectData(bool reject) { m_rejectData = reject; }   // refuse the message
    void setEndlessGreeting(bool endless) { m_endlessGreeting = endless; } // greet without end

    QVector<Session> sessions;

signals:
    void sessionFinished();

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    QString m_user;
    QString m_password;
    QByteArray m_mechanisms = "PLAIN LOGIN";
    bool m_silent = false;
    bool m_rejectData = false;
    bool m_endlessGreeting = false;
    friend class SmtpTestSession;
};
