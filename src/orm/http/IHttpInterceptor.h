#pragma once

#include "orm/data/Response.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>

namespace HttpRequest {

// Receives the outcome of one HttpClient request on the GUI thread: first onSuccess (an HTTP
// 2xx reply arrived) or onFailure (no usable reply), then onComplete. The client owns the
// interceptor and deletes it after onComplete.
//
// Callbacks are tied to an optional context object: once a context was set and has been
// deleted, the client calls none of them, so a closed page is never touched.
class IHttpInterceptor
{
public:
    virtual ~IHttpInterceptor();

    void setContext(QObject *context);
    // True when a context was set and no longer exists.
    bool isContextGone() const { return m_hasContext && m_context.isNull(); }

    void setEnvelopeKeys(const EnvelopeKeys &keys) { m_keys = keys; }
    const EnvelopeKeys &envelopeKeys() const { return m_keys; }

    virtual void onSuccess(const QByteArray &body, int httpStatus) = 0;
    virtual void onFailure(const Response &failure) = 0;
    virtual void onComplete() = 0;

protected:
    EnvelopeKeys m_keys;

private:
    QPointer<QObject> m_context;
    bool m_hasContext = false;
};

} // namespace HttpRequest
