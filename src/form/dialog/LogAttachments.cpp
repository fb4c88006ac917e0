#include "form/dialog/LogAttachments.h"

#include "util/TrContexts.h"

#include <QDir>
#include <QFileInfo>

LogAttachments LogAttachments::collect(const QString &programDir, int maxFiles, qint64 maxBytes)
{
    QFileInfoList candidates = QDir(programDir + QStringLiteral("/log")).entryInfoList(QDir::Files, QDir::Time);
    candidates += QDir(programDir).entryInfoList({QStringLiteral("*.dmp")}, QDir::Files, QDir::Time);
    LogAttachments result;
    qint64 total = 0;
    for (const QFileInfo &file : qAsConst(candidates)) {
        if (result.files.size() < maxFiles && total + file.size() <= maxBytes) {
            result.files << file.absoluteFilePath();
            total += file.size();
        } else {
            result.leftOut << file.fileName();
        }
    }
    return result;
}

QString LogAttachments::notice() const
{
    if (leftOut.isEmpty())
        return QString();
    return TUI::tr("以下文件超出附件数量或大小限制, 未附上: %1").arg(leftOut.join(QStringLiteral(", ")));
}
