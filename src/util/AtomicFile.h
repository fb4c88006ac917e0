#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

class QSaveFile;

// Replaces a file whole or not at all. QSaveFile alone is not enough: in Qt 5.15, when the bytes
// still in its buffer cannot be written at commit() (a full disk, a file-size limit), it renames
// the empty temporary over the file all the same and reports success.
class AtomicFile
{
public:
    // Writes bytes to path through a temporary renamed over it, making the folder when missing.
    // permissions, when given, are the new file's before it takes the old one's place. False,
    // with the reason in error, when any byte did not reach the disk: the old file stays as it was.
    static bool write(const QString &path, const QByteArray &bytes, QString *error = nullptr,
                      QFileDevice::Permissions permissions = {});
    // Commits a QSaveFile written bit by bit, once every byte is on disk, and syncs its folder so
    // that the new file stays after a power cut; otherwise discards it and returns false (the
    // reason in error), keeping the old file. A folder that cannot be synced (an I/O error) is
    // reported too, though the new file is in place by then.
    static bool commit(QSaveFile &file, QString *error = nullptr);
};
