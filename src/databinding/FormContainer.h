#pragma once

#include "databinding/IZContainer.h"

#include <QStringList>
#include <QVariantList>
#include <QWidget>

class DeviceContext;
class FormItem;

// Base of the settings pages: a widget whose editors are bound to one record by field name.
// The row builders create a FormItem child of the given parent, bind its editor to the fields
// and leave placing the row to the caller.
class FormContainer : public QWidget, public IZContainer
{
    Q_OBJECT
public:
    explicit FormContainer(QWidget *parent = nullptr, const QString &validationName = QStringLiteral("Validation"));
    ~FormContainer() override;

    // Binds the context's settings record to every row; nothing without a context or record.
    void bindContextSetting(DeviceContext *context);

    // A check box whose text is the label, bound to a bool field.
    FormItem *addCheckBoxItem(const QString &label, Qt::CheckState state, QWidget *parent,
                              const QStringList &fields = QStringList());
    FormItem *addCheckBoxItem(const QString &label, bool checked, QWidget *parent,
                              const QStringList &fields = QStringList())
    {
        return addCheckBoxItem(label, checked ? Qt::Checked : Qt::Unchecked, parent, fields);
    }
    // A label and a 200 px colour combo box.
    FormItem *addComboBoxItem(const QString &label, QWidget *parent, const QStringList &fields = QStringList());
    // A label and a 220 px combo box of (text, value) items.
    FormItem *addLabeledComboBoxItem(const QString &label, const QStringList &texts, const QStringList &values,
                                     QWidget *parent, const QStringList &fields = QStringList());
    // A rich-text label and a switch; an empty field list binds the switch to nothing.
    FormItem *addImageSwitchItem(const QString &label, QWidget *parent, const QStringList &fields = QStringList());
};
