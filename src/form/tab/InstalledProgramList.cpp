#include "form/tab/InstalledProgramList.h"

#include "logging/QsLog.h"
#include "platform/DesktopEntryReader.h"

#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QThread>

namespace {
QImage readIcon(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return {};
    QImageReader reader(path);
    const QSize size(InstalledProgramList::IconSize, InstalledProgramList::IconSize);
    if (reader.format() == "svg" || reader.format() == "svgz")
        reader.setScaledSize(size); // drawn at the size shown, not rasterised large first
    QImage image = reader.read();
    if (image.isNull())
        return {};
    if (image.width() > size.width() || image.height() > size.height())
        image = image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}
} // namespace

InstalledProgramList &InstalledProgramList::instance()
{
    static InstalledProgramList list;
    return list;
}

InstalledProgramList::~InstalledProgramList()
{
    // A read still running at exit only touches its own data; let it end first.
    for (const QPointer<QThread> &thread : qAsConst(m_threads)) {
        if (thread) {
            thread->wait();
            delete thread;
        }
    }
}

QVector<InstalledProgramList::Program> InstalledProgramList::read(const QStringList &applicationDirs)
{
    QVector<Program> programs;
    const QVector<InstalledProgram> found = DesktopEntryReader::installedPrograms(applicationDirs);
    programs.reserve(found.size());
    for (const InstalledProgram &p : found)
        programs.append({p, readIcon(p.iconPath)});
    return programs;
}

void InstalledProgramList::ensureLoaded()
{
    if (!m_loaded && !m_loading)
        reload();
}

void InstalledProgramList::reload()
{
    m_loading = true;
    const int generation = ++m_generation;
    const QStringList dirs = DesktopEntryReader::applicationDirs();
    // The icon theme is settled here, on the GUI thread; the read only looks its name up.
    QIcon::themeName();
    QThread *thread = QThread::create([this, generation, dirs] {
        const QVector<Program> programs = read(dirs);
        QMetaObject::invokeMethod(this, [this, generation, programs] { deliver(generation, programs); },
                                  Qt::QueuedConnection);
    });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    m_threads.removeAll(nullptr);
    m_threads.append(thread);
    thread->start(QThread::LowPriority);
}

void InstalledProgramList::deliver(int generation, const QVector<Program> &programs)
{
    if (generation != m_generation)
        return; // a newer read is on its way
    m_programs = programs;
    // Icons named by a theme, not by a file: the icon loader belongs to the GUI thread.
    for (Program &p : m_programs) {
        if (p.icon.isNull() && !p.info.iconPath.isEmpty() && !QFileInfo(p.info.iconPath).isAbsolute()
            && QIcon::hasThemeIcon(p.info.iconPath))
            p.icon = QIcon::fromTheme(p.info.iconPath).pixmap(IconSize, IconSize).toImage();
    }
    m_loading = false;
    m_loaded = true;
    QLOG_DEBUG() << "installed program list ready:" << m_programs.size();
    emit loaded();
}
