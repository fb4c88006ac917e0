#include "logging/FileDestination.h"

#include <QDir>
#include <QFileInfo>

namespace QsLogging {

namespace {
constexpr QFileDevice::Permissions OwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
}

FileDestination::FileDestination(const QString &path, qint64 maxSizeBytes, int maxBackups)
    : m_file(path)
    , m_maxSize(maxSizeBytes > 0 ? maxSizeBytes : 2 * 1024 * 1024)
    , m_maxBackups(maxBackups >= 0 ? maxBackups : 5)
{
    // At the debug level the log holds dictated text: the folder and its files are the user's
    // alone, those of earlier runs included.
    const QString folder = QFileInfo(path).absolutePath();
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    for (int i = 1; i <= m_maxBackups; ++i) {
        const QString backup = path + QLatin1Char('.') + QString::number(i);
        if (QFileInfo(backup).isFile())
            QFile::setPermissions(backup, OwnerOnly);
    }
    open();
}

void FileDestination::open()
{
    // A log that cannot be opened must never stop the program: lines are dropped. Unbuffered, so
    // that what a full disk refuses is known line by line, and not kept in memory meanwhile.
    if (m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        m_file.setPermissions(OwnerOnly);
        m_size = m_file.size();
    }
}

void FileDestination::write(const QByteArray &line)
{
    if (!m_file.isOpen())
        return;
    // While lines cannot be written (a full disk), rotating would only move empty logs over the
    // history.
    if (m_size > 0 && m_size + line.size() + 1 > m_maxSize && !m_writeFailed)
        rotate();
    if (!m_file.isOpen())
        return;
    // Only what reached the file counts towards its size: on a full disk, lines that could not be
    // written must not rotate the history away.
    // A line cut by an earlier full disk that could not be taken back is ended first, so that
    // this one starts a line of its own.
    const QByteArray record = (m_cutLine ? QByteArray("\n") : QByteArray()) + line + '\n';
    const qint64 written = m_file.write(record);
    m_writeFailed = written != record.size();
    if (!m_writeFailed) {
        m_size += written;
        m_cutLine = false;
    } else if (written > 0) {
        // Part of the line reached the file: it goes again, or the next line would run into it.
        if (m_file.resize(m_size))
            m_cutLine = false;
        else {
            m_size += written;
            m_cutLine = true;
        }
    }
}

void FileDestination::flush()
{
    if (m_file.isOpen())
        m_file.flush();
}

void FileDestination::rotate()
{
    const QString base = m_file.fileName();
    m_file.close();
    if (m_maxBackups == 0) {
        QFile::remove(base);
    } else {
        QFile::remove(base + QLatin1Char('.') + QString::number(m_maxBackups));
        for (int i = m_maxBackups - 1; i >= 1; --i) {
            const QString from = base + QLatin1Char('.') + QString::number(i);
            if (QFile::exists(from))
                QFile::rename(from, base + QLatin1Char('.') + QString::number(i + 1));
        }
        QFile::rename(base, base + QStringLiteral(".1"));
    }
    m_size = 0;
    open();
}

} // namespace QsLogging
