#include "orm/reflection/FieldTable.h"

#include <QStringList>

FieldTable::FieldTable(const FieldTable *base, std::initializer_list<Meta_Field *> own)
{
    if (base) {
        m_ordered = base->m_ordered;
        m_byName = base->m_byName;
    }
    for (Meta_Field *f : own) {
        m_own.emplace_back(f);
        // A derived class may redeclare a field of its base; the derived one wins.
        if (const Meta_Field *old = m_byName.value(f->name()))
            m_ordered.removeOne(old);
        m_ordered.append(f);
        m_byName.insert(f->name(), f);
    }
}

QStringList FieldTable::names() const
{
    QStringList out;
    out.reserve(m_ordered.size());
    for (const Meta_Field *f : m_ordered)
        out << f->name();
    return out;
}
