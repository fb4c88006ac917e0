#include "util/JsonHelper.h"

#include "logging/QsLog.h"

#include <QUrl>

namespace JsonHelper {

QJsonDocument parse(const QByteArray &text, bool percentDecode, QString *error)
{
    const QByteArray input = percentDecode ? QUrl::fromPercentEncoding(text).toUtf8() : text;
    QJsonParseError e{};
    const QJsonDocument doc = QJsonDocument::fromJson(input, &e);
    if (e.error != QJsonParseError::NoError) {
        QLOG_WARN() << "JSON parse error at" << e.offset << ":" << e.errorString();
        if (error)
            *error = e.errorString();
        return QJsonDocument();
    }
    return doc;
}

QJsonObject parseObject(const QByteArray &text, bool percentDecode, bool *ok)
{
    const QJsonDocument doc = parse(text, percentDecode);
    if (ok)
        *ok = doc.isObject();
    return doc.object();
}

QJsonArray parseArray(const QByteArray &text, bool percentDecode, bool *ok)
{
    const QJsonDocument doc = parse(text, percentDecode);
    if (ok)
        *ok = doc.isArray();
    return doc.array();
}

} // namespace JsonHelper
