#pragma once

#include "databinding/IZWidget.h"

#include <QComboBox>

// A combo box whose items carry the stored values as user data. Bound, it shows the item whose
// value equals the field and writes the chosen item's value when the user picks another item.
// Typed text that matches no item is never stored.
class ZComboBox : public QComboBox, public IZWidget
{
    Q_OBJECT
public:
    explicit ZComboBox(QWidget *parent = nullptr);

    // Replaces the items; nothing is written.
    void setItems(const QStringList &texts, const QStringList &values);
    // The same with values of any type (ints, doubles).
    void setItemValues(const QStringList &texts, const QVariantList &values);
    // Index of the first item whose value equals the given one (numbers as numbers, colours
    // as colours), or -1.
    int findValue(const QVariant &value) const;
    // Selects that item, or none, with signals blocked.
    void selectByData(const QVariant &value);

    void bindData() override;

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    void onIndexChanged(int index);
};
