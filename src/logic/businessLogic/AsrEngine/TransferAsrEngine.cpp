#include "logic/businessLogic/AsrEngine/TransferAsrEngine.h"

#include "config/Configurations.h"
#include "logging/QsLog.h"
#include "util/TrContexts.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QWebSocket>

TransferAsrEngine::TransferAsrEngine(const QString &language, const QString &accent, QObject *parent)
    : StreamingAsrEngine(parent), m_language(language), m_accent(accent)
{
}

QString TransferAsrEngine::name() const
{
    return TMsg::tr("中转服务语音识别");
}

bool TransferAsrEngine::checkConfig(QString *reason) const
{
    const QUrl url(Configurations::instance().transferServerUrl());
    if (!url.isValid() || (url.scheme() != QLatin1String("ws") && url.scheme() != QLatin1String("wss"))) {
        *reason = TMsg::tr("语音中转服务未配置");
        return false;
    }
    return true;
}

QUrl TransferAsrEngine::sessionUrl() const
{
    return QUrl(Configurations::instance().transferServerUrl());
}

void TransferAsrEngine::sendStart(QWebSocket *socket)
{
    const QJsonObject start{{"type", "start"},       {"format", "pcm"},   {"rate", 16000},
                            {"bits", 16},            {"channels", 1},     {"language", m_language},
                            {"accent", m_accent}};
    socket->sendTextMessage(QString::fromUtf8(QJsonDocument(start).toJson(QJsonDocument::Compact)));
}

void TransferAsrEngine::sendAudio(QWebSocket *socket, const QByteArray &chunk, bool first)
{
    Q_UNUSED(first)
    socket->sendBinaryMessage(chunk);
}

void TransferAsrEngine::sendEnd(QWebSocket *socket)
{
    socket->sendTextMessage(QStringLiteral("{\"type\":\"end\"}"));
}

void TransferAsrEngine::parseText(const QString &message)
{
    const QJsonObject obj = QJsonDocument::fromJson(message.toUtf8()).object();
    const QString type = obj.value("type").toString();
    if (type == QLatin1String("result")) {
        sentenceResult(obj.value("text").toString(), obj.value("final").toBool());
    } else if (type == QLatin1String("finished")) {
        sessionDone();
    } else if (type == QLatin1String("error")) {
        failRun(obj.value("code").toInt(), obj.value("message").toString());
    } else {
        QLOG_WARN() << "transfer server: unknown message type" << type;
    }
}
