#include "orm/http/RawHttpInterceptor.h"

namespace HttpRequest {

RawHttpInterceptor &RawHttpInterceptor::success(SuccessFn fn)
{
    m_success = std::move(fn);
    return *this;
}

RawHttpInterceptor &RawHttpInterceptor::fail(FailFn fn)
{
    m_fail = std::move(fn);
    return *this;
}

RawHttpInterceptor &RawHttpInterceptor::complete(CompleteFn fn)
{
    m_complete = std::move(fn);
    return *this;
}

RawHttpInterceptor &RawHttpInterceptor::context(QObject *context)
{
    setContext(context);
    return *this;
}

void RawHttpInterceptor::onSuccess(const QByteArray &body, int httpStatus)
{
    if (m_success)
        m_success(body, httpStatus);
}

void RawHttpInterceptor::onFailure(const Response &failure)
{
    if (m_fail)
        m_fail(failure, failure.status);
}

void RawHttpInterceptor::onComplete()
{
    if (m_complete)
        m_complete();
}

} // namespace HttpRequest
