#pragma once

#include <QDialog>

class CodeCountdown;

namespace Ui {
class RegisterDialog;
}

// Registering a new account, or setting a new password for a forgotten one: the account,
// a code sent to it and the new password typed twice. Leads back to a new login dialog and
// deletes itself when closed.
class RegisterDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr int ReturnDelayMs = 1000;
    static constexpr int BackDelayMs = 50;

    // forgetPwdMode false: register; true: reset the password. Fixed for the dialog's life.
    explicit RegisterDialog(bool forgetPwdMode, QWidget *parent = nullptr);
    ~RegisterDialog() override;

    void setUserName(const QString &name);

public slots:
    void on_btnGetCode_clicked(bool checked = false);
    void on_btnLogin_clicked(bool checked = false);
    void on_btnGoToLogin_clicked(bool checked = false);

private:
    // The first failing field check's message, empty when the input may be sent.
    QString checkInput() const;
    void registered(const QString &message, int code);
    void passwordReset(const QString &message, int code);

    Ui::RegisterDialog *ui;
    CodeCountdown *m_countdown;
    const bool m_forgetPwdMode;
};
