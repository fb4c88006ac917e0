#include "platform/SingleInstanceGuard.h"

#include "logging/QsLog.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <unistd.h>

SingleInstanceGuard::SingleInstanceGuard(const QString &key, const QString &runtimeDir, QObject *parent)
    : QObject(parent)
    , m_key(key + QLatin1Char('-') + QString::number(::getuid()))
    , m_dir(runtimeDir)
{
    if (m_dir.isEmpty())
        m_dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (m_dir.isEmpty())
        m_dir = QDir::tempPath();
}

SingleInstanceGuard::~SingleInstanceGuard()
{
    release();
}

QString SingleInstanceGuard::keyFor(const QString &programDir)
{
    // Hashed: a local server's name must stay short, and a path may hold any character.
    const QString folder = QDir::cleanPath(QDir(programDir).absolutePath());
    const QByteArray hash = QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("vellobox-") + QString::fromLatin1(hash);
}

QString SingleInstanceGuard::lockPath() const
{
    return m_dir + QLatin1Char('/') + m_key + QStringLiteral(".lock");
}

bool SingleInstanceGuard::tryAcquire()
{
    if (m_primary)
        return true;
    QDir().mkpath(m_dir);
    m_lock = std::make_unique<QLockFile>(lockPath());
    // A lock whose process is gone is stale at once; never wait for a live one.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        if (m_lock->error() == QLockFile::LockFailedError) {
            // Wake the running program so the user sees it.
            QLocalSocket socket;
            socket.connectToServer(m_key);
            if (socket.waitForConnected(500)) {
                socket.write("show");
                socket.waitForBytesWritten(500);
            }
            QLOG_WARN() << "another instance is running";
        } else {
            QLOG_ERROR() << "cannot create the instance lock" << lockPath();
        }
        m_lock.reset();
        return false;
    }
    m_primary = true;
    m_server = new QLocalServer(this);
    QLocalServer::removeServer(m_key);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_key)) {
        QLOG_WARN() << "instance server cannot listen:" << m_server->errorString();
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *s = m_server->nextPendingConnection()) {
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            emit anotherInstanceStarted();
        }
    });
    return true;
}

void SingleInstanceGuard::release()
{
    if (m_server) {
        m_server->close();
        delete m_server;
        m_server = nullptr;
    }
    if (m_lock) {
        m_lock->unlock();
        m_lock.reset();
    }
    m_primary = false;
}
