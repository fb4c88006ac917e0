#include "device/ContextContainer.h"

#include "config/BaseSetting.h"
#include "device/DeviceContext.h"

ContextContainer::~ContextContainer() = default;

QVariant ContextContainer::settingValue(const QString &field) const
{
    if (!m_context || !m_context->setting)
        return QVariant();
    return m_context->setting->value(field);
}
