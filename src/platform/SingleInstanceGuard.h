#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// Keeps one running program per user and program folder: a lock file in the program folder plus
// a local server. A second start is refused and the first one is told (anotherInstanceStarted).
// The lock is the kernel's (flock) on the file, so a crashed run leaves nothing to take over: its
// lock went with its process. It lives beside the files it protects, so every start that uses
// the folder finds it, whatever its environment, home or machine. The server's socket lives in
// a short folder of the user's own (a socket's path is limited to 107 bytes), and the running
// copy writes its path into the lock file for the next start to read.
class SingleInstanceGuard : public QObject
{
    Q_OBJECT
public:
    // key: names the lock and the server; folder: the program folder the lock lives in.
    SingleInstanceGuard(const QString &key, const QString &folder, QObject *parent = nullptr);
    ~SingleInstanceGuard() override;

    // False when another copy holds the lock (it has been woken), or when the lock cannot be
    // taken at all: then folderFault() says whether its folder was at fault, and failure() why.
    bool tryAcquire();
    bool isPrimary() const { return m_primary; }
    void release();
    QString lockPath() const;
    // The local server a second start wakes this one through; empty when there is none.
    QString serverPath() const { return m_serverPath; }
    enum class FolderFault { None, CannotMake };
    // What kept the lock's folder (folder()) from being used.
    FolderFault folderFault() const { return m_folderFault; }
    QString folder() const { return m_dir; }
    // Why the lock could not be taken; empty when another copy holds it.
    QString failure() const { return m_failure; }

signals:
    void anotherInstanceStarted();

private:
    bool makeFolder();
    // The open lock file, which is the user's own regular file of one name; -1 with m_failure set.
    int openLock();
    void wakeHolder(int fd);
    void listen();
    QString socketName() const;

    QString m_key;
    QString m_dir;
    FolderFault m_folderFault = FolderFault::None;
    QString m_failure;
    QString m_serverPath;
    QString m_madeSocketFolder; // made for this copy's socket alone: removed on release
    int m_lockFd = -1;
    QLocalServer *m_server = nullptr;
    bool m_primary = false;
};
