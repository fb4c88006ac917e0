#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

// JSON parsing with logged errors and optional percent-decoding of the input.
namespace JsonHelper {
// Null document (logged) when the text is no JSON.
QJsonDocument parse(const QByteArray &text, bool percentDecode = false, QString *error = nullptr);
QJsonObject parseObject(const QByteArray &text, bool percentDecode = false, bool *ok = nullptr);
QJsonArray parseArray(const QByteArray &text, bool percentDecode = false, bool *ok = nullptr);
} // namespace JsonHelper
