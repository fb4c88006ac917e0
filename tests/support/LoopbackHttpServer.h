#pragma once

#include <QHash>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QTcpServer>
#include <QUrlQuery>
#include <QVector>

class QTcpSocket;

// A small HTTP/1.1 server on 127.0.0.1 for tests: replies as scripted per path and records
// every request. Each connection serves one request and is closed.
class LoopbackHttpServer : public QObject
{
    Q_OBJECT
public:
    struct Request {
        QByteArray method;
        QString path;
        QUrlQuery query;
        QHash<QByteArray, QByteArray> headers; // lower-case names
        QByteArray body;
        // A parameter from the form body or, failing that, the query.
        QString param(const QString &name) const;
        bool hasParam(const QString &name) const;
        QJsonObject json() const;
    };

    enum class Mode {
        Normal,
        Hang,      // read the request, never answer
        Close,     // close the connection without answering
        Truncate,  // announce the whole body, send half, close
        Slow,      // send the body in chunks, chunkDelayMs apart
        Stall,     // send the first chunk, then nothing more
    };

    struct Reply {
        int status = 200;
        QByteArray body;
        QByteArray contentType = "application/json; charset=utf-8";
        Mode mode = Mode::Normal;
        int chunkSize = 1024;
        int chunkDelayMs = 5;
        bool sendContentLength = true;
    };

    LoopbackHttpServer();
    ~LoopbackHttpServer() override;

    QString baseUrl() const;
    QString url(const QString &path) const;
    quint16 port() const { return m_server.serverPort(); }

    // The reply to every request of the path (without query) from now on.
    void setReply(const QString &path, const Reply &reply);
    void setEnvelope(const QString &path, int status, const QString &msg, const QJsonValue &data = QJsonValue(),
                     const QString &rc = QString());
    static Reply envelope(int status, const QString &msg, const QJsonValue &data = QJsonValue(),
                          const QString &rc = QString());
    static Reply raw(int httpStatus, const QByteArray &body, const QByteArray &contentType = "text/plain");

    QVector<Request> requests;
    int count(const QString &path) const;
    Request last(const QString &path) const;
    bool waitForRequests(int n, int ms = 5000);

signals:
    void requestReceived(const QString &path);

private:
    void onConnection();
    void onData(QTcpSocket *socket);
    void answer(QTcpSocket *socket, const Reply &reply);

    QTcpServer m_server;
    QMap<QString, Reply> m_replies;
    QHash<QTcpSocket *, QByteArray> m_buffers;
};
