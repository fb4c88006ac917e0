#pragma once

#include "orm/reflection/Meta_Field.h"

#include <QHash>
#include <QVector>
#include <initializer_list>
#include <memory>

// The static field table of one record class: its base class's fields first, then its own,
// in declaration order.
class FieldTable
{
public:
    FieldTable(const FieldTable *base, std::initializer_list<Meta_Field *> own);

    const Meta_Field *find(const QString &name) const { return m_byName.value(name); }
    const QVector<const Meta_Field *> &fields() const { return m_ordered; }
    QStringList names() const;

private:
    std::vector<std::unique_ptr<Meta_Field>> m_own;
    QVector<const Meta_Field *> m_ordered;
    QHash<QString, const Meta_Field *> m_byName;
};
