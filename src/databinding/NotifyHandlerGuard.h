#pragma once

#include "orm/data/NotifyData.h"

// A change handler on a record that lives exactly as long as its owner (a page member): the
// destructor removes it, so a closed page is never called. The record must outlive the guard.
class NotifyHandlerGuard
{
public:
    NotifyHandlerGuard() = default;
    ~NotifyHandlerGuard() { reset(); }
    NotifyHandlerGuard(const NotifyHandlerGuard &) = delete;
    NotifyHandlerGuard &operator=(const NotifyHandlerGuard &) = delete;

    // Replaces any handler added before.
    void set(NotifyData *record, NotifyData::Handler handler)
    {
        reset();
        if (!record)
            return;
        m_record = record;
        m_id = record->addNotifyHandler(std::move(handler));
    }
    void reset()
    {
        if (m_record)
            m_record->removeNotifyHandler(m_id);
        m_record = nullptr;
        m_id = 0;
    }
    bool isSet() const { return m_record != nullptr; }
    NotifyData *record() const { return m_record; }

private:
    NotifyData *m_record = nullptr;
    int m_id = 0;
};
