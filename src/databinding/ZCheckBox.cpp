#include "databinding/ZCheckBox.h"

#include <QSignalBlocker>

ZCheckBox::ZCheckBox(QWidget *parent)
    : ZCheckBox(QString(), parent)
{
}

ZCheckBox::ZCheckBox(const QString &text, QWidget *parent)
    : QCheckBox(text, parent)
{
    connect(this, &QCheckBox::toggled, this, [this](bool on) { writeField(on); });
}

void ZCheckBox::bindData()
{
    const QVariant value = fieldValue();
    if (!value.isValid())
        return;
    const QSignalBlocker blocker(this);
    setChecked(value.toBool());
}
