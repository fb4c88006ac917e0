#include "form/UpgradeLink.h"

#include "form/MainWindow.h"
#include "logging/QsLog.h"

namespace UpgradeLink {

// The update checker is not linked into the forms yet.
void connectSignals(MainWindow *)
{
}

void checkUpdate(bool, bool)
{
    QLOG_INFO() << "update check not available in this build";
}

void stopDownload()
{
}

} // namespace UpgradeLink

namespace UpgradeLink {

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
