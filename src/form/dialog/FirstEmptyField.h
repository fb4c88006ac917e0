#pragma once

#include <QList>
#include <QObject>

class QWidget;

// Puts the focus of a form, each time it is shown, in its first empty text field in tab order
// (visible, enabled and editable) that the user must fill: what the user types at once goes
// where it is missing, never onto the end of a field the program filled in, nor into a field
// that may stay empty. A form without such a field keeps its focus.
class FirstEmptyField : public QObject
{
    Q_OBJECT
public:
    // The optional fields are passed over, empty or not.
    static void install(QWidget *form, const QList<QWidget *> &optional = {});

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FirstEmptyField(QWidget *form, const QList<QWidget *> &optional);
    // The first empty field of the form in tab order that is not optional, or null.
    QWidget *of(QWidget *form) const;

    QList<QWidget *> m_optional;
};
