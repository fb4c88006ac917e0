#include "orm/data/AudioRecordVO.h"

#include "util/TrContexts.h"

#include <QDateTime>

VB_FIELDS(AudioRecordVO, &BaseVO::staticFieldTable(),
          VB_FIELD(AudioRecordVO, userid),
          VB_FIELD(AudioRecordVO, filepath),
          VB_FIELD(AudioRecordVO, attr1),
          VB_FIELD(AudioRecordVO, attr2),
          VB_FIELD(AudioRecordVO, content),
          VB_FIELD(AudioRecordVO, translatedText),
          VB_FIELD(AudioRecordVO, language),
          VB_FIELD(AudioRecordVO, deviceSn),
          VB_FIELD(AudioRecordVO, createTime),
          VB_FIELD(AudioRecordVO, duration),
          VB_FIELD(AudioRecordVO, startTime),
          VB_FIELD(AudioRecordVO, endTime),
          VB_FIELD(AudioRecordVO, createTimeStr),
          VB_FIELD(AudioRecordVO, durationStr))

QString AudioRecordVO::durationText(qint64 seconds)
{
    if (seconds < 0)
        seconds = 0;
    const qint64 h = seconds / 3600;
    const qint64 m = (seconds % 3600) / 60;
    const qint64 s = seconds % 60;
    QString text;
    if (h > 0)
        text += TUI::tr("%1小时").arg(h);
    if (m > 0)
        text += TUI::tr("%1分").arg(m);
    if (s > 0 || text.isEmpty())
        text += TUI::tr("%1秒").arg(s);
    return text;
}

void AudioRecordVO::fillDisplayFields(QVector<AudioRecordVO> &records)
{
    for (AudioRecordVO &r : records) {
        r.createTimeStr = r.createTime > 0
            ? QDateTime::fromMSecsSinceEpoch(r.createTime).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"))
            : QString();
        r.durationStr = durationText(r.duration);
    }
}
