#pragma once

#include "logic/businessLogic/AsrEngine/StreamingAsrEngine.h"

// The maker's speech-transfer server ("/Transfer/Url", ws:// or wss://).
//
// Wire protocol, one web socket per session:
//   client text    {"type":"start","format":"pcm","rate":16000,"bits":16,"channels":1,
//                   "language":"zh_cn","accent":"mandarin"}
//   client binary  raw PCM, in order
//   client text    {"type":"end"}
//   server text    {"type":"result","text":"<sentence so far>","final":false|true}
//   server text    {"type":"finished"}                   the session is over (then it closes)
//   server text    {"type":"error","code":<int>,"message":"<text>"}
class TransferAsrEngine : public StreamingAsrEngine
{
    Q_OBJECT
public:
    TransferAsrEngine(const QString &language, const QString &accent, QObject *parent = nullptr);
    QString name() const override;

protected:
    bool checkConfig(QString *reason) const override;
    QUrl sessionUrl() const override;
    void sendStart(QWebSocket *socket) override;
    void sendAudio(QWebSocket *socket, const QByteArray &chunk, bool first) override;
    void sendEnd(QWebSocket *socket) override;
    void parseText(const QString &message) override;

private:
    QString m_language;
    QString m_accent;
};
