#include "logic/businessLogic/AsrEngine/StreamingAsrEngine.h"

#include "logging/QsLog.h"
#include "util/TrContexts.h"

#include <QWebSocket>

StreamingAsrEngine::StreamingAsrEngine(QObject *parent) : IAsrEngine(parent)
{
    m_sendTimer.setInterval(m_chunkMs);
    connect(&m_sendTimer, &QTimer::timeout, this, &StreamingAsrEngine::onTick);
    m_finalTimer.setSingleShot(true);
    connect(&m_finalTimer, &QTimer::timeout, this, [this] {
        // The server never closed the session: keep what was heard and end the run.
        QLOG_WARN() << name() << "no final result in time";
        sessionDone();
    });
}

StreamingAsrEngine::~StreamingAsrEngine()
{
    closeSocket();
}

void StreamingAsrEngine::setTimings(int chunkMs, int sessionLimitMs, int finalTimeoutMs)
{
    m_chunkMs = chunkMs;
    m_sessionLimitMs = sessionLimitMs;
    m_finalTimeoutMs = finalTimeoutMs;
    m_sendTimer.setInterval(chunkMs);
}

void StreamingAsrEngine::start()
{
    clean();
    QString reason;
    if (!checkConfig(&reason)) {
        QLOG_ERROR() << name() << "cannot start:" << reason;
        setState(Disconnected);
        emit error(-1, reason);
        return;
    }
    m_running = true;
    m_committed.clear();
    m_interim.clear();
    openSession();
}

void StreamingAsrEngine::sendData(const QByteArray &pcm)
{
    QMutexLocker lock(&m_queueMutex);
    m_queue.append(pcm);
}

void StreamingAsrEngine::finish()
{
    if (!m_running)
        return;
    m_finishing = true;
    // Reached from onTick: the end marker goes out after the last queued chunk.
}

void StreamingAsrEngine::clean()
{
    m_sendTimer.stop();
    m_finalTimer.stop();
    closeSocket();
    {
        QMutexLocker lock(&m_queueMutex);
        m_queue.clear();
    }
    m_running = m_finishing = m_endSent = m_rolling = false;
    m_firstChunk = true;
    m_state = Unknown;
}

void StreamingAsrEngine::openSession()
{
    closeSocket();
    m_endSent = false;
    m_rolling = false;
    m_firstChunk = true;
    m_interim.clear();
    ++m_sessionCount;
    auto *socket = new QWebSocket(QString(), QWebSocketProtocol::VersionLatest, this);
    m_socket = socket;
    connect(socket, &QWebSocket::connected, this, [this, socket] {
        if (socket != m_socket)
            return;
        QLOG_INFO() << name() << "session" << m_sessionCount << "connected";
        setState(Connected);
        m_sessionClock.start();
        sendStart(socket);
        m_sendTimer.start();
        onTick();
    });
    connect(socket, &QWebSocket::textMessageReceived, this, [this, socket](const QString &msg) {
        if (socket == m_socket)
            parseText(msg);
    });
    connect(socket, &QWebSocket::binaryMessageReceived, this, [this, socket](const QByteArray &msg) {
        if (socket == m_socket)
            parseBinary(msg);
    });
    connect(socket, QOverload<QAbstractSocket::SocketError>::of(&QWebSocket::error), this,
            [this, socket](QAbstractSocket::SocketError code) {
                if (socket != m_socket)
                    return;
                failRun(int(code), TMsg::tr("语音识别服务连接失败：%1").arg(socket->errorString()));
            });
    connect(socket, &QWebSocket::disconnected, this, [this, socket] {
        if (socket != m_socket || !m_running)
            return;
        // Closed by the server after its final answer, or too early.
        if (m_endSent)
            sessionDone();
        else
            failRun(-2, TMsg::tr("语音识别服务断开了连接"));
    });
    const QUrl url = sessionUrl();
    QLOG_INFO() << name() << "opening session at" << url.toDisplayString(QUrl::RemoveQuery);
    socket->open(url);
}

void StreamingAsrEngine::closeSocket()
{
    if (!m_socket)
        return;
    QWebSocket *socket = m_socket;
    m_socket = nullptr;
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}

QByteArray StreamingAsrEngine::takeChunk()
{
    QMutexLocker lock(&m_queueMutex);
    // Catch up after a session change: a long backlog goes out two chunks at a time.
    const int size = m_queue.size() > 10 * ChunkBytes ? 2 * ChunkBytes : ChunkBytes;
    QByteArray chunk = m_queue.left(size);
    m_queue.remove(0, chunk.size());
    return chunk;
}

void StreamingAsrEngine::onTick()
{
    if (!m_running || !m_socket || m_socket->state() != QAbstractSocket::ConnectedState || m_endSent)
        return;
    if (!m_finishing && m_sessionClock.elapsed() >= m_sessionLimitMs) {
        QLOG_INFO() << name() << "session length reached, starting a new one";
        m_rolling = true;
        m_endSent = true;
        m_sendTimer.stop();
        sendEnd(m_socket);
        m_finalTimer.start(qMin(m_finalTimeoutMs, 3000));
        return;
    }
    const QByteArray chunk = takeChunk();
    if (!chunk.isEmpty()) {
        sendAudio(m_socket, chunk, m_firstChunk);
        m_firstChunk = false;
        if (m_state != Speeking)
            setState(Speeking);
        return;
    }
    if (m_finishing) {
        m_endSent = true;
        m_sendTimer.stop();
        sendEnd(m_socket);
        m_finalTimer.start(m_finalTimeoutMs);
    }
}

void StreamingAsrEngine::sentenceResult(const QString &text, bool final)
{
    if (!m_running)
        return;
    AsrResult result;
    result.text = text;
    if (final) {
        m_committed += text;
        m_interim.clear();
        result.isFinish = true;
    } else {
        m_interim = text;
    }
    result.finishText = m_committed;
    emit handleResult(result);
}

void StreamingAsrEngine::sessionDone(const QString &lastText)
{
    if (!m_running)
        return;
    m_finalTimer.stop();
    const bool rolling = m_rolling || !m_endSent;
    const QString text = lastText.isEmpty() ? m_interim : lastText;
    m_interim.clear();
    m_committed += text;
    AsrResult result;
    result.text = text;
    result.finishText = m_committed;
    result.isFinish = true;
    result.isCorrectFinish = !rolling;
    if (rolling) {
        emit handleResult(result);
        // More audio follows in a new session.
        openSession();
        return;
    }
    closeSocket();
    m_running = false;
    setState(Disconnected);
    emit handleResult(result);
}

void StreamingAsrEngine::failRun(int code, const QString &message)
{
    if (!m_running)
        return;
    QLOG_ERROR() << name() << "failed:" << code << message;
    m_sendTimer.stop();
    m_finalTimer.stop();
    closeSocket();
    m_running = false;
    setState(Disconnected);
    emit error(code, message);
}

void StreamingAsrEngine::setState(AsrEngineState state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChange(state);
}
