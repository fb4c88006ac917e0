#include "form/tab/RecordPlayback.h"

#include "orm/data/AudioRecordVO.h"
#include "qui/Toast.h"
#include "util/AppHelper.h"
#include "util/TrContexts.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QStringList>
#include <QUrl>

namespace {
bool isAudioFile(const QString &path)
{
    static const QStringList types{QStringLiteral("wav"), QStringLiteral("mp3"), QStringLiteral("m4a"),
                                   QStringLiteral("aac"), QStringLiteral("ogg"), QStringLiteral("opus"),
                                   QStringLiteral("flac"), QStringLiteral("amr"), QStringLiteral("wma")};
    const QFileInfo info(path);
    return !path.isEmpty() && info.isAbsolute() && info.isFile() && types.contains(info.suffix().toLower());
}
} // namespace

namespace RecordPlayback {

QString target(const AudioRecordVO &record, const QString &recordFolder)
{
    if (isAudioFile(record.filepath))
        return record.filepath;
    // The stored path is joined as it is: it carries its own leading separator.
    const QString joined = recordFolder + record.filepath;
    if (!record.filepath.isEmpty() && isAudioFile(joined))
        return joined;
    const QUrl link(record.attr1.trimmed());
    const QString scheme = link.scheme().toLower();
    if (link.isValid() && !link.host().isEmpty()
        && (scheme == QLatin1String("http") || scheme == QLatin1String("https")))
        return link.toString(QUrl::FullyEncoded);
    return QString();
}

void play(const AudioRecordVO &record, const QString &recordFolder)
{
    const QString found = target(record, recordFolder);
    if (found.isEmpty())
        Toast::instance().showMessage(1, TNotify::tr("本地文件和云端都没有没有找到音频!"), 2000);
    else if (QFileInfo(found).isAbsolute())
        AppHelper::openLocalFile(found);
    else
        QDesktopServices::openUrl(QUrl(found));
}

} // namespace RecordPlayback
