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
    // change the records while the job serialises the copy.
    using Snapshot = std::function<Job()>;

    static constexpr int CoalesceMs = 150;

    explicit ListWriter(QObject *parent = nullptr);
    ~ListWriter() override;

    // Writes the list to the file soon; a later call before the write starts replaces this one.
    void schedule(const QString &path, Snapshot snapshot);
    // Waits for a running write and performs a scheduled one now, or writes again a list whose
    // last write failed. False when the list is not on disk as it is now.
    bool flush();
    bool hasPendingWrite() const { return m_timer.isActive() || m_busy || m_pending; }
    // The last write failed and none has succeeded since.
    bool isUnsaved() const { return m_unsaved; }

signals:
    // A write ended (on the GUI thread); a failure has been logged and shown already.
    void written(bool ok);

private:
    void start();
    void finished(quint64 generation, bool ok);

    QTimer m_timer;
    QThreadPool m_pool;
    QString m_path;
    Snapshot m_snapshot;
    quint64 m_generation = 0;
    bool m_busy = false;
    bool m_pending = false;
    bool m_unsaved = false;
    bool m_workerOk = true; // written by the worker, read after waitForDone
};
