#pragma once

#include "support/LoopbackHttpServer.h"

// The Baidu translation service played by a loopback server.
class LoopbackTranslation
{
public:
    static constexpr char kPath[] = "/api/trans/vip/translate";

    // Points the program's translation settings at the server.
    static void configure(const LoopbackHttpServer &server, const QString &appId = QStringLiteral("app"),
                          const QString &secret = QStringLiteral("secret"));
    // The service's answer translating src into dst.
    static LoopbackHttpServer::Reply answer(const QByteArray &src, const QByteArray &dst, const QByteArray &from,
                                            const QByteArray &to);
};
