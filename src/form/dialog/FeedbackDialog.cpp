#include "form/dialog/FeedbackDialog.h"
#include "ui_FeedbackDialog.h"

#include "form/dialog/FirstEmptyField.h"
#include "form/dialog/LogAttachments.h"
#include "logging/QsLog.h"
#include "logic/businessLogic/login/LoginBL.h"
#include "orm/data/UserVO.h"
#include "qui/Toast.h"
#include "util/AppHelper.h"
#include "util/SmtpHelper.h"
#include "util/TrContexts.h"

FeedbackDialog::FeedbackDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::FeedbackDialog)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    ui->lbMac->setText(TUI::tr("机器标识: %1").arg(machineId()));
    if (UserVO *user = LoginBL::instance().getUser())
        ui->leUserName->setText(user->name);
    ui->btnSubmit->setupAnimation();
    ui->switchLogUpload->setChecked(true);
    // A logged-in user's name is filled in: typing starts in the first field still missing,
    // never in the mobile number, which may stay empty.
    FirstEmptyField::install(this, {ui->lePhone});
}

FeedbackDialog::~FeedbackDialog()
{
    delete ui;
}

QString FeedbackDialog::machineId()
{
    return AppHelper::getMacAddress().remove(QLatin1Char(':'));
}

QString FeedbackDialog::subject(const QString &name, const QString &phone, const QString &machineId)
{
    // One pass over the template: a "%2" typed by the user stays as typed.
    return QStringLiteral("[%1%2] [%3] 用户反馈 - QtVellobox V%4")
        .arg(name, phone.isEmpty() ? QString() : QLatin1Char('-') + phone, machineId,
             QCoreApplication::applicationVersion());
}

void FeedbackDialog::on_btnSubmit_clicked(bool)
{
    if (ui->btnSubmit->isAnimating()) {
        Toast::instance().showMessage(1, TUI::tr("邮件已经在发送中!"), ToastMs);
        return;
    }
    if (ui->leUserName->text().isEmpty()) {
        Toast::instance().showMessage(1, TUI::tr("请填写用户名, 方便售后沟通!"), ToastMs);
        return;
    }
    QString body = ui->teContent->toPlainText();
    QLOG_DEBUG() << "feedback:" << body;
    if (body.isEmpty()) {
        Toast::instance().showMessage(1, TUI::tr("请填写反馈的意见"), ToastMs);
        return;
    }
    const QString title = subject(ui->leUserName->text(), ui->lePhone->text(), machineId());
    QStringList files;
    if (ui->switchLogUpload->isChecked()) {
        const LogAttachments logs = LogAttachments::collect(AppHelper::programDir());
        files = logs.files;
        if (!logs.leftOut.isEmpty())
            body += QStringLiteral("\n\n") + logs.notice();
    }
    ui->btnSubmit->setText(TUI::tr("提交中..."));
    ui->btnSubmit->start(BlinkMs);
    // The mail waits in nested event loops: the dialog may be closed and deleted meanwhile,
    // so the callback runs only while it exists.
    SmtpHelper::sendMail(title, body, files, [this](int code, const QString &message) {
        QLOG_DEBUG() << "feedback mail:" << message;
        Toast::instance().showMessage(code > 0 ? 2 : 0, message, ToastMs);
        ui->btnSubmit->setText(TUI::tr("提交"));
        ui->btnSubmit->stop();
    }, this);
}

void FeedbackDialog::on_btnCancel_clicked(bool)
{
    close();
}
