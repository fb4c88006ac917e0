#include "orm/client/BaseClient.h"

#include "config/Configurations.h"
#include "orm/http/HttpHelper.h"

BaseClient::BaseClient(const QString &baseUrlKey, const HttpRequest::EnvelopeKeys &keys)
    : m_baseUrlKey(baseUrlKey)
    , m_keys(keys)
{
}

BaseClient::~BaseClient() = default;

QString BaseClient::baseUrl() const
{
    return Configurations::instance().value(m_baseUrlKey).toString().trimmed();
}

HttpClient BaseClient::request(const QString &name) const
{
    const QString base = baseUrl();
    HttpClient client(base.isEmpty() ? QString() : HttpHelper::joinUrl(base, name));
    client.configKey(m_baseUrlKey).bearerToken(m_token);
    return client;
}

HttpClient BaseClient::requestAt(const QString &urlKey) const
{
    const QString address = Configurations::instance().value(urlKey).toString().trimmed();
    HttpClient client(address);
    client.configKey(urlKey);
    // The token is the API server's: another server (upgrade, storage) never sees it.
    const QString base = baseUrl();
    if (!base.isEmpty() && HttpHelper::sameOrigin(QUrl(base), QUrl(address)))
        client.bearerToken(m_token);
    return client;
}
