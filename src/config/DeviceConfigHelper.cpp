#include "config/DeviceConfigHelper.h"

#include "config/MouseSetting.h"
#include "config/PointerSetting.h"
#include "logging/QsLog.h"
#include "util/AppHelper.h"
#include "util/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

namespace {
const QString DeviceKeyField = QStringLiteral("deviceKey");
constexpr int PrefixChars = 40;

// Device keys may hold any character and be long (product names in any script): the file
// name is a readable ASCII prefix plus a hash of the whole key, well under any name limit.
// The key itself is kept inside the file.
QString fileNameOf(const QString &key)
{
    QString prefix;
    for (const QChar c : key) {
        if (prefix.size() >= PrefixChars)
            break;
        const bool plain = c.unicode() < 128 && (c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('.'));
        prefix += plain ? c : QLatin1Char('_');
    }
    const QByteArray hash = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return prefix + QLatin1Char('-') + QString::fromLatin1(hash) + QStringLiteral(".json");
}
// The key of a file written before the key was kept inside: its percent-encoded name.
QString legacyKeyOf(const QString &baseName)
{
    return QUrl::fromPercentEncoding(baseName.toUtf8());
}
} // namespace

DeviceConfigHelper &DeviceConfigHelper::instance()
{
    static DeviceConfigHelper helper;
    return helper;
}

DeviceConfigHelper::~DeviceConfigHelper() = default;

QString DeviceConfigHelper::folder() const
{
    return AppHelper::programDir() + QStringLiteral("/config/setting");
}

QString DeviceConfigHelper::filePath(const QString &deviceKey) const
{
    return folder() + QLatin1Char('/') + fileNameOf(deviceKey);
}

std::unique_ptr<BaseSetting> DeviceConfigHelper::createByType(const QString &entityType)
{
    if (entityType == PointerSetting::staticEntityType())
        return std::make_unique<PointerSetting>();
    if (entityType == MouseSetting::staticEntityType())
        return std::make_unique<MouseSetting>();
    if (entityType == BaseSetting::staticEntityType())
        return std::make_unique<BaseSetting>();
    return nullptr;
}

void DeviceConfigHelper::clear()
{
    m_records.clear();
}

void DeviceConfigHelper::load()
{
    clear();
    QDir dir(folder());
    const QStringList files = dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    for (const QString &name : files) {
        const QString path = dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            QLOG_ERROR() << "cannot read settings file" << path;
            continue;
        }
        QJsonParseError error{};
        const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
        file.close();
        std::unique_ptr<BaseSetting> record;
        if (error.error == QJsonParseError::NoError && doc.isObject())
            record = createByType(DataCore::entityTypeOf(doc.object()));
        if (!record) {
            const QString kept = AppHelper::keepAside(path);
            QLOG_ERROR() << "settings file cannot be used:" << path
                         << (error.error != QJsonParseError::NoError ? error.errorString()
                                                                     : QStringLiteral("unknown record type"))
                         << "- kept as" << kept;
            continue;
        }
        record->fromJson(doc.object());
        const QString stored = doc.object().value(DeviceKeyField).toString();
        const QString key = stored.isEmpty() ? legacyKeyOf(QFileInfo(name).completeBaseName()) : stored;
        if (m_records.count(key)) {
            QLOG_WARN() << "second settings file for device" << key << "ignored:" << path;
            continue;
        }
        BaseSetting *raw = record.get();
        m_records[key] = Entry{std::move(record), 0};
        watch(key, raw);
        QLOG_INFO() << "loaded settings of device" << key;
        // A file of the older naming moves to the current name once its copy is written.
        if (QFileInfo(path).absoluteFilePath() != QFileInfo(filePath(key)).absoluteFilePath() && save(key))
            QFile::remove(path);
    }
}

BaseSetting *DeviceConfigHelper::setting(const QString &deviceKey) const
{
    const auto it = m_records.find(deviceKey);
    return it == m_records.end() ? nullptr : it->second.record.get();
}

BaseSetting *DeviceConfigHelper::addSetting(const QString &deviceKey, std::unique_ptr<BaseSetting> record)
{
    if (BaseSetting *existing = setting(deviceKey))
        return existing;
    if (!record)
        return nullptr;
    BaseSetting *raw = record.get();
    m_records[deviceKey] = Entry{std::move(record), 0};
    watch(deviceKey, raw);
    save(deviceKey);
    return raw;
}

void DeviceConfigHelper::watch(const QString &deviceKey, BaseSetting *record)
{
    m_records[deviceKey].handlerId = record->addNotifyHandler(
        [this, deviceKey](const QString &, const QVariant &, const QVariant &) { save(deviceKey); });
}

bool DeviceConfigHelper::save(const QString &deviceKey)
{
    BaseSetting *record = setting(deviceKey);
    if (!record)
        return false;
    const QString path = filePath(deviceKey);
    QDir().mkpath(folder());
    const auto failed = [&](const QString &reason) {
        QLOG_ERROR() << "cannot write settings file" << path << reason;
        emit saveFailed(deviceKey, path, reason);
        return false;
    };
    // A save writes through a symbolic link to whatever it points at: a link planted in
    // place of the file is removed, so that a regular file takes its place.
    if (QFileInfo(path).isSymLink()) {
        QFile link(path);
        if (!link.remove())
            return failed(QStringLiteral("a symbolic link stands in its place: ") + link.errorString());
        QLOG_WARN() << "settings file" << path << "was a symbolic link; replaced by a regular file";
    }
    QJsonObject object = record->toJson();
    object.insert(DeviceKeyField, deviceKey);
    QString error;
    if (!AtomicFile::write(path, QJsonDocument(object).toJson(QJsonDocument::Indented), &error))
        return failed(error);
    return true;
}

QStringList DeviceConfigHelper::keys() const
{
    QStringList out;
    for (const auto &entry : m_records)
        out << entry.first;
    return out;
}

bool DeviceConfigHelper::saveAll()
{
    bool ok = true;
    for (const auto &entry : m_records)
        ok = save(entry.first) && ok;
    return ok;
}
