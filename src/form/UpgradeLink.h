#pragma once

#include <QString>

class MainWindow;
class QDialog;
class QWidget;

// The main window's dealings with the update checker and the upgrade dialog, in one place.
namespace UpgradeLink {
static constexpr int FailureToastMs = 2000;

// newVersion, downloadProgress, downloadComplete and downloadStop to the window's slots.
// A download that failed (rather than one the user or the exit stopped) is told with an
// error toast.
void connectSignals(MainWindow *window);
void checkUpdate(bool silentWhenLatest, bool skipIgnored);
void download();
// A stop asked for by the user or the exit; not reported as a failure.
void stopDownload();
// The dialog offering a new version.
QDialog *createDialog(QWidget *parent, const QString &version, bool isMandatory, const QString &title,
                      const QString &content);
void setProgress(QDialog *dialog, int percent);
// After a download stopped: true when the dialog stays, i.e. a mandatory version whose
// download failed goes back to its offer; the program is of no use without it.
bool keepDialogAfterStop(QDialog *dialog);
} // namespace UpgradeLink
