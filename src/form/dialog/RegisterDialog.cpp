#include "form/dialog/RegisterDialog.h"
#include "ui_RegisterDialog.h"

#include "form/dialog/AccountAgreement.h"
#include "form/dialog/ClearButtonAlignment.h"
#include "form/dialog/CodeCountdown.h"
#include "form/dialog/FirstEmptyField.h"
#include "form/dialog/LoginDialog.h"
#include "logic/businessLogic/login/LoginBL.h"
#include "qui/Toast.h"
#include "util/AppHelper.h"
#include "util/TrContexts.h"

#include <QTimer>

RegisterDialog::RegisterDialog(bool forgetPwdMode, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::RegisterDialog)
    , m_forgetPwdMode(forgetPwdMode)
{
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("  "));
    setWindowFlags(Qt::WindowFlags(7) & ~Qt::WindowContextHelpButtonHint);
    // As the login dialog: gone with its secrets once closed, and never the program's end.
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    AccountAgreement::install(ui->lbAgreement, AccountAgreement::Step::Register);
    ClearButtonAlignment::install(this);
    FirstEmptyField::install(this);
    if (m_forgetPwdMode) {
        ui->fmAgreement->hide();
        ui->btnLogin->setText(TUI::tr("找回密码"));
    }
    ui->lineFrame->hide();
    ui->thirdPartyWidget->hide();
    // Enter registers or resets: the code button is never the default, or Enter would ask
    // for a new code that replaces the one just typed.
    ui->btnGetCode->setAutoDefault(false);
    ui->btnLogin->setDefault(true);
    m_countdown = new CodeCountdown(ui->btnGetCode, this);
}

RegisterDialog::~RegisterDialog()
{
    delete ui;
}

void RegisterDialog::setUserName(const QString &name)
{
    ui->leUserName->setText(name);
}

void RegisterDialog::on_btnGetCode_clicked(bool)
{
    m_countdown->request(!m_forgetPwdMode, ui->leUserName->text());
}

QString RegisterDialog::checkInput() const
{
    if (ui->leUserName->text().isEmpty())
        return TNotify::tr("用户名不能为空!");
    if (ui->lePassword1->text().isEmpty() || ui->lePassword2->text().isEmpty())
        return TNotify::tr("密码不能为空!");
    // Exact comparison: blanks are part of a password.
    if (ui->lePassword1->text() != ui->lePassword2->text())
        return TNotify::tr("两次密码不一致, 请确认后再次输入!");
    if (!m_forgetPwdMode && !ui->cbAgreed->isChecked())
        return TNotify::tr("请同意用户协议和隐私协议!");
    return QString();
}

void RegisterDialog::on_btnLogin_clicked(bool)
{
    const QString problem = checkInput();
    if (!problem.isEmpty()) {
        Toast::instance().showMessage(1, problem, 2000);
        return;
    }
    const QString account = ui->leUserName->text();
    // The login logic refuses other accounts with its own toast and no answer; only a
    // request that will be answered holds the button, so a double click sends one.
    if (LoginBL::isMobileNumber(account) || LoginBL::isEmailAddress(account))
        ui->btnLogin->setEnabled(false);
    if (m_forgetPwdMode) {
        LoginBL::instance().resetPassword(
            account, ui->lePassword1->text(), ui->leCode->text(),
            [this](const QString &message, int code) { passwordReset(message, code); }, this);
    } else {
        LoginBL::instance().registerUser(
            account, ui->lePassword1->text(), ui->leCode->text(),
            [this](const QString &message, int code) { registered(message, code); }, this);
    }
}

void RegisterDialog::registered(const QString &message, int code)
{
    ui->btnLogin->setEnabled(true);
    if (code != 0) {
        Toast::instance().showMessage(2, message, 2000);
        return;
    }
    Toast::instance().showMessage(0, TNotify::tr("注册成功"), 2000);
    accept();
}

void RegisterDialog::passwordReset(const QString &message, int code)
{
    if (code != 0) {
        ui->btnLogin->setEnabled(true);
        Toast::instance().showMessage(2, message, 2000);
        return;
    }
    // The button stays disabled: the dialog is on its way out.
    Toast::instance().showMessage(0, TNotify::tr("重置成功, 返回登录页面登录!"), 1000);
    QTimer::singleShot(ReturnDelayMs, this, [this] {
        accept();
        auto *login = new LoginDialog(AppHelper::instance().mainWindow());
        login->show();
    });
}

void RegisterDialog::on_btnGoToLogin_clicked(bool)
{
    QTimer::singleShot(BackDelayMs, this, [this] {
        hide();
        deleteLater();
    });
    auto *login = new LoginDialog(nullptr);
    login->show();
}
