#pragma once

#include <QObject>
#include <QStringList>

class QLocalServer;

// Keeps one running program per user and program folder: a lock file plus a local server. A second start is
// refused and the first one is told (anotherInstanceStarted). The lock is the kernel's (flock)
// on the file, so a crashed run leaves nothing to take over: its lock went with its process.
// Both live only in a folder of the user's own that nobody else can enter (mode 0700): another
// user could otherwise hold the lock, or plant a link where it is written.
class SingleInstanceGuard : public QObject
{
    Q_OBJECT
public:
    // key: names the lock and the server; runtimeDir: where they live (default: the user's
    // runtime folder, else privateFallbackDir()).
    explicit SingleInstanceGuard(const QString &key = QStringLiteral("vellobox"),
                                 const QString &runtimeDir = QString(), QObject *parent = nullptr);
    ~SingleInstanceGuard() override;

    // The key of the program living in programDir: copies with other folders run side by side.
    static QString keyFor(const QString &programDir);
    // The folder of the user's own used when there is no runtime folder.
    static QString privateFallbackDir();

    // False when another copy holds the lock (it has been woken), or when the lock cannot be
    // taken at all: then failedFolder() names the folder that was refused, or failure() says why.
    bool tryAcquire();
    bool isPrimary() const { return m_primary; }
    void release();
    QString lockPath() const;
    // The local server a second start wakes this one through.
    QString serverPath() const;
    // The (last) folder refused for not being the user's own with mode 0700, when none was
    // left to take; empty otherwise.
    QString failedFolder() const { return m_failedFolder; }
    // Why the lock could not be taken; empty when another copy holds it.
    QString failure() const { return m_failure; }

signals:
    void anotherInstanceStarted();

private:
    bool choosePrivateFolder();

    QString m_key;
    QStringList m_candidates;
    QString m_dir;
    QString m_failedFolder;
    QString m_failure;
    int m_lockFd = -1;
    QLocalServer *m_server = nullptr;
    bool m_primary = false;
};
