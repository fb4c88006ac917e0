#include "form/dialog/LoginDialog.h"
#include "ui_LoginDialog.h"

#include "form/dialog/AccountAgreement.h"
#include "form/dialog/ClearButtonAlignment.h"
#include "form/dialog/CodeCountdown.h"
#include "form/dialog/FirstEmptyField.h"
#include "form/dialog/RegisterDialog.h"
#include "logic/businessLogic/login/LoginBL.h"
#include "qui/Toast.h"
#include "util/TrContexts.h"

#include <QMouseEvent>

LoginDialog::LoginDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::LoginDialog)
{
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("  "));
    setWindowFlags(Qt::WindowFlags(7) & ~Qt::WindowContextHelpButtonHint);
    // A new dialog is made for every opening; a closed one would only keep the typed
    // password. Closing it never ends the program, even with the main window hidden.
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    ui->lineFrame->hide();
    ui->thirdPartyWidget->hide();
    // Enter signs in: the code button is never the default, or Enter would ask for a new code
    // that replaces the one just typed.
    ui->btnGetCode->setAutoDefault(false);
    ui->btnLogin1->setDefault(true);
    // Typing starts in the account, whichever tab shows: on the tab strip the account typed
    // at once would be lost, and the password after a Tab would land in the account field.
    ui->leUserName1->setFocus();
    connect(ui->tabWidget, &QTabWidget::currentChanged, this,
            [this](int index) { (index == 0 ? ui->leUserName1 : ui->leUserName2)->setFocus(); });
    m_countdown = new CodeCountdown(ui->btnGetCode, this);
    connect(ui->lbToRegister, &ClickableLabel::clicked, this, [this] { openRegisterDialog(false); });
    connect(ui->lbToForgetPwd, &ClickableLabel::clicked, this, [this] { openRegisterDialog(true); });
    AccountAgreement::install(ui->lbAgreement);
    ClearButtonAlignment::install(this);
    FirstEmptyField::install(this);
}

LoginDialog::~LoginDialog()
{
    delete ui;
}

void LoginDialog::on_btnLogin1_clicked(bool)
{
    if (!ui->cbAgreed->isChecked()) {
        Toast::instance().showMessage(1, TNotify::tr("请同意用户协议和隐私协议!"), 2000);
        return;
    }
    QString account;
    QString password;
    QString code;
    // Each tab gives its own secret only: the code tab never sends the password tab's password.
    if (ui->tabWidget->currentIndex() != 0) {
        account = ui->leUserName2->text();
        code = ui->leCode->text();
    } else {
        account = ui->leUserName1->text();
        password = ui->lePassword->text();
    }
    // The login logic refuses incomplete input with its own toast and no answer; only a
    // request that will be answered holds the button.
    const bool sends = !account.isEmpty() && !(password.isEmpty() && code.isEmpty());
    if (sends)
        ui->btnLogin1->setEnabled(false);
    LoginBL::instance().login(
        account, password, code,
        [this](const QString &message, int result) {
            ui->btnLogin1->setEnabled(true);
            if (result != 0) {
                Toast::instance().showMessage(2, message, 2000);
                return;
            }
            Toast::instance().showMessage(0, TNotify::tr("登录成功"), 2000);
            accept();
        },
        this);
}

void LoginDialog::on_btnGetCode_clicked(bool)
{
    m_countdown->request(false, ui->leUserName2->text());
}

void LoginDialog::on_leUserName1_textChanged(const QString &arg1)
{
    // Setting the text a field already holds emits nothing, so the pair does not loop.
    ui->leUserName2->setText(arg1);
}

void LoginDialog::on_leUserName2_textChanged(const QString &arg1)
{
    ui->leUserName1->setText(arg1);
}

void LoginDialog::openRegisterDialog(bool forgetPwdMode)
{
    auto *dialog = new RegisterDialog(forgetPwdMode, parentWidget());
    if (forgetPwdMode)
        dialog->setUserName(ui->leUserName1->text());
    dialog->show();
    close();
}
