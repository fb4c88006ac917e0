#include "util/UpgradeHelper.h"

#include "config/Configurations.h"
#include "logging/QsLog.h"
#include "orm/client/ApiClient.h"
#include "orm/http/HttpHelper.h"
#include "qui/Toast.h"
#include "util/AppHelper.h"
#include "util/TrContexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QStandardPaths>
#include <QUrl>
#include <QVersionNumber>

using namespace HttpRequest;

namespace {
constexpr qint64 ReadBufferBytes = 1024 * 1024;
}

UpgradeHelper &UpgradeHelper::instance()
{
    static UpgradeHelper helper;
    return helper;
}

UpgradeHelper::UpgradeHelper()
{
    m_stallTimer.setSingleShot(true);
    connect(&m_stallTimer, &QTimer::timeout, this, [this] {
        fail(TUI::tr("下载失败: %1").arg(TUI::tr("服务器长时间没有响应")));
    });
}

UpgradeHelper::~UpgradeHelper()
{
    if (m_reply)
        m_reply->disconnect(this);
}

QString UpgradeHelper::currentVersion()
{
    const QString v = QCoreApplication::applicationVersion();
    return v.isEmpty() ? QStringLiteral(VELLOBOX_VERSION) : v;
}

bool UpgradeHelper::isNewer(const QString &version, const QString &current)
{
    auto parse = [](QString v) {
        v = v.trimmed();
        if (v.startsWith(QLatin1Char('v'), Qt::CaseInsensitive))
            v.remove(0, 1);
        return QVersionNumber::fromString(v);
    };
    const QVersionNumber a = parse(version);
    const QVersionNumber b = parse(current);
    return !a.isNull() && QVersionNumber::compare(a, b) > 0;
}

QString UpgradeHelper::downloadDir()
{
    const QString home = AppHelper::programDir();
    if (QFileInfo(home).isWritable())
        return home + QStringLiteral("/download");
    return QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
}

void UpgradeHelper::checkUpdate(bool silentWhenLatest, bool skipIgnored)
{
    if (isDownloading()) {
        Toast::instance().showMessage(1, TNotify::tr("已有下载任务"), 2000);
        return;
    }
    ApiClient::instance()
        .getUpgradeInfo(currentVersion())
        ->context(this)
        .success([this, silentWhenLatest, skipIgnored](const Response &, const UpgradeInfoVO &info) {
            onInfo(info, silentWhenLatest, skipIgnored);
        })
        .fail([silentWhenLatest](const Response &response, int code) {
            QLOG_WARN() << "upgrade check failed:" << code << response.msg;
            if (!silentWhenLatest)
                Toast::instance().showMessage(2, TNotify::tr("检查更新失败: %1").arg(response.msg), 2000);
        });
}

void UpgradeHelper::onInfo(const UpgradeInfoVO &info, bool silentWhenLatest, bool skipIgnored)
{
    const QString current = currentVersion();
    bool offer = isNewer(info.version, current);
    if (offer && skipIgnored
        && Configurations::instance().ignoreVersions().contains(QLatin1Char('[') + info.version + QLatin1Char(']'))) {
        QLOG_INFO() << "version" << info.version << "is ignored by the user";
        offer = false;
    }
    if (!offer) {
        QLOG_INFO() << "no newer version than" << current << "(server:" << info.version << ")";
        if (!silentWhenLatest)
            Toast::instance().showMessage(1, TNotify::tr("当前版本已经是最新的，不需要更新"), 2000);
        return;
    }
    m_info = info;
    QLOG_INFO() << "new version" << info.version << (info.isMandatory ? "(mandatory)" : "");
    emit newVersion(info.version, info.isMandatory, info.title, info.content);
}

void UpgradeHelper::download()
{
    if (isDownloading()) {
        Toast::instance().showMessage(1, TNotify::tr("已有下载任务"), 2000);
        return;
    }
    const QUrl url(m_info.downloadUrl.trimmed());
    if (m_info.downloadUrl.trimmed().isEmpty() || !url.isValid()) {
        const QString msg = TNotify::tr("下载地址为空!");
        QLOG_WARN() << "download refused: no address";
        Toast::instance().showMessage(2, msg, 2000);
        emit downloadStop(msg);
        return;
    }
    const QString scheme = url.scheme().toLower();
    if ((scheme != QLatin1String("http") && scheme != QLatin1String("https")) || url.host().isEmpty()) {
        // Only a web download: a file:, ftp: or other address from the server is not followed.
        const QString msg = TUI::tr("下载失败: %1").arg(TNotify::tr("下载地址无效"));
        QLOG_WARN() << "download refused: not an http(s) address:" << HttpHelper::loggableUrl(url);
        Toast::instance().showMessage(2, msg, 2000);
        emit downloadStop(msg);
        return;
    }

    QString name = QFileInfo(url.path()).fileName();
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        name = QStringLiteral("Vellobox-%1-installer").arg(m_info.version);
    const QString dir = downloadDir();
    QDir().mkpath(dir);
    m_finalPath = dir + QLatin1Char('/') + name;
    m_file.setFileName(m_finalPath + QStringLiteral(".part"));
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        const QString msg = TUI::tr("下载失败: %1").arg(m_file.errorString());
        QLOG_ERROR() << "cannot write" << m_file.fileName() << m_file.errorString();
        emit downloadStop(msg);
        return;
    }
    m_expectedSize = m_info.fileSize > 0 ? m_info.fileSize : 0;
    m_received = 0;
    m_lastFraction = -1;
    m_stopping = false;

    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    m_reply = HttpHelper::networkManager()->get(request);
    m_reply->setReadBufferSize(ReadBufferBytes);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, [this] {
        const qint64 announced = m_reply ? m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() : 0;
        if (announced > downloadLimit())
            fail(TUI::tr("下载失败: %1").arg(TNotify::tr("文件过大")));
    });
    connect(m_reply, &QNetworkReply::readyRead, this, &UpgradeHelper::onReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &UpgradeHelper::onFinished);
    m_stallTimer.start(m_stallTimeoutMs);
    QLOG_INFO() << "downloading" << HttpHelper::loggableUrl(url) << "to" << m_file.fileName();
}

qint64 UpgradeHelper::downloadLimit() const
{
    // No more than the size the server announced for the installer, and never more than the cap.
    return m_expectedSize > 0 ? qMin(m_expectedSize, MaxDownloadBytes) : MaxDownloadBytes;
}

void UpgradeHelper::onReadyRead()
{
    if (!m_reply)
        return;
    m_stallTimer.start(m_stallTimeoutMs);
    const int http = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (http >= 300 && http < 400)
        return; // body of a redirect
    const QByteArray chunk = m_reply->readAll();
    if (http >= 400)
        return; // error page, reported when finished
    // Flushed at once: the partial file shows what has arrived.
    if (m_file.write(chunk) != chunk.size() || !m_file.flush()) {
        fail(TUI::tr("下载失败: %1").arg(m_file.errorString()));
        return;
    }
    m_received += chunk.size();
    if (m_received > downloadLimit()) {
        fail(TUI::tr("下载失败: %1").arg(TNotify::tr("文件过大")));
        return;
    }
    qint64 total = m_expectedSize;
    if (total <= 0)
        total = m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    if (total > 0) {
        const double fraction = qMin(1.0, double(m_received) / double(total));
        if (fraction != m_lastFraction) {
            m_lastFraction = fraction;
            emit downloadProgress(fraction);
        }
    }
}

void UpgradeHelper::onFinished()
{
    if (!m_reply || m_stopping)
        return;
    m_stallTimer.stop();
    onReadyRead();
    if (!m_reply)
        return; // failed while writing
    const int http = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (m_reply->error() != QNetworkReply::NoError || http < 200 || http >= 300) {
        const QString detail = http >= 300 ? HttpHelper::httpErrorMessage(http) : m_reply->errorString();
        fail(TUI::tr("下载失败: %1").arg(detail));
        return;
    }
    const qint64 contentLength = m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    const qint64 expected = m_expectedSize > 0 ? m_expectedSize : contentLength;
    if (expected > 0 && m_received != expected) {
        fail(TUI::tr("下载失败: %1").arg(TUI::tr("文件大小不符 (%1 / %2 字节)").arg(m_received).arg(expected)));
        return;
    }
    m_file.close();
    if (QFile::exists(m_finalPath))
        QFile::remove(m_finalPath);
    if (!QFile::rename(m_file.fileName(), m_finalPath)) {
        fail(TUI::tr("下载失败: %1").arg(TUI::tr("无法保存文件 %1").arg(m_finalPath)));
        return;
    }
    QFile::setPermissions(m_finalPath, QFile::permissions(m_finalPath) | QFileDevice::ExeOwner);
    cleanUp(false);
    if (m_lastFraction < 1.0)
        emit downloadProgress(1.0);
    QLOG_INFO() << "download complete:" << m_finalPath;
    emit downloadComplete(m_finalPath);
}

void UpgradeHelper::fail(const QString &message)
{
    QLOG_WARN() << "download failed:" << message;
    cleanUp(true);
    emit downloadStop(message);
}

void UpgradeHelper::stopDownload()
{
    if (!isDownloading())
        return;
    QLOG_INFO() << "download stopped by the user";
    cleanUp(true);
    emit downloadStop(TNotify::tr("下载已终止"));
}

void UpgradeHelper::cleanUp(bool removePartial)
{
    m_stallTimer.stop();
    if (m_reply) {
        QNetworkReply *reply = m_reply;
        m_reply = nullptr;
        m_stopping = true;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
        m_stopping = false;
    }
    if (m_file.isOpen())
        m_file.close();
    if (removePartial && QFile::exists(m_file.fileName()))
        QFile::remove(m_file.fileName());
}
