#include "LoopbackTranslation.h"

#include "config/Configurations.h"

void LoopbackTranslation::configure(const LoopbackHttpServer &server, const QString &appId, const QString &secret)
{
    auto &config = Configurations::instance();
    config.setValue("/Baidu/TranslateUrl", server.url(QLatin1String(kPath)));
    config.setValue("/Baidu/AppId", appId);
    config.setValue("/Baidu/Secret", secret);
}

LoopbackHttpServer::Reply LoopbackTranslation::answer(const QByteArray &src, const QByteArray &dst,
                                                      const QByteArray &from, const QByteArray &to)
{
    return LoopbackHttpServer::raw(200,
                                   R"({"from":")" + from + R"(","to":")" + to + R"(","trans_result":[{"src":")" + src
                                       + R"(","dst":")" + dst + R"("}]})",
                                   "application/json");
}
