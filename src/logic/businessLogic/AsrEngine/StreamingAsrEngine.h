#pragma once

#include "logic/businessLogic/AsrEngine/IAsrEngine.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QMutex>
#include <QPointer>
#include <QTimer>
#include <QUrl>

class QWebSocket;

// The web socket machinery the streaming engines share: one socket per session, audio sent
// in chunks (1280 bytes, 40 ms apart: real time for 16 kHz 16-bit mono), the end marker once
// the queue is empty after finish(), and a fresh session before the server's one-minute
// limit (58 s). Audio spoken while the new session opens waits in the queue.
//
// Subclasses build the session URL, speak the wire format, and report what they parse
// through sentenceResult() and sessionDone().
class StreamingAsrEngine : public IAsrEngine
{
    Q_OBJECT
public:
    static constexpr int ChunkBytes = 1280;

    explicit StreamingAsrEngine(QObject *parent = nullptr);
    ~StreamingAsrEngine() override;

    void start() override;
    void sendData(const QByteArray &pcm) override;
    void finish() override;
    void clean() override;
    AsrEngineState state() const override { return m_state; }

    // Chunk spacing, session length and the wait for the final result, in ms.
    void setTimings(int chunkMs, int sessionLimitMs, int finalTimeoutMs);
    int sessionCount() const { return m_sessionCount; }

protected:
    // False with a user-readable reason when the engine lacks its configuration.
    virtual bool checkConfig(QString *reason) const = 0;
    virtual QUrl sessionUrl() const = 0;
    virtual void sendStart(QWebSocket *socket) = 0;
    virtual void sendAudio(QWebSocket *socket, const QByteArray &chunk, bool first) = 0;
    virtual void sendEnd(QWebSocket *socket) = 0;
    virtual void parseText(const QString &message) = 0;
    virtual void parseBinary(const QByteArray &message) { Q_UNUSED(message) }

    // The current sentence of this session so far (final: it will not change).
    void sentenceResult(const QString &text, bool final);
    // The session has ended; lastText is its final sentence (empty: keep the interim one).
    void sessionDone(const QString &lastText = QString());
    void failRun(int code, const QString &message);

private:
    void openSession();
    void closeSocket();
    void onTick();
    void setState(AsrEngineState state);
    QByteArray takeChunk();

    QPointer<QWebSocket> m_socket;
    QTimer m_sendTimer;
    QTimer m_finalTimer;
    QElapsedTimer m_sessionClock;
    mutable QMutex m_queueMutex;
    QByteArray m_queue;

    AsrEngineState m_state = Unknown;
    bool m_running = false;
    bool m_finishing = false;  // finish() called: end the run once the queue is empty
    bool m_endSent = false;    // end marker of the current session sent
    bool m_rolling = false;    // session ended for its length; a new one follows
    bool m_firstChunk = true;
    QString m_committed;       // final sentences of this run
    QString m_interim;         // the open sentence
    int m_chunkMs = 40;
    int m_sessionLimitMs = 58000;
    int m_finalTimeoutMs = 10000;
    int m_sessionCount = 0;
};
