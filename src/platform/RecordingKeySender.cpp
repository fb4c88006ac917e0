#include "platform/RecordingKeySender.h"

RecordingKeySender::RecordingKeySender()
{
    IKeySender::setInstance(this);
}

RecordingKeySender::~RecordingKeySender()
{
    if (IKeySender::instance() == this)
        IKeySender::setInstance(nullptr);
}

int RecordingKeySender::send(const QVector<KeyRecord> &records)
{
    m_batches.append(records);
    if (m_limit >= 0 && m_limit < records.size())
        return m_limit;
    return records.size();
}
