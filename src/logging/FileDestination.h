#pragma once

#include <QFile>
#include <QString>

namespace QsLogging {

// The log file, rotated by size: log.txt -> log.txt.1 -> ... -> log.txt.N.
// Not thread safe on its own; the logger serialises calls.
class FileDestination
{
public:
    FileDestination(const QString &path, qint64 maxSizeBytes, int maxBackups);

    QString path() const { return m_file.fileName(); }
    void write(const QByteArray &line);
    void flush();

private:
    void open();
    void rotate();

    QFile m_file;
    qint64 m_maxSize;
    int m_maxBackups;
    qint64 m_size = 0; // where the file ended after the last line that reached it, not what was asked
    bool m_writeFailed = false;
    bool m_cutLine = false; // the file ends in part of a line

};

} // namespace QsLogging
