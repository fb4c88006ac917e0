#pragma once

#include "config/BaseSetting.h"
#include "config/DeviceConfigHelper.h"
#include "device/DeviceContext.h"
#include "support/TestHome.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QVariantMap>

#include <memory>

// A connected device as the pages see it: a real context whose settings record is kept by the
// settings store in a temporary program folder, so every notified change reaches its file.
class DevicePageHome
{
public:
    // The record gets the given field values before the store adopts it (a file as found).
    explicit DevicePageHome(std::unique_ptr<BaseSetting> record, const QVariantMap &fields = {})
    {
        for (auto it = fields.cbegin(); it != fields.cend(); ++it)
            record->setValue(it.key(), it.value());
        context.setting = DeviceConfigHelper::instance().addSetting(key, std::move(record));
    }

    BaseSetting *setting() const { return context.setting; }
    QByteArray fileBytes() const { return home.read(relativeFile()); }
    // The record as stored on disk.
    QJsonObject stored() const { return QJsonDocument::fromJson(fileBytes()).object(); }
    QString relativeFile() const
    {
        return QDir(home.path()).relativeFilePath(DeviceConfigHelper::instance().filePath(key));
    }

    TestHome home;
    const QString key = QStringLiteral("page-test-device");
    DeviceContext context;
};
