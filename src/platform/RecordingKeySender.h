#pragma once

#include "platform/IKeySender.h"

// A key sender that only remembers what it was asked to send, one entry per batch. Installs
// itself as the process-wide sender for its lifetime.
class RecordingKeySender : public IKeySender
{
public:
    RecordingKeySender();
    ~RecordingKeySender() override;

    int send(const QVector<KeyRecord> &records) override;

    const QVector<QVector<KeyRecord>> &batches() const { return m_batches; }
    void clear() { m_batches.clear(); }
    // Makes later batches report that only this many records went out (-1: all of them).
    void setSentLimit(int limit) { m_limit = limit; }

private:
    QVector<QVector<KeyRecord>> m_batches;
    int m_limit = -1;
};
