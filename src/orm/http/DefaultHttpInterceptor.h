#pragma once

#include "orm/http/EnvelopeInterceptor.h"

namespace HttpRequest {

// Reads the envelope and hands it on; the payload stays text (Response::data).
class DefaultHttpInterceptor : public EnvelopeInterceptor<DefaultHttpInterceptor>
{
public:
    using SuccessFn = std::function<void(const Response &response)>;

    DefaultHttpInterceptor &success(SuccessFn fn)
    {
        m_success = std::move(fn);
        return *this;
    }

protected:
    void onEnvelope(const Response &response) override
    {
        if (m_success)
            m_success(response);
    }

private:
    SuccessFn m_success;
};

} // namespace HttpRequest
