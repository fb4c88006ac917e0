#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QTcpServer>
#include <QUrl>
#include <functional>

// A small HTTP/1.1 server on 127.0.0.1 for client tests: records every request and answers
// it through a handler (200 with an empty body by default). One request per connection.
class HttpTestServer : public QObject
{
    Q_OBJECT
public:
    struct Request {
        QByteArray method;
        QByteArray path; // with the query, as sent
        QMap<QByteArray, QByteArray> headers; // lower-case names
        QByteArray body;
    };
    struct Response {
        int status = 200;
        QByteArray contentType = "application/json";
        QByteArray body;
    };
    using Handler = std::function<Response(const Request &)>;

    explicit HttpTestServer(QObject *parent = nullptr);
    bool listen();
    quint16 port() const { return m_server.serverPort(); }
    QUrl url(const QString &path) const;
    void setHandler(Handler handler) { m_handler = std::move(handler); }

    QList<Request> requests;

    // application/x-www-form-urlencoded body to fields ('+' is a space).
    static QMap<QString, QString> formFields(const QByteArray &body);

signals:
    void requestReceived();

private:
    void onConnection();

    QTcpServer m_server;
    Handler m_handler;
};
