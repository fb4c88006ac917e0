#pragma once

#include "platform/IOsHelper.h"

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QVector>

class QThread;

// The installed programs with their icons, read once on a worker thread when first needed
// and shared by every page that lists them, so no page blocks the window on the disk.
class InstalledProgramList : public QObject
{
    Q_OBJECT
public:
    static constexpr int IconSize = 32;

    struct Program {
        InstalledProgram info;
        QImage icon; // IconSize square at most; null when the entry's icon cannot be read
    };

    static InstalledProgramList &instance();
    ~InstalledProgramList() override;

    // Starts reading unless the list is there or on its way; loaded() follows.
    void ensureLoaded();
    // Reads the list again, e.g. after the programs or the data folders changed. A read still
    // running is not waited for: its result is dropped.
    void reload();
    bool isLoaded() const { return m_loaded; }
    // Empty until loaded.
    const QVector<Program> &programs() const { return m_programs; }

    // What a read does, on the calling thread.
    static QVector<Program> read(const QStringList &applicationDirs);

signals:
    void loaded();

private:
    InstalledProgramList() = default;
    void deliver(int generation, const QVector<Program> &programs);

    QVector<Program> m_programs;
    QVector<QPointer<QThread>> m_threads;
    int m_generation = 0;
    bool m_loaded = false;
    bool m_loading = false;
};
