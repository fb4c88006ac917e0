#pragma once

#include <QHash>
#include <QString>
#include <QVector>
#include <memory>

class KeywordVO;

// The voice-search keywords prepared for matching: each keyword is normalised once, when the
// lists are handed over, so a query costs one pass over the prepared words and no regular
// expression. The user's keywords come before the detected applications.
class KeywordIndex
{
public:
    using List = QVector<std::shared_ptr<KeywordVO>>;

    // The index of the word store's two keyword lists; it is prepared again at the first
    // query after either list changed.
    static KeywordIndex &forStore();

    // Text without blanks, punctuation, symbols, letter case and letter width, as keywords are
    // compared.
    static QString normalized(const QString &text);

    void prepare(const List &keywords, const List &autoKeywords);
    // The keyword the text names: an exact match first, else the longest keyword the text
    // contains (the first of equal length). Null when none.
    std::shared_ptr<KeywordVO> match(const QString &text) const;

    int size() const { return m_lists[0].size() + m_lists[1].size(); }

private:
    struct Word {
        QString text;
        std::shared_ptr<KeywordVO> record;
    };
    struct Prepared {
        QVector<Word> words;            // longest first, list order within a length
        QHash<QString, int> exact;      // normalised text -> first word in list order
        int size() const { return words.size(); }
    };
    static Prepared prepareOne(const List &list);
    void refreshFromStore() const;

    Prepared m_lists[2];
    mutable bool m_stale = false;
    bool m_followsStore = false;
};
