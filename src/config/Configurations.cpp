#include "config/Configurations.h"

#include "config/IniEditor.h"

#include "logging/QsLog.h"
#include "util/AppHelper.h"
#include "util/AtomicFile.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTextCodec>
#include <fcntl.h>
#include <sys/stat.h>

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

namespace {
// True when text is UTF-8 ini text that QSettings reads whole: every line blank, a comment, a
// [section] or key=value (a line ending in "\\" continues on the next). QSettings itself skips
// what it cannot read and would drop it at the next write.
bool isIniText(const QByteArray &text, QString *why)
{
    QTextCodec::ConverterState state;
    const QString decoded = QTextCodec::codecForName("UTF-8")->toUnicode(text.constData(), text.size(), &state);
    if (state.invalidChars > 0 || text.contains('\0')) {
        *why = QStringLiteral("not UTF-8 text");
        return false;
    }
    const QStringList lines = decoded.split(QLatin1Char('\n'));
    bool continued = false;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        const bool wasContinued = continued;
        continued = line.endsWith(QLatin1Char('\\'));
        if (wasContinued || line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']')))
            continue;
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq > 0)
            continue;
        *why = QStringLiteral("line %1 is neither a section nor key=value").arg(i + 1);
        return false;
    }
    return true;
}

// QSettings keeps one copy of a file in memory and reads it again only when its size or its time
// (to the millisecond) changed: a new file of the same size written within the same clock tick
// would go unseen. Its time is put after the old file's.
void keepTimeAhead(const QString &path, const QString &temporary)
{
    struct stat old;
    struct stat now;
    const QByteArray fresh = QFile::encodeName(temporary);
    if (::stat(QFile::encodeName(path).constData(), &old) != 0 || ::stat(fresh.constData(), &now) != 0)
        return;
    const auto ms = [](const struct timespec &t) { return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000; };
    if (ms(now.st_mtim) > ms(old.st_mtim))
        return;
    const qint64 ahead = ms(old.st_mtim) + 1;
    struct timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;
    times[1].tv_sec = time_t(ahead / 1000);
    times[1].tv_nsec = long(ahead % 1000) * 1000000;
    ::utimensat(AT_FDCWD, fresh.constData(), times, AT_SYMLINK_NOFOLLOW);
}

constexpr QFileDevice::Permissions OwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
// QFile::permissions also reports the ReadUser/WriteUser bits: only these say "others".
constexpr QFileDevice::Permissions GroupOrOther = QFileDevice::ReadGroup | QFileDevice::WriteGroup
    | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
} // namespace

void Configurations::open()
{
    const QString path = iniPath();
    m_settings.reset();
    m_fileProblem.clear();
    QString why;
    QFile file(path);
    if (file.exists() && !file.open(QIODevice::ReadOnly)) {
        // Not this account's to read (a program folder shared with another), or not readable
        // now: it is nobody's broken file, and stays where it is for whoever can read it.
        m_fileProblem = QStringLiteral("ini file %1 cannot be read (%2), left as it is - using defaults")
                            .arg(path, file.errorString());
        QLOG_ERROR() << m_fileProblem;
    } else if (file.isOpen()) {
        isIniText(file.readAll(), &why);
        file.close();
        if (why.isEmpty()) {
            // QSettings parses on first access: force it, so its verdict is known now.
            QSettings probe(path, QSettings::IniFormat);
            probe.allKeys();
            if (probe.status() != QSettings::NoError)
                why = QStringLiteral("QSettings status %1").arg(int(probe.status()));
        }
        if (!why.isEmpty()) {
            // Keep the unreadable file for the user and go on with defaults.
            const QString kept = AppHelper::keepAside(path);
            m_fileProblem = QStringLiteral("ini file cannot be parsed (%1), kept as %2 - using defaults").arg(why, kept);
            QLOG_ERROR() << m_fileProblem;
        } else if ((QFile::permissions(path) & GroupOrOther) != 0) {
            // It holds the mail password and storage keys.
            QFile::setPermissions(path, OwnerOnly);
            QLOG_WARN() << "ini file was readable by others; now readable by its owner only";
        }
    }
    m_settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    m_settings->allKeys();
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
    const QString path = iniPath();
    // The file is edited as text and written whole like every other file of the program: only
    // the key's own line changes, so the user's comments and layout stay, and QSettings never
    // writes (its save reports a file a full disk cut short as saved).
    QString error;
    QFile file(path);
    if (file.exists() && !file.open(QIODevice::ReadOnly))
        error = file.errorString(); // never replaced by a file holding this one key alone
    const QByteArray current = file.isOpen() ? file.readAll() : QByteArray();
    if (file.isOpen() && file.error() != QFileDevice::NoError)
        error = file.errorString();
    file.close();
    const QByteArray next = error.isEmpty() ? IniEditor::withValue(current, key, value, &error) : QByteArray();
    // Private from its first byte: it holds the mail password.
    const QString temporary = error.isEmpty() ? AtomicFile::temporaryFor(path, next, OwnerOnly, &error) : QString();
    bool ok = !temporary.isEmpty();
    if (ok) {
        {
            // What the disk holds, read under a name no QSettings has seen, so from the file itself.
            const QSettings written(temporary, QSettings::IniFormat);
            ok = written.status() == QSettings::NoError && written.contains(key)
                && written.value(key).toString() == value.toString();
        }
        if (ok) {
            keepTimeAhead(path, temporary);
            ok = AtomicFile::replace(temporary, path, &error);
        } else {
            error = QStringLiteral("the written file does not read back");
            QFile::remove(temporary);
        }
    }
    if (!ok) {
        // The program goes on with what it had.
        QLOG_ERROR() << "cannot write" << key << "to" << path << error;
        return false;
    }
    m_settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    m_settings->allKeys();
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

QString Configurations::languageInEffect() const
{
    const QString stored = language();
    if (!stored.isEmpty())
        return stored;
    switch (QLocale::system().language()) {
    case QLocale::Chinese: return QStringLiteral("zh");
    case QLocale::Korean: return QStringLiteral("ko");
    default: return QStringLiteral("en");
    }
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
