#pragma once

#include "databinding/ZComboBox.h"

// A combo box of the named colours with swatches. The field holds a colour name or a "#" code;
// a valid code that no name matches is shown as an item of its own.
class ZColorComboBox : public ZComboBox
{
    Q_OBJECT
public:
    explicit ZColorComboBox(QWidget *parent = nullptr);

    // The chosen colour; invalid when none is chosen.
    QColor currentColor() const;
    void bindData() override;

private:
    void addColorItem(const QString &text);
};
