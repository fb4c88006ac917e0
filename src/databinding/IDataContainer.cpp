#include "databinding/IDataContainer.h"

IDataContainer::~IDataContainer()
{
    // Children and parent may die in any order (widget trees delete children last).
    if (m_parent)
        m_parent->m_children.removeAll(this);
    for (IDataContainer *child : qAsConst(m_children))
        child->m_parent = nullptr;
}

void IDataContainer::setData(DataCore *record, bool withChildren)
{
    m_record = record;
    if (!withChildren)
        return;
    for (IDataContainer *child : qAsConst(m_children))
        child->setData(record, true);
}

void IDataContainer::addChildContainer(IDataContainer *child)
{
    if (!child || child == this || m_children.contains(child))
        return;
    if (child->m_parent)
        child->m_parent->removeChildContainer(child);
    child->m_parent = this;
    m_children.append(child);
}

void IDataContainer::removeChildContainer(IDataContainer *child)
{
    if (m_children.removeAll(child) > 0)
        child->m_parent = nullptr;
}

void IDataContainer::bindChildContainers()
{
    const QVector<IDataContainer *> children = m_children;
    for (IDataContainer *child : children)
        child->bindData();
}
