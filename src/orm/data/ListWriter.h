#pragma once

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>
#include <functional>

// Writes one word list's file off the GUI thread. Edits that follow each other quickly are
// coalesced into one write; writes of the same file never overlap and keep their order.
class ListWriter : public QObject
{
    Q_OBJECT
public:
    // Runs on the writer's thread and returns the file's full text.
    using Job = std::function<QByteArray()>;
    // Runs on the GUI thread when the write starts: takes a copy of the list, so the GUI may
    // change the records while the job serialises the copy. No job: the list cannot be written
    // now, and that write fails.
    using Snapshot = std::function<Job()>;
    // Runs on the writer's thread before each write of path; false fails that write.
    using Prepare = std::function<bool(const QString &path)>;
    // Whether a failed write is shown to the user as well as logged.
    enum class Failure { Shown, Logged };

    static constexpr int CoalesceMs = 150;

    explicit ListWriter(QObject *parent = nullptr);
    ~ListWriter() override;

    // Set once, before the first write.
    void setPrepare(Prepare prepare) { m_prepare = std::move(prepare); }
    // Writes the list to the file soon; a later call before the write starts replaces this one.
    // A list moved to another path gives up what was not saved of the old file: the snapshot
    // shows the list as it is now, no longer what that file should hold.
    void schedule(const QString &path, Snapshot snapshot);
    // Waits for a running write and performs a scheduled one now, or writes again a list whose
    // last write failed. False when the list is not on disk as it is now.
    bool flush(Failure failure = Failure::Shown);
    bool hasPendingWrite() const { return m_timer.isActive() || m_busy || m_pending; }
    // The last write failed and none has succeeded since.
    bool isUnsaved() const { return m_unsaved; }

signals:
    // A write ended (on the GUI thread); a failure has been logged and shown already.
    void written(bool ok);

private:
    void start();
    void finished(quint64 generation, bool ok);
    // Waits for a running write and forgets every write owed to the current path.
    void forget();

    QTimer m_timer;
    QThreadPool m_pool;
    QString m_path;
    Snapshot m_snapshot;
    Prepare m_prepare;
    quint64 m_generation = 0;
    bool m_busy = false;
    bool m_pending = false;
    bool m_unsaved = false;
    bool m_workerOk = true; // written by the worker, read after waitForDone
};
