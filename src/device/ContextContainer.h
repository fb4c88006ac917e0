#pragma once

#include <QVariant>

class DeviceContext;

// Holds the current device context of a page, panel or window.
class ContextContainer
{
public:
    virtual ~ContextContainer();
    virtual void setContext(DeviceContext *context) { m_context = context; }
    DeviceContext *context() const { return m_context; }
    // The named field of the context's settings record; invalid without a context, a record
    // or the field.
    QVariant settingValue(const QString &field) const;

private:
    DeviceContext *m_context = nullptr;
};
