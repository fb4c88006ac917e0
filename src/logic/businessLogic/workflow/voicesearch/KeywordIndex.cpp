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

namespace {
bool isNoise(uint code)
{
    if (QChar::isSpace(code))
        return true;
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
        return true;
    default:
        return false;
    }
}

// The full-width forms of the ASCII signs, letters and digits: U+FF01 to U+FF5E.
constexpr ushort kFullWidthFirst = 0xFF01;
constexpr ushort kFullWidthLast = 0xFF5E;
constexpr ushort kFullWidthOffset = 0xFF01 - 0x21;
} // namespace

QString KeywordIndex::normalized(const QString &text)
{
    QString out(text.size(), Qt::Uninitialized);
    QChar *o = out.data();
    const QChar *p = text.constData();
    const QChar *const end = p + text.size();
    while (p < end) {
        ushort c = p->unicode();
        if (c >= kFullWidthFirst && c <= kFullWidthLast)
            c = ushort(c - kFullWidthOffset);
        // Letters and digits of ASCII, the common case, without a table look-up.
        if (c < 0x80) {
            if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
                *o++ = QChar(c);
            else if (c >= 'A' && c <= 'Z')
                *o++ = QChar(ushort(c + ('a' - 'A')));
            else if (!isNoise(c))
                *o++ = QChar(c);
            ++p;
            continue;
        }
        if (QChar::isHighSurrogate(c) && p + 1 < end && p[1].isLowSurrogate()) {
            const uint code = QChar::surrogateToUcs4(p[0], p[1]);
            if (!isNoise(code)) {
                const uint lower = QChar::toLower(code);
                *o++ = QChar(QChar::highSurrogate(lower));
                *o++ = QChar(QChar::lowSurrogate(lower));
            }
            p += 2;
            continue;
        }
        if (!isNoise(c))
            *o++ = QChar(ushort(QChar::toLower(uint(c))));
        ++p;
    }
    out.truncate(int(o - out.constData()));
    return out;
}

KeywordIndex::Prepared KeywordIndex::prepareOne(const List &list)
{
    Prepared p;
    p.words.reserve(list.size());
    for (const auto &record : list) {
        QString text = record ? normalized(record->keyword) : QString();
        if (!text.isEmpty())
            p.words.append({std::move(text), record});
    }
    // Stable: equal words keep their list order, so the first of them stays first.
    std::stable_sort(p.words.begin(), p.words.end(),
                     [](const Word &a, const Word &b) { return a.text.size() > b.text.size(); });
    p.exact.reserve(p.words.size());
    for (int i = 0; i < p.words.size(); ++i) {
        if (!p.exact.contains(p.words[i].text))
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
