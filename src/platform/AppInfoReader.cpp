#include "platform/AppInfoReader.h"

#include "logging/QsLog.h"
#include "platform/AppInfoModule.h"
#include "platform/DesktopEntryReader.h"
#include "util/LibraryFunction.h"
#include "util/ModulePath.h"

#include <QFile>
#include <QLibrary>

namespace {
// Loaded once, by the first read, on whichever thread that is.
VbAppInfoRead moduleRead()
{
    static const VbAppInfoRead read = [] {
        QLibrary module(ModulePath::find(QStringLiteral("libvb_appinfo.so")));
        VbAppInfoRead function = nullptr;
        if (!module.load() || !LibraryFunction::resolve(module, function, "vbAppInfoRead"))
            QLOG_WARN() << "desktop entry module not available, entries are read without GIO:"
                        << module.errorString();
        return function;
    }();
    return read;
}
} // namespace

bool AppInfoReader::available()
{
    return moduleRead() != nullptr;
}

std::optional<QHash<QString, QString>> AppInfoReader::shownEntry(const QString &path)
{
    const VbAppInfoRead read = moduleRead();
    if (!read)
        return DesktopEntryReader::readEntry(path);
    VbDesktopEntry entry;
    if (!read(QFile::encodeName(path).constData(), &entry))
        return std::nullopt;
    QHash<QString, QString> values{{QStringLiteral("Type"), QStringLiteral("Application")}};
    const auto put = [&values](const char *key, const QString &value) {
        if (!value.isEmpty())
            values.insert(QLatin1String(key), value);
    };
    put("Name", entry.name);
    put("Icon", entry.icon);
    put("Exec", entry.exec);
    put("Path", entry.path);
    return values;
}
