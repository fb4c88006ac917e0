#pragma once

#include "orm/data/DataCore.h"

#include <QVector>
#include <functional>

// A record that tells its change handlers about every change made through setValue.
// Copies carry the values, never the handlers: a handler belongs to whoever registered it.
class NotifyData : public DataCore
{
public:
    using Handler = std::function<void(const QString &field, const QVariant &oldValue, const QVariant &newValue)>;

    NotifyData() = default;
    NotifyData(const NotifyData &other);
    NotifyData &operator=(const NotifyData &other);

    // Sets the field when the value differs, then calls every handler in order.
    // False when the field is missing or the value does not fit; nobody is called then.
    bool setValue(const QString &field, const QVariant &value) override;

    // Returns an id for removeNotifyHandler; owners remove their handler before they die.
    int addNotifyHandler(Handler handler);
    bool removeNotifyHandler(int id);
    int notifyHandlerCount() const { return m_handlers.size(); }

private:
    struct Entry {
        int id;
        Handler fn;
    };
    QVector<Entry> m_handlers;
    int m_nextId = 1;
};
