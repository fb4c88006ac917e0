#pragma once

#include "orm/http/EnvelopeInterceptor.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace HttpRequest {

// Reads the envelope and maps its data object to one record T (a DataCore). Data that is no
// JSON object (or text holding one) ends in the failure callback.
template <class T>
class DataInterceptor : public EnvelopeInterceptor<DataInterceptor<T>>
{
public:
    using SuccessFn = std::function<void(const Response &response, const T &record)>;

    DataInterceptor &success(SuccessFn fn)
    {
        m_success = std::move(fn);
        return *this;
    }

protected:
    void onEnvelope(const Response &response) override
    {
        QJsonObject object;
        if (response.dataValue.isObject()) {
            object = response.dataValue.toObject();
        } else if (response.dataValue.isString()) {
            const QJsonDocument doc = QJsonDocument::fromJson(response.dataValue.toString().toUtf8());
            if (!doc.isObject()) {
                failMalformed(response, QStringLiteral("data text is no JSON object"));
                return;
            }
            object = doc.object();
        } else {
            failMalformed(response, QStringLiteral("data is no JSON object"));
            return;
        }
        T record;
        record.fromJson(object);
        if (m_success)
            m_success(response, record);
    }

private:
    void failMalformed(const Response &response, const QString &why)
    {
        Response f = Response::failure(Response::MalformedReply, malformedReplyMessage(why), response.httpStatus);
        f.rc = response.rc;
        f.data = response.data;
        f.dataValue = response.dataValue;
        this->onFailure(f);
    }
    SuccessFn m_success;
};

} // namespace HttpRequest
