#include "support/LoopbackHttpServer.h"

#include <QJsonDocument>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

QString LoopbackHttpServer::Request::param(const QString &name) const
{
    const QUrlQuery form(QString::fromUtf8(body));
    if (form.hasQueryItem(name))
        return form.queryItemValue(name, QUrl::FullyDecoded);
    return query.queryItemValue(name, QUrl::FullyDecoded);
}

bool LoopbackHttpServer::Request::hasParam(const QString &name) const
{
    return QUrlQuery(QString::fromUtf8(body)).hasQueryItem(name) || query.hasQueryItem(name);
}

QJsonObject LoopbackHttpServer::Request::json() const
{
    return QJsonDocument::fromJson(body).object();
}

LoopbackHttpServer::LoopbackHttpServer()
{
    connect(&m_server, &QTcpServer::newConnection, this, &LoopbackHttpServer::onConnection);
    m_server.listen(QHostAddress::LocalHost, 0);
}

LoopbackHttpServer::~LoopbackHttpServer()
{
    for (QTcpSocket *s : m_buffers.keys()) {
        s->disconnect(this);
        s->abort();
    }
}

QString LoopbackHttpServer::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort());
}

QString LoopbackHttpServer::url(const QString &path) const
{
    return baseUrl() + (path.startsWith(QLatin1Char('/')) ? path : QLatin1Char('/') + path);
}

void LoopbackHttpServer::setReply(const QString &path, const Reply &reply)
{
    m_replies.insert(path.startsWith(QLatin1Char('/')) ? path : QLatin1Char('/') + path, reply);
}

LoopbackHttpServer::Reply LoopbackHttpServer::envelope(int status, const QString &msg, const QJsonValue &data,
                                                       const QString &rc)
{
    QJsonObject o{{QStringLiteral("status"), status}, {QStringLiteral("msg"), msg}};
    if (!rc.isEmpty())
        o.insert(QStringLiteral("rc"), rc);
    if (!data.isUndefined())
        o.insert(QStringLiteral("data"), data);
    Reply r;
    r.body = QJsonDocument(o).toJson(QJsonDocument::Compact);
    return r;
}

void LoopbackHttpServer::setEnvelope(const QString &path, int status, const QString &msg, const QJsonValue &data,
                                     const QString &rc)
{
    setReply(path, envelope(status, msg, data, rc));
}

LoopbackHttpServer::Reply LoopbackHttpServer::raw(int httpStatus, const QByteArray &body, const QByteArray &contentType)
{
    Reply r;
    r.status = httpStatus;
    r.body = body;
    r.contentType = contentType;
    return r;
}

int LoopbackHttpServer::count(const QString &path) const
{
    int n = 0;
    for (const Request &r : requests)
        n += r.path == path ? 1 : 0;
    return n;
}

LoopbackHttpServer::Request LoopbackHttpServer::last(const QString &path) const
{
    for (int i = requests.size() - 1; i >= 0; --i)
        if (requests.at(i).path == path)
            return requests.at(i);
    return Request();
}

bool LoopbackHttpServer::waitForRequests(int n, int ms)
{
    return QTest::qWaitFor([&] { return requests.size() >= n; }, ms);
}

void LoopbackHttpServer::onConnection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        m_buffers.insert(socket, QByteArray());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onData(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_buffers.remove(socket);
            socket->deleteLater();
        });
    }
}

void LoopbackHttpServer::onData(QTcpSocket *socket)
{
    QByteArray &buffer = m_buffers[socket];
    if (buffer.isNull())
        buffer = QByteArray("");
    buffer += socket->readAll();
    const int end = buffer.indexOf("\r\n\r\n");
    if (end < 0)
        return;
    const QList<QByteArray> lines = buffer.left(end).split('\n');
    Request req;
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    req.method = first.value(0);
    const QUrl target(QString::fromUtf8(first.value(1)));
    req.path = target.path();
    req.query = QUrlQuery(target.query(QUrl::FullyEncoded));
    for (int i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        const int colon = line.indexOf(':');
        if (colon > 0)
            req.headers.insert(line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed());
    }
    const int length = req.headers.value("content-length").toInt();
    if (buffer.size() < end + 4 + length)
        return;
    req.body = buffer.mid(end + 4, length);
    buffer.clear();
    requests.append(req);

    const Reply reply = m_replies.value(req.path, raw(404, "not found"));
    emit requestReceived(req.path);
    answer(socket, reply);
}

void LoopbackHttpServer::answer(QTcpSocket *socket, const Reply &reply)
{
    if (reply.mode == Mode::Hang)
        return;
    if (reply.mode == Mode::Close) {
        socket->disconnectFromHost();
        return;
    }
    QByteArray head = "HTTP/1.1 " + QByteArray::number(reply.status) + " Scripted\r\n";
    head += "Content-Type: " + reply.contentType + "\r\n";
    if (reply.sendContentLength)
        head += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
    head += "Connection: close\r\n\r\n";
    socket->write(head);

    switch (reply.mode) {
    case Mode::Truncate:
        socket->write(reply.body.left(reply.body.size() / 2));
        socket->flush();
        socket->disconnectFromHost();
        return;
    case Mode::Slow:
    case Mode::Stall: {
        const QByteArray body = reply.body;
        auto offset = std::make_shared<int>(0);
        auto *timer = new QTimer(socket);
        const bool stall = reply.mode == Mode::Stall;
        const int chunk = qMax(1, reply.chunkSize);
        connect(timer, &QTimer::timeout, socket, [socket, timer, body, offset, chunk, stall] {
            if (*offset >= body.size()) {
                timer->stop();
                socket->disconnectFromHost();
                return;
            }
            socket->write(body.mid(*offset, chunk));
            *offset += chunk;
            if (stall)
                timer->stop();
        });
        timer->start(reply.chunkDelayMs);
        return;
    }
    default:
        socket->write(reply.body);
        socket->disconnectFromHost();
    }
}
