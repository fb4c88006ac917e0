#include "util/ModulePath.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace ModulePath {

QString find(const QString &fileName)
{
    const QString beside = QCoreApplication::applicationDirPath() + QLatin1Char('/') + fileName;
    if (QFileInfo::exists(beside))
        return beside;
    return QStringLiteral(VB_MODULE_DIR "/") + fileName;
}

} // namespace ModulePath
