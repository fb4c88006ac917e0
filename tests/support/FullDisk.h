#pragma once

#include <QString>
#include <sys/resource.h>

// A full disk under a folder, for the span of a test. Where this process may mount (root), a
// small tmpfs is mounted on the folder (hiding what it held) and fill() writes it to its last
// block; elsewhere fill() sets the process's file-size limit to 0 with SIGXFSZ ignored, so that
// every write of a byte to a file fails as on a full disk.
class FullDisk
{
public:
    explicit FullDisk(const QString &folder);
    ~FullDisk();

    // From now on no byte more fits; on the tmpfs, leaveFree bytes (whole pages) still do.
    void fill(qint64 leaveFree = 0);
    // Writes work again.
    void free();
    bool isTmpfs() const { return m_mounted; }

private:
    QString m_folder;
    bool m_mounted = false;
    bool m_full = false;
    struct rlimit m_limit {};
};
