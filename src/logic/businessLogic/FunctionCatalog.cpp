#include "logic/businessLogic/FunctionCatalog.h"

#include "logging/QsLog.h"
#include "util/TrContexts.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <map>

namespace {
// Untranslated names; lupdate finds them through QT_TRANSLATE_NOOP in the TUI context.
const std::map<int, const char *> &table()
{
    static const std::map<int, const char *> names = {
        {0, QT_TRANSLATE_NOOP("TUI", "聚光灯")},
        {1, QT_TRANSLATE_NOOP("TUI", "放大镜")},
        {2, QT_TRANSLATE_NOOP("TUI", "数码光")},
        {3, QT_TRANSLATE_NOOP("TUI", "飞鼠")},
        {1007, QT_TRANSLATE_NOOP("TUI", "语音打字")},
        {1008, QT_TRANSLATE_NOOP("TUI", "翻译打字")},
        {1009, QT_TRANSLATE_NOOP("TUI", "截屏翻译")},
        {1011, QT_TRANSLATE_NOOP("TUI", "回车")},
        {1012, QT_TRANSLATE_NOOP("TUI", "回退")},
        {1014, QT_TRANSLATE_NOOP("TUI", "返回桌面")},
        {1015, QT_TRANSLATE_NOOP("TUI", "自定义快捷键")},
        {1016, QT_TRANSLATE_NOOP("TUI", "语音搜索")},
        {1017, QT_TRANSLATE_NOOP("TUI", "一键百度")},
        {1018, QT_TRANSLATE_NOOP("TUI", "切换窗口")},
        {1019, QT_TRANSLATE_NOOP("TUI", "一键打开网页")},
        {2000, QT_TRANSLATE_NOOP("TUI", "程序/文件")},
        {2001, QT_TRANSLATE_NOOP("TUI", "文件夹")},
        {2002, QT_TRANSLATE_NOOP("TUI", "网址")},
    };
    return names;
}
} // namespace

bool FunctionCatalog::contains(int base, int id)
{
    return table().count(base + id) > 0;
}

QString FunctionCatalog::name(int base, int id)
{
    const auto it = table().find(base + id);
    if (it == table().end()) {
        QLOG_WARN() << "no function name for key" << base + id;
        return QString();
    }
    return TUI::tr(it->second);
}

void FunctionCatalog::fillComboBox(QComboBox *combo, int base, const QList<int> &ids)
{
    if (!combo)
        return;
    // The first item added becomes current: a bound combo must not write it into its record.
    const QSignalBlocker blocker(combo);
    for (int id : ids)
        combo->addItem(name(base, id), id);
}
