#pragma once

#include <QObject>
#include <QSettings>
#include <QVariant>
#include <memory>

// The application settings in config/vellobox.ini below the program folder.
// Reading never writes a default back; only the setters write, at once.
class Configurations : public QObject
{
    Q_OBJECT
public:
    static Configurations &instance();

    // Re-reads the file (the program folder may have changed, as in tests).
    void reload();
    QString iniPath() const;
    // What the last read found wrong with the file (unreadable, or kept aside), for the log: the
    // start reads the file before its log is set up. Empty when nothing was.
    QString fileProblem() const { return m_fileProblem; }

    QVariant value(const QString &key, const QVariant &defaultValue = QVariant()) const;
    // Writes one key at once; false (logged) when the file cannot be written.
    bool setValue(const QString &key, const QVariant &value);

    // [Setting]
    QString language() const; // "zh", "en", "ko", "tr" or empty when none is stored
    // The language the interface runs in: the stored one, else the system's (Chinese,
    // Korean, or English).
    QString languageInEffect() const;
    bool setLanguage(const QString &code);
    int logLevel() const;
    int logFileMaxSizeM() const;
    int logFileMaxNumber() const;
    int bluetoothSearchInterval() const; // ms between Bluetooth rescans

    // [Debug]
    bool enableDebugUI() const;
    bool disableBluetooth() const;
    int audioValidityTime() const; // seconds a share link stays valid; -1 for the default

    // [UserSetting]
    QString defaultRecordPath() const;
    bool setDefaultRecordPath(const QString &folder);
    QString ignoreVersions() const;
    void addIgnoredVersion(const QString &version);

    // [Server], [Transfer], [Oss], [Mail]: the maker's services and accounts. None has a
    // built-in value; a missing one makes its caller fail with "not configured".
    QString apiBaseUrl() const;
    QString upgradeUrl() const;
    bool enableTransferServer() const;
    QString transferServerUrl() const;
    QString ttsServerUrl() const;

signals:
    void languageChanged(const QString &code);

private:
    Configurations();
    void open();

    std::unique_ptr<QSettings> m_settings;
    QString m_fileProblem;
};
