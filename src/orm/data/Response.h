#pragma once

#include <QJsonValue>
#include <QString>

namespace HttpRequest {

// Names of the envelope keys. The maker's API replies with one JSON object:
//   { "status": <int>, "msg": <text>, "rc": <text or number>, "data": <any JSON> }
// A reply is a success when, and only when, "status" is the integer 0. "msg" is the text
// meant for the user, "rc" the server's own code, "data" the payload.
struct EnvelopeKeys {
    QString status = QStringLiteral("status");
    QString msg = QStringLiteral("msg");
    QString rc = QStringLiteral("rc");
    QString data = QStringLiteral("data");
};

// The server's reply envelope, handed to success and failure callbacks. Failures that never
// reached a well-formed envelope (no connection, timeout, HTTP error, malformed body, missing
// configuration) carry one of the negative codes below in status and a readable msg.
class Response
{
public:
    enum ErrorCode {
        Ok = 0,
        NotConfigured = -1,
        NetworkError = -2,
        Timeout = -3,
        HttpError = -4, // non-2xx status without a usable envelope
        MalformedReply = -5,
        Aborted = -6,
    };

    int status = 0;
    QString msg;
    QString rc;
    // The payload as text: strings as they are, objects and arrays as compact JSON,
    // numbers and booleans in their JSON form, null or absent as empty.
    QString data;
    // The payload as JSON, for interceptors that map it to records.
    QJsonValue dataValue;
    // HTTP status of the reply, 0 when none arrived.
    int httpStatus = 0;

    bool isSuccess() const { return status == 0; }

    // Parses an envelope. False (with a reason in *error) when the body is not a JSON object
    // or its status is missing or not an integer.
    static bool parse(const QByteArray &body, const EnvelopeKeys &keys, Response *out, QString *error);
    static Response failure(int code, const QString &message, int httpStatus = 0);
    static QString valueAsText(const QJsonValue &value);
};

} // namespace HttpRequest
