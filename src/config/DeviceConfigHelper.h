#pragma once

#include "config/BaseSetting.h"

#include <map>
#include <QObject>
#include <memory>

// Keeps every device's settings record by device key. Each record is written to
// config/setting/<prefix>-<hash>.json (the key itself is stored inside as "deviceKey") at once
// whenever it changes through its notifying setters. Files of the older naming
// (<percent-encoded key>.json) are still read and move to the current name.
class DeviceConfigHelper : public QObject
{
    Q_OBJECT
public:
    static DeviceConfigHelper &instance();
    ~DeviceConfigHelper() override;

    // Reads every settings file below config/setting/. A file that cannot be parsed is kept
    // aside as <name>.bad; its device gets a fresh record when it arrives.
    void load();
    // Drops every record (tests, or a reload from another folder).
    void clear();

    BaseSetting *setting(const QString &deviceKey) const;
    // Adopts the record for the key (replacing none: an existing one is returned instead),
    // writes its file and watches its changes.
    BaseSetting *addSetting(const QString &deviceKey, std::unique_ptr<BaseSetting> record);
    QStringList keys() const;

    bool save(const QString &deviceKey);
    bool saveAll();
    QString filePath(const QString &deviceKey) const;
    QString folder() const;

    // A new record of the stored class name; null for an unknown one.
    static std::unique_ptr<BaseSetting> createByType(const QString &entityType);

signals:
    void saveFailed(const QString &deviceKey, const QString &path, const QString &reason);

private:
    DeviceConfigHelper() = default;
    void watch(const QString &deviceKey, BaseSetting *record);

    struct Entry {
        std::unique_ptr<BaseSetting> record;
        int handlerId = 0;
    };
    std::map<QString, Entry> m_records;
};
