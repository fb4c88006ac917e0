#pragma once

#include "logic/businessLogic/AsrEngine/StreamingAsrEngine.h"

#include <QDateTime>
#include <QMap>

// iFlytek IAT streaming dictation over its web socket API, with dynamic correction
// ("dwa": "wpgs"): results replace earlier ones by sequence number.
// Configuration: "/Xf/IatUrl" (e.g. wss://iat-api.xfyun.cn/v2/iat), "/Xf/AppId",
// "/Xf/ApiKey", "/Xf/ApiSecret".
class XfIatAsrEngine : public StreamingAsrEngine
{
    Q_OBJECT
public:
    XfIatAsrEngine(const QString &language, const QString &accent, QObject *parent = nullptr);
    QString name() const override;

    // The documented request signing: HMAC-SHA256 over "host", "date" and the request line,
    // keyed with the API secret, carried in the query as authorization, date and host.
    static QUrl signedUrl(const QUrl &base, const QString &apiKey, const QString &apiSecret,
                          const QDateTime &utc);
    static QString rfc1123(const QDateTime &utc);

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
    QMap<int, QString> m_segments; // by sequence number, this session
};
