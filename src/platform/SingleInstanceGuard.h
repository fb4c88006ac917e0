#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// Keeps one running program per user and program folder: a lock file plus a local server. A second start is
// refused and the first one is told (anotherInstanceStarted). The lock is the kernel's (flock)
// on the file, so a crashed run leaves nothing to take over: its lock went with its process.
// Both live only in a folder of the user's own that nobody else can enter (mode 0700): another
// user could otherwise hold the lock, or plant a link where it is written. The folder comes from
// the user's account, never from the environment, and is nothing that gets cleaned: a start from
// the desktop, a terminal, su or cron all find the same lock.
class SingleInstanceGuard : public QObject
{
    Q_OBJECT
public:
    // key: names the lock and the server; folder: where they live (default: userFolder()).
    explicit SingleInstanceGuard(const QString &key = QStringLiteral("vellobox"),
                                 const QString &folder = QString(), QObject *parent = nullptr);
    ~SingleInstanceGuard() override;

    // The key of the program living in programDir: copies with other folders run side by side.
    static QString keyFor(const QString &programDir);
    // ~/.local/state/vellobox of the home the account database names for this user.
    static QString userFolder();

    // False when another copy holds the lock (it has been woken), or when the lock cannot be
    // taken at all: then folderFault() says whether its folder was at fault, and failure() why.
    bool tryAcquire();
    bool isPrimary() const { return m_primary; }
    void release();
    QString lockPath() const;
    // The local server a second start wakes this one through.
    QString serverPath() const;
    enum class FolderFault { None, CannotMake, NotPrivate };
    // What kept the lock's folder (folder()) from being used.
    FolderFault folderFault() const { return m_folderFault; }
    QString folder() const { return m_dir; }
    // Why the lock could not be taken; empty when another copy holds it.
    QString failure() const { return m_failure; }

signals:
    void anotherInstanceStarted();

private:
    bool makePrivateFolder();

    QString m_key;
    QString m_dir;
    FolderFault m_folderFault = FolderFault::None;
    QString m_failure;
    int m_lockFd = -1;
    QLocalServer *m_server = nullptr;
    bool m_primary = false;
};
