#pragma once

#include <QByteArray>
#include <QString>

namespace HttpRequest {
class RawHttpInterceptor;
}

// Links to and uploads into the program's bucket of the cloud object store, signed with the
// store's query-string and header signatures (HMAC-SHA1, Base64). Endpoint, bucket and keys
// come from the ini file: "/Oss/Endpoint" (with or without scheme, https by default),
// "/Oss/Bucket", "/Oss/AccessKeyId", "/Oss/AccessKeySecret".
// Objects are addressed as <bucket>.<endpoint host>/<object>, or <endpoint>/<bucket>/<object>
// when the endpoint is an IP address.
class OssCloudHelper
{
public:
    struct Settings {
        QString endpoint;
        QString bucket;
        QString accessKeyId;
        QString accessKeySecret;
        // The first ini key that is not set, empty when all are.
        QString missingKey() const;
        static Settings fromConfig();
    };

    // A GET link valid until expires (seconds since the epoch). Empty when the store is not
    // configured; *error then names the missing key.
    static QString generatePresignedUrl(const QString &objectName, qint64 expires, QString *error = nullptr);

    // Uploads a local file as the object; the store replies with an empty 200.
    static HttpRequest::RawHttpInterceptor *uploadFile(const QString &objectName, const QString &localPath,
                                                       const QByteArray &contentType = "application/octet-stream");

    // Base64 of HMAC-SHA1(secret, stringToSign).
    static QByteArray signature(const QString &secret, const QByteArray &stringToSign);
    // The address of an object, without query.
    static QString objectUrl(const Settings &settings, const QString &objectName);
};
