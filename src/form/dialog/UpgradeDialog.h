#pragma once

#include <QDialog>

namespace Ui {
class UpgradeDialog;
}

// Offers a newer version with its release notes and follows the installer download:
// upgrade, ignore, hide (the tray shows it again) and stop. A mandatory version can be
// neither ignored nor dismissed; stopping its download ends the program. The download
// itself belongs to UpgradeHelper; the main window feeds progress and removes the dialog.
class UpgradeDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr int WarningToastMs = 2000;
    static constexpr int QuitDelayMs = 500;

    explicit UpgradeDialog(QWidget *parent = nullptr);
    ~UpgradeDialog() override;

    // The title is not shown: the window title stays the dialog's own.
    void setVersionInfo(const QString &version, bool isMandatory, const QString &title, const QString &content);
    // Percent 0..100; shows the progress bar.
    void setProgress(int value);
    // Back to the offer after a failed download, so a mandatory version can be tried again.
    void showOffer();

    bool isMandatory() const { return m_isMandatory; }
    QString version() const { return m_version; }

public slots:
    void on_btnUpgrade_clicked(bool checked = false);
    void on_btnHide_clicked(bool checked = false);
    void on_btnStop_clicked(bool checked = false);
    void on_btnIgnore_clicked(bool checked = false);
    // Esc and the close button; refused for a mandatory version.
    void reject() override;

private:
    Ui::UpgradeDialog *ui;
    bool m_isMandatory = false;
    QString m_version;
};
