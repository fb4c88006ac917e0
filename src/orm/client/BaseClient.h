#pragma once

#include "orm/data/Response.h"
#include "orm/http/HttpClient.h"

#include <QString>

// A client of one server generation: where its base address comes from (an ini key, read at
// every request so a changed file takes effect), the names of its envelope keys and an
// optional bearer token sent with every request.
class BaseClient
{
public:
    explicit BaseClient(const QString &baseUrlKey, const HttpRequest::EnvelopeKeys &keys = {});
    virtual ~BaseClient();

    QString baseUrlKey() const { return m_baseUrlKey; }
    QString baseUrl() const;
    const HttpRequest::EnvelopeKeys &envelopeKeys() const { return m_keys; }

    void setBearerToken(const QString &token) { m_token = token; }
    bool hasBearerToken() const { return !m_token.isEmpty(); }

    // A request to base address + "/" + name; an unset base address makes it fail with
    // "not configured" naming the ini key.
    HttpClient request(const QString &name) const;
    // A request to an address read from another ini key (a full address); it carries the token
    // only when that address is on the base address's own origin.
    HttpClient requestAt(const QString &urlKey) const;

    // A new interceptor that reads this generation's envelope keys.
    template <class I> I *interceptor() const
    {
        auto *i = new I;
        i->setEnvelopeKeys(m_keys);
        return i;
    }

private:
    QString m_baseUrlKey;
    HttpRequest::EnvelopeKeys m_keys;
    QString m_token;
};
