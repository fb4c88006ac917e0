#include "form/UpgradeLink.h"

#include "form/MainWindow.h"
#include "form/dialog/UpgradeDialog.h"
#include "qui/Toast.h"
#include "util/UpgradeHelper.h"

namespace UpgradeLink {
namespace {
bool s_stopAsked = false;
bool s_lastStopFailed = false;
// What the helper showed while a download was being started.
QStringList s_toldByHelper;
} // namespace

void connectSignals(MainWindow *window)
{
    UpgradeHelper &helper = UpgradeHelper::instance();
    QObject::connect(&helper, &UpgradeHelper::newVersion, window, &MainWindow::upgrade_newVersion);
    QObject::connect(&helper, &UpgradeHelper::downloadProgress, window, &MainWindow::upgrade_downloadProgress);
    QObject::connect(&helper, &UpgradeHelper::downloadComplete, window, &MainWindow::upgrade_downloadComplete);
    QObject::connect(&helper, &UpgradeHelper::downloadStop, window, [window](const QString &message) {
        s_lastStopFailed = !s_stopAsked;
        // The helper itself tells of an address it refuses: do not repeat it.
        if (s_lastStopFailed && !s_toldByHelper.contains(message))
            Toast::instance().showMessage(2, message, FailureToastMs);
        window->upgrade_downloadStop();
        s_lastStopFailed = false;
    });
}

void checkUpdate(bool silentWhenLatest, bool skipIgnored)
{
    UpgradeHelper::instance().checkUpdate(silentWhenLatest, skipIgnored);
}

void download()
{
    Toast &toast = Toast::instance();
    const QMetaObject::Connection told = QObject::connect(
        &toast, &Toast::messageShown, &toast, [](int, const QString &text, int) { s_toldByHelper << text; });
    UpgradeHelper::instance().download();
    QObject::disconnect(told);
    s_toldByHelper.clear();
}

void stopDownload()
{
    // The helper reports the stop synchronously.
    s_stopAsked = true;
    UpgradeHelper::instance().stopDownload();
    s_stopAsked = false;
}

QDialog *createDialog(QWidget *parent, const QString &version, bool isMandatory, const QString &title,
                      const QString &content)
{
    auto *dialog = new UpgradeDialog(parent);
    dialog->setVersionInfo(version, isMandatory, title, content);
    return dialog;
}

void setProgress(QDialog *dialog, int percent)
{
    if (auto *upgrade = qobject_cast<UpgradeDialog *>(dialog))
        upgrade->setProgress(percent);
}

bool keepDialogAfterStop(QDialog *dialog)
{
    auto *upgrade = qobject_cast<UpgradeDialog *>(dialog);
    if (!upgrade || !upgrade->isMandatory() || !s_lastStopFailed)
        return false;
    upgrade->showOffer();
    return true;
}
} // namespace UpgradeLink
