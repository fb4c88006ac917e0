#pragma once

#include <QString>

class MainWindow;
class QDialog;
class QWidget;

// The main window's dealings with the update checker and the upgrade dialog, in one place.
namespace UpgradeLink {
// newVersion, downloadProgress, downloadComplete and downloadStop to the window's slots.
void connectSignals(MainWindow *window);
void checkUpdate(bool silentWhenLatest, bool skipIgnored);
void stopDownload();
// The dialog offering a new version; null while there is no upgrade dialog in the build.
QDialog *createDialog(QWidget *parent, const QString &version, bool isMandatory, const QString &title,
                      const QString &content);
void setProgress(QDialog *dialog, int percent);
} // namespace UpgradeLink
