#include "logic/businessLogic/workflow/voicesearch/KeywordIndex.h"

#include "config/HotWordStore.h"

#include <algorithm>

KeywordIndex &KeywordIndex::forStore()
{
    static KeywordIndex *index = [] {
        auto *i = new KeywordIndex; // lives as long as the store it follows
        i->m_followsStore = true;
        i->m_stale = true;
        HotWordStore &store = HotWordStore::instance();
        QObject::connect(&store, &HotWordStore::keywordsChanged, &store, [i] { i->m_stale = true; });
        QObject::connect(&store, &HotWordStore::autoKeywordsChanged, &store, [i] { i->m_stale = true; });
        return i;
    }();
    return *index;
}

QString KeywordIndex::normalized(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        uint code = text.at(i).unicode();
        const bool pair = QChar::isHighSurrogate(code) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        if (pair)
            code = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
        bool noise = QChar::isSpace(code);
        switch (QChar::category(code)) {
        case QChar::Punctuation_Connector:
        case QChar::Punctuation_Dash:
        case QChar::Punctuation_Open:
        case QChar::Punctuation_Close:
        case QChar::Punctuation_InitialQuote:
        case QChar::Punctuation_FinalQuote:
        case QChar::Punctuation_Other:
        case QChar::Symbol_Math:
        case QChar::Symbol_Currency:
        case QChar::Symbol_Modifier:
        case QChar::Symbol_Other:
        case QChar::Separator_Space:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            noise = true;
            break;
        default:
            break;
        }
        if (!noise) {
            out += text.at(i);
            if (pair)
                out += text.at(i + 1);
        }
        if (pair)
            ++i;
    }
    return out.toLower();
}

KeywordIndex::Prepared KeywordIndex::prepareOne(const List &list)
{
    Prepared p;
    p.words.reserve(list.size());
    QHash<QString, KeywordVO *> first; // the first record of each word, in list order
    for (const auto &record : list) {
        QString text = record ? normalized(record->keyword) : QString();
        if (text.isEmpty())
            continue;
        if (!first.contains(text))
            first.insert(text, record.get());
        p.words.append({std::move(text), record});
    }
    std::stable_sort(p.words.begin(), p.words.end(),
                     [](const Word &a, const Word &b) { return a.text.size() > b.text.size(); });
    for (int i = 0; i < p.words.size(); ++i) {
        if (first.value(p.words[i].text) == p.words[i].record.get())
            p.exact.insert(p.words[i].text, i);
    }
    return p;
}

void KeywordIndex::prepare(const List &keywords, const List &autoKeywords)
{
    m_lists[0] = prepareOne(keywords);
    m_lists[1] = prepareOne(autoKeywords);
    m_stale = false;
}

void KeywordIndex::refreshFromStore() const
{
    HotWordStore &store = HotWordStore::instance();
    const_cast<KeywordIndex *>(this)->prepare(store.keywords().records, store.autoKeywords().records);
}

std::shared_ptr<KeywordVO> KeywordIndex::match(const QString &text) const
{
    if (m_followsStore && m_stale)
        refreshFromStore();
    const QString spoken = normalized(text);
    if (spoken.isEmpty())
        return nullptr;
    for (const Prepared &list : m_lists) {
        const auto it = list.exact.constFind(spoken);
        if (it != list.exact.cend())
            return list.words[it.value()].record;
    }
    for (const Prepared &list : m_lists) {
        // Longest first: the first contained word is the answer.
        for (const Word &word : list.words) {
            if (word.text.size() <= spoken.size() && spoken.contains(word.text))
                return word.record;
        }
    }
    return nullptr;
}
