#include "orm/data/Response.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <cmath>

namespace HttpRequest {

QString Response::valueAsText(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::String:
        return value.toString();
    case QJsonValue::Double: {
        const double d = value.toDouble();
        if (std::floor(d) == d && std::fabs(d) < 9.0e15)
            return QString::number(qint64(d));
        return QString::number(d, 'g', 17);
    }
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Object:
        return QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
    case QJsonValue::Array:
        return QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
    default:
        return QString();
    }
}

bool Response::parse(const QByteArray &body, const EnvelopeKeys &keys, Response *out, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (body.trimmed().isEmpty())
        return fail(QStringLiteral("empty body"));
    QJsonParseError pe;
    const QJsonDocument doc = QJsonDocument::fromJson(body, &pe);
    if (pe.error != QJsonParseError::NoError)
        return fail(QStringLiteral("not JSON: %1 at offset %2").arg(pe.errorString()).arg(pe.offset));
    if (!doc.isObject())
        return fail(QStringLiteral("JSON is not an object"));
    const QJsonObject o = doc.object();
    const QJsonValue status = o.value(keys.status);
    if (!status.isDouble())
        return fail(QStringLiteral("no integer \"%1\"").arg(keys.status));
    const double s = status.toDouble();
    if (std::floor(s) != s || std::fabs(s) > 2147483647.0)
        return fail(QStringLiteral("\"%1\" is not an integer").arg(keys.status));
    const QJsonValue msg = o.value(keys.msg);
    if (!msg.isUndefined() && !msg.isNull() && !msg.isString())
        return fail(QStringLiteral("\"%1\" is not a text").arg(keys.msg));

    Response r;
    r.status = int(s);
    r.msg = msg.toString();
    r.rc = valueAsText(o.value(keys.rc));
    r.dataValue = o.value(keys.data);
    if (r.dataValue.isUndefined())
        r.dataValue = QJsonValue(QJsonValue::Null);
    r.data = valueAsText(r.dataValue);
    *out = r;
    return true;
}

Response Response::failure(int code, const QString &message, int httpStatus)
{
    Response r;
    r.status = code == 0 ? MalformedReply : code;
    r.msg = message;
    r.httpStatus = httpStatus;
    r.dataValue = QJsonValue(QJsonValue::Null);
    return r;
}

} // namespace HttpRequest
