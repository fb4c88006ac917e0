#include "orm/http/IHttpInterceptor.h"

namespace HttpRequest {

IHttpInterceptor::~IHttpInterceptor() = default;

void IHttpInterceptor::setContext(QObject *context)
{
    m_context = context;
    m_hasContext = context != nullptr;
}

} // namespace HttpRequest
