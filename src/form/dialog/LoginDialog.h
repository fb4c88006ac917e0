#pragma once

#include <QDialog>

class CodeCountdown;

namespace Ui {
class LoginDialog;
}

// Sign-in to the maker's account service, with a password or with a code sent to the
// account, and the ways to the register and reset-password dialogs. The server work is the
// login logic's; the dialog deletes itself when closed, taking the typed secrets with it.
class LoginDialog : public QDialog
{
    Q_OBJECT
public:
    explicit LoginDialog(QWidget *parent = nullptr);
    ~LoginDialog() override;

public slots:
    void on_btnLogin1_clicked(bool checked = false);
    void on_btnGetCode_clicked(bool checked = false);
    void on_leUserName1_textChanged(const QString &arg1);
    void on_leUserName2_textChanged(const QString &arg1);

private:
    // Opens the register dialog in either mode in place of this one.
    void openRegisterDialog(bool forgetPwdMode);

    Ui::LoginDialog *ui;
    CodeCountdown *m_countdown;
};
