#pragma once

#include <QDialog>

namespace Ui {
class QuestionBox;
}

// The program's modal question: a frameless box with a title bar, the question as plain
// text, a confirm and a cancel button. exec() gives QMessageBox::Yes on confirm and
// QMessageBox::No when the box is closed any other way.
class QuestionBox : public QDialog
{
    Q_OBJECT
public:
    explicit QuestionBox(QWidget *parent = nullptr);
    ~QuestionBox() override;

    // Plain text unless told otherwise: only the program's own texts come as rich text.
    void setText(const QString &text, Qt::TextFormat format = Qt::PlainText);
    QString text() const;

    // Answers with Yes or No and closes.
    void confirm();
    void cancel();
    // Escape and the window's close button count as "closed".
    void reject() override;

private slots:
    void on_btnOk_clicked();
    void on_btnCancel_clicked();
    void on_btnClose_clicked();

private:
    Ui::QuestionBox *ui;
};
