#pragma once

#include <QDialog>

namespace Ui {
class ProgressDialog;
}

// A modal one-line status window, shown while a recording is saved.
class ProgressDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ProgressDialog(QWidget *parent = nullptr);
    ~ProgressDialog() override;

    void setStatusText(const QString &text);
    QString statusText() const;

private:
    Ui::ProgressDialog *ui;
};
