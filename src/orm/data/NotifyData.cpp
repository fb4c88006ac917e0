#include "orm/data/NotifyData.h"

#include "logging/QsLog.h"

#include <algorithm>

NotifyData::NotifyData(const NotifyData &other)
    : DataCore(other)
{
}

NotifyData &NotifyData::operator=(const NotifyData &other)
{
    DataCore::operator=(other);
    return *this;
}

bool NotifyData::setValue(const QString &field, const QVariant &value)
{
    const Meta_Field *f = fieldTable().find(field);
    if (!f) {
        QLOG_WARN() << entityType() << "has no field" << field;
        return false;
    }
    QVariant typed;
    if (!f->convert(value, &typed)) {
        QLOG_WARN() << entityType() << "refused value for" << field << ":" << value.toString();
        return false;
    }
    if (f->equals(*this, typed))
        return true;
    const QVariant old = f->value(*this);
    f->assign(*this, typed);
    // A handler may remove handlers (its page closing): walk a snapshot and skip removed ones.
    const QVector<Entry> snapshot = m_handlers;
    for (const Entry &e : snapshot) {
        const bool alive = std::any_of(m_handlers.cbegin(), m_handlers.cend(),
                                       [&](const Entry &x) { return x.id == e.id; });
        if (alive)
            e.fn(field, old, typed);
    }
    return true;
}

int NotifyData::addNotifyHandler(Handler handler)
{
    const int id = m_nextId++;
    m_handlers.append({id, std::move(handler)});
    return id;
}

bool NotifyData::removeNotifyHandler(int id)
{
    for (int i = 0; i < m_handlers.size(); ++i) {
        if (m_handlers[i].id == id) {
            m_handlers.remove(i);
            return true;
        }
    }
    return false;
}
