#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

// Replaces a file whole or not at all: the new content goes into a temporary beside it, is synced,
// and is renamed over the file. The temporaries carry a name only these saves use
// ("<name>.vellobox-save-XXXXXX"), so that what a save cut short by a kill or a crash left behind
// is known for what it is and removed at the next start, and nothing else ever is.
class AtomicFile
{
public:
    // Writes bytes to path, making the folder when missing. permissions, when given, are the new
    // file's; otherwise it keeps those of the file it replaces. A link at path is followed, as
    // QSaveFile does. False, with the reason in error, when any byte did not reach the disk: the
    // old file stays as it was.
    static bool write(const QString &path, const QByteArray &bytes, QString *error = nullptr,
                      QFileDevice::Permissions permissions = {});
    // A new temporary for path holding bytes, synced, for an editor that writes files its own way
    // (QSettings); empty, with the reason in error, when it cannot be made. Hand it to replace().
    static QString temporaryFor(const QString &path, const QByteArray &bytes, QFileDevice::Permissions permissions,
                                QString *error = nullptr);
    // Puts the temporary in path's place once it is on the disk, and syncs the folder so that the
    // new file stays after a power cut. On failure the temporary is removed and path kept.
    static bool replace(const QString &temporary, const QString &path, QString *error = nullptr);
    // Removes the temporaries that interrupted saves left in folder (and in the folders below it
    // when recursive); returns how many. Only while no save of this program runs there, or, in a
    // folder other copies save into too, only temporaries older than minAgeSeconds.
    static int removeLeftovers(const QString &folder, bool recursive = false, int minAgeSeconds = 0);
};
