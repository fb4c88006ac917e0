#pragma once

#include "orm/http/IHttpInterceptor.h"

#include <functional>

namespace HttpRequest {

// Common part of the interceptors that read the reply envelope: the failure and completion
// callbacks, and the envelope check. Derived classes hand a successful envelope (status 0)
// to their own success callback through onEnvelope.
template <class Derived>
class EnvelopeInterceptor : public IHttpInterceptor
{
public:
    using FailFn = std::function<void(const Response &response, int code)>;
    using CompleteFn = std::function<void()>;

    Derived &fail(FailFn fn)
    {
        m_fail = std::move(fn);
        return self();
    }
    Derived &complete(CompleteFn fn)
    {
        m_complete = std::move(fn);
        return self();
    }
    Derived &context(QObject *context)
    {
        setContext(context);
        return self();
    }

    void onSuccess(const QByteArray &body, int httpStatus) override
    {
        Response r;
        QString why;
        if (!Response::parse(body, m_keys, &r, &why)) {
            onFailure(Response::failure(Response::MalformedReply, malformedMessage(why), httpStatus));
            return;
        }
        r.httpStatus = httpStatus;
        if (!r.isSuccess()) {
            onFailure(r);
            return;
        }
        onEnvelope(r);
    }
    void onFailure(const Response &failure) override
    {
        if (m_fail)
            m_fail(failure, failure.status);
    }
    void onComplete() override
    {
        if (m_complete)
            m_complete();
    }

protected:
    virtual void onEnvelope(const Response &response) = 0;
    static QString malformedMessage(const QString &why);

private:
    Derived &self() { return static_cast<Derived &>(*this); }
    FailFn m_fail;
    CompleteFn m_complete;
};

// The user-visible text of a reply that is no envelope; the reason goes to the log.
QString malformedReplyMessage(const QString &why);

template <class Derived>
QString EnvelopeInterceptor<Derived>::malformedMessage(const QString &why)
{
    return malformedReplyMessage(why);
}

} // namespace HttpRequest
