#include "databinding/IZWidget.h"

#include "databinding/IZContainer.h"
#include "orm/data/DataCore.h"

IZWidget::~IZWidget()
{
    if (m_owner)
        m_owner->removeBindWidget(this);
}

QVariant IZWidget::fieldValue() const
{
    const QString field = bindField();
    if (!m_record || field.isEmpty())
        return QVariant();
    return m_record->value(field);
}

bool IZWidget::writeField(const QVariant &value)
{
    const QString field = bindField();
    if (!m_record || field.isEmpty() || !value.isValid())
        return false;
    // setValue is virtual: a NotifyData record tells its handlers (and so its settings file).
    return m_record->setValue(field, value);
}
