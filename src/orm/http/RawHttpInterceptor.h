#pragma once

#include "orm/http/IHttpInterceptor.h"

#include <functional>

namespace HttpRequest {

// Hands the body of a 2xx reply on as it is (no envelope); transport failures and non-2xx
// replies reach the failure callback like with every other interceptor.
class RawHttpInterceptor : public IHttpInterceptor
{
public:
    using SuccessFn = std::function<void(const QByteArray &body, int httpStatus)>;
    using FailFn = std::function<void(const Response &response, int code)>;
    using CompleteFn = std::function<void()>;

    RawHttpInterceptor &success(SuccessFn fn);
    RawHttpInterceptor &fail(FailFn fn);
    RawHttpInterceptor &complete(CompleteFn fn);
    RawHttpInterceptor &context(QObject *context);

    void onSuccess(const QByteArray &body, int httpStatus) override;
    void onFailure(const Response &failure) override;
    void onComplete() override;

private:
    SuccessFn m_success;
    FailFn m_fail;
    CompleteFn m_complete;
};

} // namespace HttpRequest
