#pragma once

#include "databinding/ZComboBox.h"

// A combo box of a few common colours, with swatches and names in the interface language. The
// field holds a colour name or a "#" code; a valid value that no listed colour matches is shown
// as an item of its own.
class ZColorComboBox : public ZComboBox
{
    Q_OBJECT
public:
    explicit ZColorComboBox(QWidget *parent = nullptr);

    // The chosen colour; invalid when none is chosen.
    QColor currentColor() const;
    void bindData() override;

private:
    // An item shown as its own value.
    void addColorItem(const QString &text);
    void addColorItem(const QString &text, const QString &value);
};
