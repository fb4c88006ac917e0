#include "config/Configurations.h"

#include "logging/QsLog.h"
#include "util/AppHelper.h"

#include <QDir>
#include <QFileInfo>

Configurations &Configurations::instance()
{
    static Configurations config;
    return config;
}

Configurations::Configurations()
{
    open();
}

QString Configurations::iniPath() const
{
    return AppHelper::programDir() + QStringLiteral("/config/vellobox.ini");
}

void Configurations::open()
{
    const QString path = iniPath();
    m_settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    if (m_settings->status() == QSettings::FormatError) {
        // Keep the unreadable file for the user and go on with defaults.
        m_settings.reset();
        const QString kept = AppHelper::keepAside(path);
        QLOG_ERROR() << "ini file cannot be parsed, kept as" << kept << "- using defaults";
        m_settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    }
}

void Configurations::reload()
{
    open();
}

QVariant Configurations::value(const QString &key, const QVariant &defaultValue) const
{
    return m_settings->value(key, defaultValue);
}

bool Configurations::setValue(const QString &key, const QVariant &value)
{
    QDir().mkpath(QFileInfo(iniPath()).absolutePath());
    m_settings->setValue(key, value);
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError) {
        QLOG_ERROR() << "cannot write" << key << "to" << iniPath();
        return false;
    }
    return true;
}

namespace {
int intValue(const QVariant &v, int fallback)
{
    bool ok = false;
    const int i = v.toInt(&ok);
    return ok ? i : fallback;
}
bool boolValue(const QVariant &v, bool fallback)
{
    if (!v.isValid())
        return fallback;
    const QString s = v.toString().trimmed().toLower();
    if (s == QLatin1String("true") || s == QLatin1String("1"))
        return true;
    if (s == QLatin1String("false") || s == QLatin1String("0"))
        return false;
    return fallback;
}
} // namespace

QString Configurations::language() const
{
    const QString code = value(QStringLiteral("/Setting/Language")).toString().trimmed();
    static const QStringList known{QStringLiteral("zh"), QStringLiteral("en"), QStringLiteral("ko"),
                                   QStringLiteral("tr")};
    return known.contains(code) ? code : QString();
}

bool Configurations::setLanguage(const QString &code)
{
    const bool ok = setValue(QStringLiteral("/Setting/Language"), code);
    emit languageChanged(code);
    return ok;
}

int Configurations::logLevel() const
{
    return intValue(value(QStringLiteral("/Setting/LogLevel")), 2);
}

int Configurations::logFileMaxSizeM() const
{
    const int v = intValue(value(QStringLiteral("/Setting/LogFileMaxSizeM")), 2);
    return v > 0 ? v : 2;
}

int Configurations::logFileMaxNumber() const
{
    const int v = intValue(value(QStringLiteral("/Setting/LogFileMaxNumber")), 5);
    return v >= 0 ? v : 5;
}

int Configurations::bluetoothSearchInterval() const
{
    const int v = intValue(value(QStringLiteral("/Setting/BluetoothSearchInterval")), 30000);
    return v >= 1000 ? v : 30000;
}

bool Configurations::enableDebugUI() const
{
    return boolValue(value(QStringLiteral("/Debug/EnableDebugUI")), false);
}

bool Configurations::disableBluetooth() const
{
    return boolValue(value(QStringLiteral("/Debug/DisableBluetooth")), false);
}

int Configurations::audioValidityTime() const
{
    return intValue(value(QStringLiteral("/Debug/AudioValidityTime")), -1);
}

QString Configurations::defaultRecordPath() const
{
    return value(QStringLiteral("/UserSetting/DefaultRecordPath")).toString();
}

bool Configurations::setDefaultRecordPath(const QString &folder)
{
    return setValue(QStringLiteral("/UserSetting/DefaultRecordPath"), folder);
}

QString Configurations::ignoreVersions() const
{
    return value(QStringLiteral("/UserSetting/IgnoreVersions"), QString()).toString();
}

void Configurations::addIgnoredVersion(const QString &version)
{
    if (version.isEmpty())
        return;
    setValue(QStringLiteral("/UserSetting/IgnoreVersions"),
             ignoreVersions() + QLatin1Char('[') + version + QLatin1Char(']'));
}

QString Configurations::apiBaseUrl() const
{
    return value(QStringLiteral("/Server/ApiBaseUrl")).toString().trimmed();
}

QString Configurations::upgradeUrl() const
{
    return value(QStringLiteral("/Server/UpgradeUrl")).toString().trimmed();
}

bool Configurations::enableTransferServer() const
{
    return boolValue(value(QStringLiteral("/Transfer/Enable")), false);
}

QString Configurations::transferServerUrl() const
{
    return value(QStringLiteral("/Transfer/Url")).toString().trimmed();
}

QString Configurations::ttsServerUrl() const
{
    return value(QStringLiteral("/Server/TtsUrl")).toString().trimmed();
}
