#pragma once

#include <QObject>

class QLocalServer;

// Keeps one running program per user and program folder: a lock file plus a local server. A second start is
// refused and the first one is told (anotherInstanceStarted). The lock is the kernel's (flock)
// on the file, so a crashed run leaves nothing to take over: its lock went with its process.
class SingleInstanceGuard : public QObject
{
    Q_OBJECT
public:
    // key: names the lock and the server; runtimeDir: where the lock lives (default: the
    // user's runtime folder).
    explicit SingleInstanceGuard(const QString &key = QStringLiteral("vellobox"),
                                 const QString &runtimeDir = QString(), QObject *parent = nullptr);
    ~SingleInstanceGuard() override;

    // The key of the program living in programDir: copies with other folders run side by side.
    static QString keyFor(const QString &programDir);

    bool tryAcquire();
    bool isPrimary() const { return m_primary; }
    void release();
    QString lockPath() const;
    // The local server a second start wakes this one through.
    QString serverPath() const;

signals:
    void anotherInstanceStarted();

private:
    QString m_key;
    QString m_dir;
    int m_lockFd = -1;
    QLocalServer *m_server = nullptr;
    bool m_primary = false;
};
