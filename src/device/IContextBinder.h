#pragma once

#include "device/ContextContainer.h"

#include <QVector>

// Mix-in of every device page and panel: receives the device context and hands it on to the
// child binders added before.
class IContextBinder : public ContextContainer
{
public:
    void setContext(DeviceContext *context) override;
    void addBinder(IContextBinder *child);
    const QVector<IContextBinder *> &binders() const { return m_binders; }

protected:
    virtual void onContextChanged() = 0;

private:
    QVector<IContextBinder *> m_binders;
};
