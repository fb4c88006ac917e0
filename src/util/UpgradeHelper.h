#pragma once

#include "orm/data/UpgradeInfoVO.h"

#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <QNetworkReply>

// Asks the upgrade server for the newest version and downloads its installer.
// The installer is written to "<name>.part" in the download folder and renamed when it is
// complete (and, when the server gave a size, has that size); a failed or stopped download
// leaves no file behind and says why through downloadStop.
class UpgradeHelper : public QObject
{
    Q_OBJECT
public:
    // No installer is larger: a download beyond it (or beyond the size the server gave) fails.
    static constexpr qint64 MaxDownloadBytes = qint64(1) << 30;

    static UpgradeHelper &instance();
    ~UpgradeHelper() override;

    // silentWhenLatest: no notice when there is no newer version (the start-up check).
    // skipIgnored: versions on the user's ignore list are not announced.
    void checkUpdate(bool silentWhenLatest, bool skipIgnored);
    void download();
    void stopDownload();
    bool isDownloading() const { return m_reply != nullptr; }

    // The folder of downloaded installers: "download" below the program folder when that is
    // writable, else the user's download folder.
    static QString downloadDir();
    // The version of the running program.
    static QString currentVersion();
    // True when version is newer than the running one (numeric comparison).
    static bool isNewer(const QString &version, const QString &current);
    const UpgradeInfoVO &lastInfo() const { return m_info; }

    // Tests shorten the idle time after which a silent download counts as failed.
    void setStallTimeout(int ms) { m_stallTimeoutMs = ms; }

signals:
    void newVersion(const QString &version, bool isMandatory, const QString &title, const QString &content);
    void downloadProgress(double fraction);
    void downloadComplete(const QString &path);
    void downloadStop(const QString &message);

private:
    UpgradeHelper();
    void onInfo(const UpgradeInfoVO &info, bool silentWhenLatest, bool skipIgnored);
    void onReadyRead();
    void onFinished();
    void fail(const QString &message);
    qint64 downloadLimit() const;
    void cleanUp(bool removePartial);

    UpgradeInfoVO m_info;
    QPointer<QNetworkReply> m_reply;
    QFile m_file;
    QString m_finalPath;
    qint64 m_expectedSize = 0;
    qint64 m_received = 0;
    double m_lastFraction = -1;
    QTimer m_stallTimer;
    int m_stallTimeoutMs = 60000;
    bool m_stopping = false;
};
