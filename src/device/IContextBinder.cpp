#include "device/IContextBinder.h"

void IContextBinder::setContext(DeviceContext *context)
{
    ContextContainer::setContext(context);
    for (IContextBinder *child : m_binders)
        child->setContext(context);
    onContextChanged();
}

void IContextBinder::addBinder(IContextBinder *child)
{
    if (child && child != this && !m_binders.contains(child))
        m_binders.append(child);
}
