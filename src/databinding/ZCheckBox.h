#pragma once

#include "databinding/IZWidget.h"

#include <QCheckBox>

// A check box bound to a bool field.
class ZCheckBox : public QCheckBox, public IZWidget
{
    Q_OBJECT
public:
    explicit ZCheckBox(QWidget *parent = nullptr);
    explicit ZCheckBox(const QString &text, QWidget *parent = nullptr);

    void bindData() override;
};
