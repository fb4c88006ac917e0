#include "form/dialog/UpgradeDialog.h"
#include "ui_UpgradeDialog.h"

#include "config/Configurations.h"
#include "form/AppExit.h"
#include "form/UpgradeLink.h"
#include "qui/QUIHelper.h"
#include "qui/Toast.h"
#include "util/TrContexts.h"

#include <QMessageBox>

UpgradeDialog::UpgradeDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::UpgradeDialog)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    ui->pbDownload->hide();
    ui->btnStop->hide();
    ui->btnHide->hide();
}

UpgradeDialog::~UpgradeDialog()
{
    delete ui;
}

void UpgradeDialog::setVersionInfo(const QString &version, bool isMandatory, const QString &, const QString &content)
{
    m_isMandatory = isMandatory;
    m_version = version;
    ui->lbNewVersion->setText(TNotify::tr("发现新版本%1").arg(version));
    ui->lbUpgradeContent->setText(content);
    if (isMandatory)
        setWindowModality(Qt::ApplicationModal);
}

void UpgradeDialog::setProgress(int value)
{
    ui->pbDownload->show();
    ui->pbDownload->setValue(value);
}

void UpgradeDialog::showOffer()
{
    ui->pbDownload->hide();
    ui->pbDownload->setValue(0);
    ui->btnStop->hide();
    ui->btnHide->hide();
    ui->btnUpgrade->show();
    ui->btnIgnore->show();
    show();
}

void UpgradeDialog::on_btnUpgrade_clicked(bool)
{
    ui->btnUpgrade->hide();
    ui->btnIgnore->hide();
    ui->btnStop->show();
    ui->btnHide->show();
    UpgradeLink::download();
}

void UpgradeDialog::on_btnHide_clicked(bool)
{
    hide();
}

void UpgradeDialog::on_btnStop_clicked(bool)
{
    if (!m_isMandatory) {
        UpgradeLink::stopDownload();
        return;
    }
    // The program's own text, in red with its line break.
    const int answer = QUIHelper::showMessageBoxQuestion(
        TNotify::tr("<font color='red'>版本有重大更新,<br> 不更新的情况下无法使用!</font>"), Qt::RichText);
    // The question waits in its own event loop: the download may have ended meanwhile and the
    // main window deleted this dialog. Nothing below touches it.
    if (answer != QMessageBox::Yes)
        return;
    UpgradeLink::stopDownload();
    AppExit::quitLater(QuitDelayMs);
}

void UpgradeDialog::on_btnIgnore_clicked(bool)
{
    if (m_isMandatory) {
        Toast::instance().showMessage(1, TNotify::tr("最新版本有重大升级, 无法忽略, 请更新最新版本"), WarningToastMs);
        return;
    }
    Configurations::instance().addIgnoredVersion(m_version);
    QDialog::reject();
}

void UpgradeDialog::reject()
{
    if (m_isMandatory) {
        Toast::instance().showMessage(1, TNotify::tr("最新版本有重大升级, 更新之前无法使用, 请更新最新版本"),
                                      WarningToastMs);
        return;
    }
    QDialog::reject();
}
