#include "config/language/Languages.h"

#include "logging/QsLog.h"

#include <QMutexLocker>

namespace {

struct Entry
{
    int type;
    const char *code;
    const char *accent;
    const char *name;
    const char *accentName;
    const char *display;
};

// Names must agree across types: they are what carries a choice from one engine to another.
const Entry kEntries[] = {
    // Speech recognition (iFlytek dictation language, with the dialect as accent of zh_cn).
    {Languages::SpeechRecognition, "zh_cn", "", "中文", "", QT_TRANSLATE_NOOP("Languages", "中文(普通话)")},
    {Languages::SpeechRecognition, "zh_cn", "cantonese", "中文", "粤语", QT_TRANSLATE_NOOP("Languages", "中文(粤语)")},
    {Languages::SpeechRecognition, "zh_cn", "lmz", "中文", "四川话", QT_TRANSLATE_NOOP("Languages", "中文(四川话)")},
    {Languages::SpeechRecognition, "zh_cn", "henanese", "中文", "河南话", QT_TRANSLATE_NOOP("Languages", "中文(河南话)")},
    {Languages::SpeechRecognition, "en_us", "", "英语", "", QT_TRANSLATE_NOOP("Languages", "英语")},
    {Languages::SpeechRecognition, "ja_jp", "", "日语", "", QT_TRANSLATE_NOOP("Languages", "日语")},
    {Languages::SpeechRecognition, "ko_kr", "", "韩语", "", QT_TRANSLATE_NOOP("Languages", "韩语")},
    {Languages::SpeechRecognition, "ru_ru", "", "俄语", "", QT_TRANSLATE_NOOP("Languages", "俄语")},
    {Languages::SpeechRecognition, "fr_fr", "", "法语", "", QT_TRANSLATE_NOOP("Languages", "法语")},
    {Languages::SpeechRecognition, "es_es", "", "西班牙语", "", QT_TRANSLATE_NOOP("Languages", "西班牙语")},
    {Languages::SpeechRecognition, "de_de", "", "德语", "", QT_TRANSLATE_NOOP("Languages", "德语")},
    {Languages::SpeechRecognition, "it_it", "", "意大利语", "", QT_TRANSLATE_NOOP("Languages", "意大利语")},
    {Languages::SpeechRecognition, "pt_pt", "", "葡萄牙语", "", QT_TRANSLATE_NOOP("Languages", "葡萄牙语")},
    {Languages::SpeechRecognition, "ar_il", "", "阿拉伯语", "", QT_TRANSLATE_NOOP("Languages", "阿拉伯语")},
    {Languages::SpeechRecognition, "th_th", "", "泰语", "", QT_TRANSLATE_NOOP("Languages", "泰语")},
    {Languages::SpeechRecognition, "vi_vn", "", "越南语", "", QT_TRANSLATE_NOOP("Languages", "越南语")},
    {Languages::SpeechRecognition, "hi_in", "", "印地语", "", QT_TRANSLATE_NOOP("Languages", "印地语")},
    {Languages::SpeechRecognition, "ms_my", "", "马来语", "", QT_TRANSLATE_NOOP("Languages", "马来语")},
    {Languages::SpeechRecognition, "id_id", "", "印尼语", "", QT_TRANSLATE_NOOP("Languages", "印尼语")},
    {Languages::SpeechRecognition, "tr_tr", "", "土耳其语", "", QT_TRANSLATE_NOOP("Languages", "土耳其语")},

    // The speech vendor's machine translation.
    {Languages::SpeechTranslation, "cn", "", "中文", "", QT_TRANSLATE_NOOP("Languages", "中文")},
    {Languages::SpeechTranslation, "en", "", "英语", "", QT_TRANSLATE_NOOP("Languages", "英语")},
    {Languages::SpeechTranslation, "ja", "", "日语", "", QT_TRANSLATE_NOOP("Languages", "日语")},
    {Languages::SpeechTranslation, "ko", "", "韩语", "", QT_TRANSLATE_NOOP("Languages", "韩语")},
    {Languages::SpeechTranslation, "ru", "", "俄语", "", QT_TRANSLATE_NOOP("Languages", "俄语")},
    {Languages::SpeechTranslation, "fr", "", "法语", "", QT_TRANSLATE_NOOP("Languages", "法语")},
    {Languages::SpeechTranslation, "es", "", "西班牙语", "", QT_TRANSLATE_NOOP("Languages", "西班牙语")},
    {Languages::SpeechTranslation, "de", "", "德语", "", QT_TRANSLATE_NOOP("Languages", "德语")},
    {Languages::SpeechTranslation, "it", "", "意大利语", "", QT_TRANSLATE_NOOP("Languages", "意大利语")},
    {Languages::SpeechTranslation, "pt", "", "葡萄牙语", "", QT_TRANSLATE_NOOP("Languages", "葡萄牙语")},
    {Languages::SpeechTranslation, "ar", "", "阿拉伯语", "", QT_TRANSLATE_NOOP("Languages", "阿拉伯语")},
    {Languages::SpeechTranslation, "th", "", "泰语", "", QT_TRANSLATE_NOOP("Languages", "泰语")},
    {Languages::SpeechTranslation, "vi", "", "越南语", "", QT_TRANSLATE_NOOP("Languages", "越南语")},
    {Languages::SpeechTranslation, "hi", "", "印地语", "", QT_TRANSLATE_NOOP("Languages", "印地语")},
    {Languages::SpeechTranslation, "ms", "", "马来语", "", QT_TRANSLATE_NOOP("Languages", "马来语")},
    {Languages::SpeechTranslation, "id", "", "印尼语", "", QT_TRANSLATE_NOOP("Languages", "印尼语")},
    {Languages::SpeechTranslation, "tr", "", "土耳其语", "", QT_TRANSLATE_NOOP("Languages", "土耳其语")},
    {Languages::SpeechTranslation, "nl", "", "荷兰语", "", QT_TRANSLATE_NOOP("Languages", "荷兰语")},
    {Languages::SpeechTranslation, "pl", "", "波兰语", "", QT_TRANSLATE_NOOP("Languages", "波兰语")},
    {Languages::SpeechTranslation, "cs", "", "捷克语", "", QT_TRANSLATE_NOOP("Languages", "捷克语")},

    // Text translation (Baidu).
    {Languages::TextTranslation, "auto", "", "自动", "", QT_TRANSLATE_NOOP("Languages", "自动")},
    {Languages::TextTranslation, "zh", "", "中文", "", QT_TRANSLATE_NOOP("Languages", "中文")},
    {Languages::TextTranslation, "cht", "", "中文", "繁体", QT_TRANSLATE_NOOP("Languages", "繁体中文")},
    {Languages::TextTranslation, "yue", "", "中文", "粤语", QT_TRANSLATE_NOOP("Languages", "粤语")},
    {Languages::TextTranslation, "wyw", "", "文言文", "", QT_TRANSLATE_NOOP("Languages", "文言文")},
    {Languages::TextTranslation, "en", "", "英语", "", QT_TRANSLATE_NOOP("Languages", "英语")},
    {Languages::TextTranslation, "jp", "", "日语", "", QT_TRANSLATE_NOOP("Languages", "日语")},
    {Languages::TextTranslation, "kor", "", "韩语", "", QT_TRANSLATE_NOOP("Languages", "韩语")},
    {Languages::TextTranslation, "fra", "", "法语", "", QT_TRANSLATE_NOOP("Languages", "法语")},
    {Languages::TextTranslation, "spa", "", "西班牙语", "", QT_TRANSLATE_NOOP("Languages", "西班牙语")},
    {Languages::TextTranslation, "ru", "", "俄语", "", QT_TRANSLATE_NOOP("Languages", "俄语")},
    {Languages::TextTranslation, "de", "", "德语", "", QT_TRANSLATE_NOOP("Languages", "德语")},
    {Languages::TextTranslation, "it", "", "意大利语", "", QT_TRANSLATE_NOOP("Languages", "意大利语")},
    {Languages::TextTranslation, "pt", "", "葡萄牙语", "", QT_TRANSLATE_NOOP("Languages", "葡萄牙语")},
    {Languages::TextTranslation, "ara", "", "阿拉伯语", "", QT_TRANSLATE_NOOP("Languages", "阿拉伯语")},
    {Languages::TextTranslation, "th", "", "泰语", "", QT_TRANSLATE_NOOP("Languages", "泰语")},
    {Languages::TextTranslation, "vie", "", "越南语", "", QT_TRANSLATE_NOOP("Languages", "越南语")},
    {Languages::TextTranslation, "hi", "", "印地语", "", QT_TRANSLATE_NOOP("Languages", "印地语")},
    {Languages::TextTranslation, "may", "", "马来语", "", QT_TRANSLATE_NOOP("Languages", "马来语")},
    {Languages::TextTranslation, "id", "", "印尼语", "", QT_TRANSLATE_NOOP("Languages", "印尼语")},
    {Languages::TextTranslation, "tr", "", "土耳其语", "", QT_TRANSLATE_NOOP("Languages", "土耳其语")},
    {Languages::TextTranslation, "nl", "", "荷兰语", "", QT_TRANSLATE_NOOP("Languages", "荷兰语")},
    {Languages::TextTranslation, "pl", "", "波兰语", "", QT_TRANSLATE_NOOP("Languages", "波兰语")},
    {Languages::TextTranslation, "cs", "", "捷克语", "", QT_TRANSLATE_NOOP("Languages", "捷克语")},
    {Languages::TextTranslation, "el", "", "希腊语", "", QT_TRANSLATE_NOOP("Languages", "希腊语")},
    {Languages::TextTranslation, "swe", "", "瑞典语", "", QT_TRANSLATE_NOOP("Languages", "瑞典语")},
    {Languages::TextTranslation, "dan", "", "丹麦语", "", QT_TRANSLATE_NOOP("Languages", "丹麦语")},
    {Languages::TextTranslation, "fin", "", "芬兰语", "", QT_TRANSLATE_NOOP("Languages", "芬兰语")},
    {Languages::TextTranslation, "hu", "", "匈牙利语", "", QT_TRANSLATE_NOOP("Languages", "匈牙利语")},
    {Languages::TextTranslation, "rom", "", "罗马尼亚语", "", QT_TRANSLATE_NOOP("Languages", "罗马尼亚语")},

    // OCR (Baidu language_type; "auto" lets the service detect it).
    {Languages::Ocr, "auto", "", "自动", "", QT_TRANSLATE_NOOP("Languages", "自动")},
    {Languages::Ocr, "CHN_ENG", "", "中文", "", QT_TRANSLATE_NOOP("Languages", "中英文混合")},
    {Languages::Ocr, "ENG", "", "英语", "", QT_TRANSLATE_NOOP("Languages", "英语")},
    {Languages::Ocr, "JAP", "", "日语", "", QT_TRANSLATE_NOOP("Languages", "日语")},
    {Languages::Ocr, "KOR", "", "韩语", "", QT_TRANSLATE_NOOP("Languages", "韩语")},
    {Languages::Ocr, "FRE", "", "法语", "", QT_TRANSLATE_NOOP("Languages", "法语")},
    {Languages::Ocr, "SPA", "", "西班牙语", "", QT_TRANSLATE_NOOP("Languages", "西班牙语")},
    {Languages::Ocr, "POR", "", "葡萄牙语", "", QT_TRANSLATE_NOOP("Languages", "葡萄牙语")},
    {Languages::Ocr, "GER", "", "德语", "", QT_TRANSLATE_NOOP("Languages", "德语")},
    {Languages::Ocr, "ITA", "", "意大利语", "", QT_TRANSLATE_NOOP("Languages", "意大利语")},
    {Languages::Ocr, "RUS", "", "俄语", "", QT_TRANSLATE_NOOP("Languages", "俄语")},
    {Languages::Ocr, "DAN", "", "丹麦语", "", QT_TRANSLATE_NOOP("Languages", "丹麦语")},
    {Languages::Ocr, "DUT", "", "荷兰语", "", QT_TRANSLATE_NOOP("Languages", "荷兰语")},
    {Languages::Ocr, "MAL", "", "马来语", "", QT_TRANSLATE_NOOP("Languages", "马来语")},
    {Languages::Ocr, "SWE", "", "瑞典语", "", QT_TRANSLATE_NOOP("Languages", "瑞典语")},
    {Languages::Ocr, "IND", "", "印尼语", "", QT_TRANSLATE_NOOP("Languages", "印尼语")},
    {Languages::Ocr, "POL", "", "波兰语", "", QT_TRANSLATE_NOOP("Languages", "波兰语")},
    {Languages::Ocr, "ROM", "", "罗马尼亚语", "", QT_TRANSLATE_NOOP("Languages", "罗马尼亚语")},
    {Languages::Ocr, "TUR", "", "土耳其语", "", QT_TRANSLATE_NOOP("Languages", "土耳其语")},
    {Languages::Ocr, "GRE", "", "希腊语", "", QT_TRANSLATE_NOOP("Languages", "希腊语")},
    {Languages::Ocr, "HUN", "", "匈牙利语", "", QT_TRANSLATE_NOOP("Languages", "匈牙利语")},
    {Languages::Ocr, "THA", "", "泰语", "", QT_TRANSLATE_NOOP("Languages", "泰语")},
    {Languages::Ocr, "VIE", "", "越南语", "", QT_TRANSLATE_NOOP("Languages", "越南语")},
    {Languages::Ocr, "ARA", "", "阿拉伯语", "", QT_TRANSLATE_NOOP("Languages", "阿拉伯语")},
    {Languages::Ocr, "HIN", "", "印地语", "", QT_TRANSLATE_NOOP("Languages", "印地语")},

    // Speech synthesis.
    {Languages::SpeechSynthesis, "zh", "", "中文", "", QT_TRANSLATE_NOOP("Languages", "中文")},
    {Languages::SpeechSynthesis, "yue", "", "中文", "粤语", QT_TRANSLATE_NOOP("Languages", "粤语")},
    {Languages::SpeechSynthesis, "en", "", "英语", "", QT_TRANSLATE_NOOP("Languages", "英语")},
    {Languages::SpeechSynthesis, "ja", "", "日语", "", QT_TRANSLATE_NOOP("Languages", "日语")},
    {Languages::SpeechSynthesis, "ko", "", "韩语", "", QT_TRANSLATE_NOOP("Languages", "韩语")},
    {Languages::SpeechSynthesis, "fr", "", "法语", "", QT_TRANSLATE_NOOP("Languages", "法语")},
    {Languages::SpeechSynthesis, "es", "", "西班牙语", "", QT_TRANSLATE_NOOP("Languages", "西班牙语")},
    {Languages::SpeechSynthesis, "ru", "", "俄语", "", QT_TRANSLATE_NOOP("Languages", "俄语")},
    {Languages::SpeechSynthesis, "de", "", "德语", "", QT_TRANSLATE_NOOP("Languages", "德语")},
    {Languages::SpeechSynthesis, "it", "", "意大利语", "", QT_TRANSLATE_NOOP("Languages", "意大利语")},
    {Languages::SpeechSynthesis, "pt", "", "葡萄牙语", "", QT_TRANSLATE_NOOP("Languages", "葡萄牙语")},
    {Languages::SpeechSynthesis, "th", "", "泰语", "", QT_TRANSLATE_NOOP("Languages", "泰语")},
    {Languages::SpeechSynthesis, "vi", "", "越南语", "", QT_TRANSLATE_NOOP("Languages", "越南语")},
    {Languages::SpeechSynthesis, "ar", "", "阿拉伯语", "", QT_TRANSLATE_NOOP("Languages", "阿拉伯语")},
    {Languages::SpeechSynthesis, "hi", "", "印地语", "", QT_TRANSLATE_NOOP("Languages", "印地语")},
    {Languages::SpeechSynthesis, "ms", "", "马来语", "", QT_TRANSLATE_NOOP("Languages", "马来语")},
    {Languages::SpeechSynthesis, "id", "", "印尼语", "", QT_TRANSLATE_NOOP("Languages", "印尼语")},
    {Languages::SpeechSynthesis, "tr", "", "土耳其语", "", QT_TRANSLATE_NOOP("Languages", "土耳其语")},
};

} // namespace

QString Languages::LangugeSection::fullCode() const
{
    return accent.isEmpty() ? code : code + QLatin1Char(',') + accent;
}

QString Languages::LangugeSection::key() const
{
    return makeKey(type, fullCode());
}

QString Languages::LangugeSection::translatedDisplay() const
{
    return displaySource ? Languages::tr(displaySource) : display;
}

Languages &Languages::instance()
{
    static Languages languages;
    return languages;
}

Languages::Languages()
{
    for (const Entry &entry : kEntries) {
        LangugeSection record;
        record.type = entry.type;
        record.code = QString::fromUtf8(entry.code);
        record.accent = QString::fromUtf8(entry.accent);
        record.name = QString::fromUtf8(entry.name);
        record.accentName = QString::fromUtf8(entry.accentName);
        record.displaySource = entry.display;
        record.display = record.translatedDisplay();
        const QString key = record.key();
        if (!m_table.emplace(key, record).second) {
            QLOG_WARN() << "Languages: duplicate language key" << key;
        }
    }
}

QString Languages::makeKey(int type, const QString &fullCode)
{
    return QString::number(type) + QLatin1Char('_') + fullCode;
}

const Languages::LangugeSection *Languages::refreshed(const LangugeSection *record) const
{
    if (!record)
        return nullptr;
    const QString text = record->translatedDisplay();
    QMutexLocker lock(&m_displayMutex);
    if (record->display != text)
        record->display = text;
    return record;
}

Languages::Records Languages::sections(int type, const QStringList &codes) const
{
    Records records;
    // Keys of one type share the prefix "<type>_" and so sit together in key order.
    const QString prefix = makeKey(type, QString());
    for (auto it = m_table.lower_bound(prefix); it != m_table.end() && it->first.startsWith(prefix); ++it) {
        const LangugeSection &record = it->second;
        if (record.type != type)
            continue;
        if (!codes.isEmpty() && !codes.contains(record.code))
            continue;
        records.append(refreshed(&record));
    }
    return records;
}

QPair<QStringList, QStringList> Languages::displayNames(const Records &records)
{
    QPair<QStringList, QStringList> names;
    names.first.reserve(records.size());
    names.second.reserve(records.size());
    for (const LangugeSection *record : records) {
        if (!record)
            continue;
        names.first.append(record->translatedDisplay());
        names.second.append(record->fullCode());
    }
    return names;
}

const Languages::LangugeSection *Languages::find(int type, const QString &code) const
{
    if (code.isEmpty())
        return nullptr;
    const auto exact = m_table.find(makeKey(type, code));
    if (exact != m_table.end())
        return refreshed(&exact->second);
    // A bare code whose records all carry an accent: the first of them.
    const QString prefix = makeKey(type, code) + QLatin1Char(',');
    const auto first = m_table.lower_bound(prefix);
    if (first != m_table.end() && first->first.startsWith(prefix))
        return refreshed(&first->second);
    return nullptr;
}

const Languages::LangugeSection *Languages::switchLanguage(int fromType, const QString &code, int toType) const
{
    const LangugeSection *source = find(fromType, code);
    if (!source) {
        QLOG_WARN() << "switchLanguage: no language" << code << "of type" << fromType;
        return nullptr;
    }

    const LangugeSection *sameAccent = nullptr;
    const LangugeSection *standard = nullptr;
    const LangugeSection *sameName = nullptr;
    for (const LangugeSection *candidate : sections(toType)) {
        if (candidate->name != source->name)
            continue;
        if (!sameAccent && candidate->accentName == source->accentName)
            sameAccent = candidate;
        if (!standard && candidate->accentName.isEmpty())
            standard = candidate;
        if (!sameName)
            sameName = candidate;
    }
    // Without the accent, the standard variety is the safe choice (Mandarin rather than
    // Cantonese for a Sichuanese speaker).
    const LangugeSection *target = sameAccent ? sameAccent : standard ? standard : sameName;
    if (!target) {
        QLOG_WARN() << "switchLanguage: no language of type" << toType << "for" << source->key()
                    << source->name << source->accentName;
        return nullptr;
    }
    QLOG_INFO() << "switchLanguage:" << source->key() << "->" << target->key();
    return target;
}

const Languages::LangugeSection *Languages::findByKey(const QString &key) const
{
    if (key.isEmpty())
        return nullptr;
    const auto exact = m_table.find(key);
    if (exact != m_table.end())
        return refreshed(&exact->second);
    for (const auto &entry : m_table) {
        if (entry.second.fullCode() == key)
            return refreshed(&entry.second);
    }
    return nullptr;
}
