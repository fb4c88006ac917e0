#include "platform/DesktopEntryReader.h"

#include "logging/QsLog.h"
#include "platform/AppInfoReader.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <QSet>
#include <QTextStream>

namespace {

QStringList dataDirs()
{
    QStringList dirs;
    QString home = QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME"));
    if (home.isEmpty())
        home = QDir::homePath() + QStringLiteral("/.local/share");
    dirs << home;
    QString system = QString::fromLocal8Bit(qgetenv("XDG_DATA_DIRS"));
    if (system.isEmpty())
        system = QStringLiteral("/usr/local/share:/usr/share");
    for (const QString &d : system.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        dirs << d;
    return dirs;
}

// Value escapes of the desktop entry format: \s \n \t \r \\ (others are kept as written,
// so the Exec quoting rules still see their backslashes).
QString unescapeValue(const QString &raw)
{
    QString out;
    out.reserve(raw.size());
    for (int i = 0; i < raw.size(); ++i) {
        const QChar c = raw.at(i);
        if (c != QLatin1Char('\\') || i + 1 >= raw.size()) {
            out += c;
            continue;
        }
        const QChar n = raw.at(++i);
        switch (n.unicode()) {
        case 's': out += QLatin1Char(' '); break;
        case 'n': out += QLatin1Char('\n'); break;
        case 't': out += QLatin1Char('\t'); break;
        case 'r': out += QLatin1Char('\r'); break;
        case '\\': out += QLatin1Char('\\'); break;
        default: out += c; out += n; break;
        }
    }
    return out;
}

bool isTrue(const QString &value)
{
    return value.trimmed() == QLatin1String("true");
}

QString findIconIn(const QString &base, const QString &name)
{
    static const char *const exts[] = {".png", ".svg", ".xpm"};
    // Some entries name the file with its extension.
    for (const char *ext : exts) {
        if (name.endsWith(QLatin1String(ext))) {
            const QString path = base + QLatin1Char('/') + name;
            return QFileInfo(path).isFile() ? path : QString();
        }
    }
    for (const char *ext : exts) {
        const QString path = base + QLatin1Char('/') + name + QLatin1String(ext);
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

} // namespace

QStringList DesktopEntryReader::applicationDirs()
{
    QStringList dirs;
    for (const QString &d : dataDirs())
        dirs << d + QStringLiteral("/applications");
    return dirs;
}

QHash<QString, QString> DesktopEntryReader::readEntry(const QString &path)
{
    QHash<QString, QString> entry;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return entry;
    QTextStream in(&file);
    in.setCodec("UTF-8");
    bool inGroup = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            if (inGroup)
                break; // the main group ends where the next (actions) begins
            inGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        if (!inGroup)
            continue;
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed();
        if (!entry.contains(key)) // the first of duplicate keys counts
            entry.insert(key, unescapeValue(line.mid(eq + 1).trimmed()));
    }
    return entry;
}

QString DesktopEntryReader::localized(const QHash<QString, QString> &entry, const QString &key)
{
    const QString locale = QLocale().name(); // ll_CC
    const QString lang = locale.section(QLatin1Char('_'), 0, 0);
    for (const QString &k : {key + QLatin1Char('[') + locale + QLatin1Char(']'),
                             key + QLatin1Char('[') + lang + QLatin1Char(']'), key}) {
        const QString v = entry.value(k).trimmed();
        if (!v.isEmpty())
            return v;
    }
    return {};
}

QStringList DesktopEntryReader::splitExec(const QString &exec)
{
    QStringList args;
    QString current;
    bool inArg = false;
    bool quoted = false;
    bool fieldCodeOnly = false; // the argument so far is nothing but field codes
    for (int i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                quoted = false;
            } else if (c == QLatin1Char('%') && i + 1 < exec.size() && exec.at(i + 1) == QLatin1Char('%')) {
                // A literal '%' is doubled inside quotes too (as the autostart entry writes it).
                current += c;
                ++i;
                fieldCodeOnly = false;
            } else if (c == QLatin1Char('\\') && i + 1 < exec.size()) {
                current += exec.at(++i);
                fieldCodeOnly = false;
            } else {
                current += c;
                fieldCodeOnly = false;
            }
            continue;
        }
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
            if (inArg && !(fieldCodeOnly && current.isEmpty()))
                args << current;
            current.clear();
            inArg = false;
            fieldCodeOnly = false;
            continue;
        }
        if (!inArg) {
            inArg = true;
            fieldCodeOnly = true;
        }
        if (c == QLatin1Char('"')) {
            quoted = true;
            fieldCodeOnly = false;
        } else if (c == QLatin1Char('%') && i + 1 < exec.size()) {
            const QChar code = exec.at(++i);
            if (code == QLatin1Char('%')) {
                current += code;
                fieldCodeOnly = false;
            }
            // Every other field code stands for files, URLs, the icon, the name or the entry
            // path, none of which a plain start passes: it is dropped.
        } else {
            current += c;
            fieldCodeOnly = false;
        }
    }
    if (quoted)
        return {};
    if (inArg && !(fieldCodeOnly && current.isEmpty()))
        args << current;
    return args;
}

QString DesktopEntryReader::iconFile(const QString &icon)
{
    if (icon.isEmpty() || QFileInfo(icon).isAbsolute())
        return icon;
    const QStringList bases = [] {
        QStringList b;
        b << QDir::homePath() + QStringLiteral("/.icons");
        for (const QString &d : dataDirs())
            b << d + QStringLiteral("/icons");
        return b;
    }();
    QStringList themes;
    const QString current = QIcon::themeName();
    if (!current.isEmpty() && current != QLatin1String("hicolor"))
        themes << current;
    themes << QStringLiteral("hicolor");
    // Larger first: the icon is shown scaled down in a list.
    static const char *const sizes[] = {"scalable", "512x512", "256x256", "128x128", "96x96",
                                        "64x64",    "48x48",   "32x32",   "24x24",   "22x22",
                                        "16x16"};
    for (const QString &theme : themes) {
        for (const QString &base : bases) {
            const QString root = base + QLatin1Char('/') + theme;
            if (!QFileInfo(root).isDir())
                continue;
            for (const char *size : sizes) {
                const QString found = findIconIn(root + QLatin1Char('/') + QLatin1String(size)
                                                     + QStringLiteral("/apps"),
                                                 icon);
                if (!found.isEmpty())
                    return found;
            }
        }
    }
    for (const QString &d : dataDirs()) {
        const QString found = findIconIn(d + QStringLiteral("/pixmaps"), icon);
        if (!found.isEmpty())
            return found;
    }
    return icon;
}

bool DesktopEntryReader::isUninstaller(const QString &program, const QStringList &arguments)
{
    // "wine uninstaller", "/opt/app/uninstall.sh", "unins000.exe": the program or, for a
    // runner such as wine, its first argument.
    QStringList words{QFileInfo(program).fileName()};
    if (!arguments.isEmpty())
        words << QFileInfo(arguments.first()).fileName();
    for (const QString &word : words) {
        const QString w = word.toLower();
        if (w.startsWith(QLatin1String("unins")) || w.contains(QLatin1String("uninstall")))
            return true;
    }
    return false;
}

std::optional<InstalledProgram> DesktopEntryReader::programOf(const QHash<QString, QString> &entry)
{
    if (entry.value(QStringLiteral("Type")).trimmed() != QLatin1String("Application")
        || isTrue(entry.value(QStringLiteral("NoDisplay")))
        || isTrue(entry.value(QStringLiteral("Hidden"))))
        return std::nullopt;
    InstalledProgram p;
    p.displayName = localized(entry, QStringLiteral("Name"));
    const QString icon = localized(entry, QStringLiteral("Icon"));
    if (p.displayName.isEmpty() || icon.isEmpty()
        || p.displayName.contains(QLatin1String("Development Kit"))
        || p.displayName.contains(QLatin1String("Visual C")))
        return std::nullopt;
    QStringList command = splitExec(entry.value(QStringLiteral("Exec")));
    // Exec="" or Exec="" %U names no command.
    if (command.isEmpty() || command.first().isEmpty())
        return std::nullopt;
    if (isUninstaller(command.first(), command.mid(1)))
        return std::nullopt;
    p.iconPath = iconFile(icon);
    p.programPath = command.takeFirst();
    p.arguments = command;
    p.workingDirectory = entry.value(QStringLiteral("Path")).trimmed();
    return p;
}

QVector<InstalledProgram> DesktopEntryReader::installedPrograms(const QStringList &dirs)
{
    QVector<InstalledProgram> programs;
    QSet<QString> seenIds;
    for (const QString &dir : dirs) {
        const QString root = QDir(dir).absolutePath();
        QStringList files;
        QDirIterator it(root, {QStringLiteral("*.desktop")}, QDir::Files,
                        QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
        while (it.hasNext())
            files << it.next();
        files.sort();
        for (const QString &file : files) {
            // The id: the path below applications/ with '/' as '-'; an entry of a folder that
            // comes first hides the same id further on, a Hidden one included.
            QString id = file.mid(root.size() + 1);
            id.replace(QLatin1Char('/'), QLatin1Char('-'));
            if (seenIds.contains(id))
                continue;
            seenIds.insert(id);
            // Read as the desktop reads it: an entry it would not list is left out.
            const auto entry = AppInfoReader::shownEntry(file);
            if (!entry)
                continue;
            if (auto program = programOf(*entry)) {
                program->entryPath = file;
                programs.append(*program);
            }
        }
    }
    QLOG_DEBUG() << "installed programs found:" << programs.size();
    return programs;
}
