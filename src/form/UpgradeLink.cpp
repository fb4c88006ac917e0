#include "form/UpgradeLink.h"

#include "form/MainWindow.h"
#include "logging/QsLog.h"
#include "util/UpgradeHelper.h"

namespace UpgradeLink {

void connectSignals(MainWindow *window)
{
    UpgradeHelper &helper = UpgradeHelper::instance();
    QObject::connect(&helper, &UpgradeHelper::newVersion, window, &MainWindow::upgrade_newVersion);
    QObject::connect(&helper, &UpgradeHelper::downloadProgress, window, &MainWindow::upgrade_downloadProgress);
    QObject::connect(&helper, &UpgradeHelper::downloadComplete, window, &MainWindow::upgrade_downloadComplete);
    // The stop's message is not shown here: the dialog that would show it goes away.
    QObject::connect(&helper, &UpgradeHelper::downloadStop, window, [window](const QString &) {
        window->upgrade_downloadStop();
    });
}

void checkUpdate(bool silentWhenLatest, bool skipIgnored)
{
    UpgradeHelper::instance().checkUpdate(silentWhenLatest, skipIgnored);
}

void stopDownload()
{
    UpgradeHelper::instance().stopDownload();
}

// GAP: the upgrade dialog is built by a later step.
QDialog *createDialog(QWidget *, const QString &version, bool, const QString &, const QString &)
{
    QLOG_INFO() << "new version" << version << "offered; the upgrade dialog is not part of this build";
    return nullptr;
}

void setProgress(QDialog *, int)
{
}

} // namespace UpgradeLink
