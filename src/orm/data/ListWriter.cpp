#include "orm/data/ListWriter.h"

#include "logging/QsLog.h"
#include "orm/data/DatacoreUtil.h"

namespace {
bool writeList(const ListWriter::Prepare &prepare, const QString &path, const ListWriter::Job &job)
{
    return job && (!prepare || prepare(path)) && DatacoreUtil::writeFile(path, job());
}
} // namespace

ListWriter::ListWriter(QObject *parent)
    : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(CoalesceMs);
    // One thread: writes of this file keep their order.
    m_pool.setMaxThreadCount(1);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (m_busy)
            m_pending = true;
        else
            start();
    });
}

ListWriter::~ListWriter()
{
    m_pool.waitForDone();
}

void ListWriter::schedule(const QString &path, Snapshot snapshot)
{
    if (m_path != path && !m_path.isEmpty())
        forget();
    m_path = path;
    m_snapshot = std::move(snapshot);
    m_timer.start();
}

void ListWriter::start()
{
    m_pending = false;
    if (!m_snapshot)
        return;
    m_busy = true;
    const quint64 generation = ++m_generation;
    const QString path = m_path;
    Job job = m_snapshot();
    m_pool.start([this, job, path, generation, prepare = m_prepare] {
        const bool ok = writeList(prepare, path, job);
        m_workerOk = ok;
        // Posted events of a deleted writer are dropped; the destructor waits for this thread.
        QMetaObject::invokeMethod(this, [this, generation, ok] { finished(generation, ok); }, Qt::QueuedConnection);
    });
}

void ListWriter::finished(quint64 generation, bool ok)
{
    if (generation != m_generation)
        return; // already settled by flush()
    m_busy = false;
    m_unsaved = !ok; // kept for the next flush or change: the list is not on disk
    if (!ok)
        DatacoreUtil::reportWriteFailure();
    emit written(ok);
    if (m_pending)
        start();
}

void ListWriter::forget()
{
    if (m_busy) {
        m_pool.waitForDone();
        ++m_generation; // its queued completion is stale now
        m_busy = false;
        m_unsaved = m_unsaved || !m_workerOk;
    }
    if (m_unsaved || m_timer.isActive() || m_pending)
        QLOG_ERROR() << "word list changes for" << m_path << "were not saved";
    m_timer.stop();
    m_pending = false;
    m_unsaved = false;
    m_snapshot = nullptr;
}

bool ListWriter::flush(Failure failure)
{
    bool ok = true;
    bool justFailed = false;
    if (m_busy) {
        m_pool.waitForDone();
        ok = m_workerOk;
        ++m_generation; // its queued completion is stale now
        m_busy = false;
        m_unsaved = !ok;
        justFailed = !ok;
        if (!ok && failure == Failure::Shown)
            DatacoreUtil::reportWriteFailure();
        emit written(ok);
    }
    // A list whose last write failed is written again, unless that write failed just now.
    const bool retry = m_unsaved && !justFailed;
    if (m_timer.isActive() || m_pending || retry) {
        m_timer.stop();
        m_pending = false;
        if (m_snapshot) {
            const bool done = writeList(m_prepare, m_path, m_snapshot());
            m_unsaved = !done;
            if (!done && failure == Failure::Shown)
                DatacoreUtil::reportWriteFailure();
            emit written(done);
            ok = ok && done;
        }
    }
    return ok && !m_unsaved;
}
