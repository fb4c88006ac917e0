#include "databinding/IZContainer.h"

#include "databinding/IZWidget.h"
#include "orm/data/DataCore.h"
#include "orm/reflection/FieldTable.h"
#include "orm/reflection/Reflection.h"

IZContainer::IZContainer(const QString &validationName)
    : m_validationName(validationName)
{
}

IZContainer::~IZContainer()
{
    // Editors are child widgets, deleted after this part of the form is gone.
    for (IZWidget *w : qAsConst(m_widgets))
        w->m_owner = nullptr;
}

void IZContainer::addBindWidget(IZWidget *widget, const QStringList &fields)
{
    if (!widget)
        return;
    if (!fields.isEmpty())
        widget->setBindFields(fields);
    if (widget->m_owner && widget->m_owner != this)
        widget->m_owner->removeBindWidget(widget);
    if (!m_widgets.contains(widget))
        m_widgets.append(widget);
    widget->m_owner = this;
    if (DataCore *record = bindRecord()) {
        for (const QString &f : widget->bindFields())
            Reflection::findField(record->fieldTable(), f);
        widget->setBindRecord(record);
    }
}

void IZContainer::removeBindWidget(IZWidget *widget)
{
    if (m_widgets.removeAll(widget) > 0)
        widget->m_owner = nullptr;
}

void IZContainer::setData(DataCore *record, bool withChildren)
{
    IDataContainer::setData(record, withChildren);
    if (!withChildren)
        return;
    if (record) {
        for (IZWidget *w : qAsConst(m_widgets)) {
            for (const QString &f : w->bindFields())
                Reflection::findField(record->fieldTable(), f);
        }
    }
    for (IZWidget *w : qAsConst(m_widgets))
        w->setBindRecord(record);
}

void IZContainer::bindData()
{
    const QVector<IZWidget *> widgets = m_widgets;
    for (IZWidget *w : widgets)
        w->bindData();
    bindChildContainers();
}

QStringList IZContainer::missingFields() const
{
    QStringList missing;
    const DataCore *record = bindRecord();
    if (!record)
        return missing;
    for (IZWidget *w : m_widgets) {
        for (const QString &f : w->bindFields()) {
            if (!record->fieldTable().find(f) && !missing.contains(f))
                missing.append(f);
        }
    }
    return missing;
}
