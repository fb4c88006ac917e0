#pragma once

#include <QDialog>

namespace Ui {
class FeedbackDialog;
}

// The settings-menu dialog "意见反馈": contact name, optional mobile number and feedback
// text go to support in one mail, with the logs and crash dumps attached when the user
// allows it. The machine identifier (MAC address without colons) is shown and sent along.
// The submit button blinks while the mail is on its way and refuses a second press.
class FeedbackDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr int ToastMs = 2000;
    static constexpr int BlinkMs = 100;

    explicit FeedbackDialog(QWidget *parent = nullptr);
    ~FeedbackDialog() override;

    // The mail subject: contact name and number, machine identifier, program version.
    static QString subject(const QString &name, const QString &phone, const QString &machineId);
    static QString machineId();

public slots:
    void on_btnSubmit_clicked(bool checked = false);
    void on_btnCancel_clicked(bool checked = false);

private:
    Ui::FeedbackDialog *ui;
};
