#pragma once

#include "orm/http/EnvelopeInterceptor.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QVector>

namespace HttpRequest {

// Reads the envelope and maps its data array to a vector of records T. A null or absent data
// is an empty list; anything else that is not an array of objects ends in the failure callback.
template <class T>
class ArrayInterceptor : public EnvelopeInterceptor<ArrayInterceptor<T>>
{
public:
    using SuccessFn = std::function<void(const Response &response, const QVector<T> &records)>;

    ArrayInterceptor &success(SuccessFn fn)
    {
        m_success = std::move(fn);
        return *this;
    }

protected:
    void onEnvelope(const Response &response) override
    {
        QJsonArray array;
        if (response.dataValue.isArray()) {
            array = response.dataValue.toArray();
        } else if (response.dataValue.isString()) {
            const QJsonDocument doc = QJsonDocument::fromJson(response.dataValue.toString().toUtf8());
            if (!doc.isArray()) {
                failMalformed(response, QStringLiteral("data text is no JSON array"));
                return;
            }
            array = doc.array();
        } else if (!response.dataValue.isNull() && !response.dataValue.isUndefined()) {
            failMalformed(response, QStringLiteral("data is no JSON array"));
            return;
        }
        QVector<T> records;
        records.reserve(array.size());
        for (const QJsonValue &v : qAsConst(array)) {
            if (!v.isObject()) {
                failMalformed(response, QStringLiteral("array element is no JSON object"));
                return;
            }
            T record;
            record.fromJson(v.toObject());
            records.append(record);
        }
        if (m_success)
            m_success(response, records);
    }

private:
    void failMalformed(const Response &response, const QString &why)
    {
        Response f = Response::failure(Response::MalformedReply, malformedReplyMessage(why), response.httpStatus);
        f.rc = response.rc;
        this->onFailure(f);
    }
    SuccessFn m_success;
};

} // namespace HttpRequest
