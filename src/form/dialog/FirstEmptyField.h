#pragma once

#include <QObject>

class QWidget;

// Puts the focus of a form, each time it is shown, in its first empty text field in tab order
// (visible, enabled and editable): what the user types at once goes where it is missing, never
// onto the end of a field the program filled in. A form without an empty field keeps its focus.
class FirstEmptyField : public QObject
{
    Q_OBJECT
public:
    static void install(QWidget *form);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit FirstEmptyField(QWidget *form);
    // The first empty text field of the form in tab order, or null.
    static QWidget *of(QWidget *form);
};
