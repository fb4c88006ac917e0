#include "orm/data/DatacoreUtil.h"

#include "logging/QsLog.h"
#include "qui/Toast.h"
#include "util/AppHelper.h"
#include "util/AtomicFile.h"
#include "util/TrContexts.h"

namespace DatacoreUtil {

QString sortKey(const DataCore &record, const QString &field)
{
    const QString text = record.text(field).toLower();
    return text.isEmpty() ? QStringLiteral("zzzzz") : text;
}

QByteArray toJsonArray(const QVector<const DataCore *> &records)
{
    QByteArray out("[");
    for (int i = 0; i < records.size(); ++i) {
        if (i)
            out += ',';
        out += records[i]->toJsonText(true);
    }
    out += ']';
    return out;
}

bool writeFile(const QString &path, const QByteArray &text)
{
    QString error;
    if (!AtomicFile::write(path, text, &error)) {
        QLOG_ERROR() << "Failed to create or write file:" << path << error;
        return false;
    }
    return true;
}

void reportWriteFailure()
{
    Toast::instance().showMessage(2, TNotify::tr("创建或写入文件失败, 请修改文件权限或者将程序安装到非系统盘!"),
                                  2000);
}

int saveToFile(const QVector<const DataCore *> &records, const QString &path)
{
    if (!writeFile(path, toJsonArray(records))) {
        reportWriteFailure();
        return 1;
    }
    return 0;
}

} // namespace DatacoreUtil
