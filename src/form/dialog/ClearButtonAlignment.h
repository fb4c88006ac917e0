#pragma once

#include <QObject>

class QLineEdit;
class QWidget;

// Keeps a line edit's clear button level with its text. The line edit centres the button in
// its whole height, while a style-sheet margin moves the text box down: the button then sits
// above the text. The alignment re-centres it on the text box each time the line edit places it.
class ClearButtonAlignment : public QObject
{
    Q_OBJECT
public:
    // Aligns the clear buttons of every line edit below the widget that has one.
    static void install(QWidget *root);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit ClearButtonAlignment(QLineEdit *edit);
    void align(QWidget *button) const;

    QLineEdit *m_edit;
};
