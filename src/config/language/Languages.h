#pragma once

#include <QCoreApplication>
#include <QMutex>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>
#include <map>

// The languages each engine understands, by engine type, with the codes the engine expects.
// The same language is recognised across engines by its language name (and accent name), so
// a choice made for one engine can be carried over to another (switchLanguage).
//
// Records live as long as the process; the returned pointers stay valid. Lookups run on the
// GUI thread; the table itself is built once, safely, on first use.
//
// Key format: "<type>_<fullCode>", for example "0_zh_cn", "0_zh_cn,cantonese", "2_en", "3_auto".
// The table is ordered by key, so lists come out by type, then by full code.
class Languages
{
    Q_DECLARE_TR_FUNCTIONS(Languages)
public:
    enum Type {
        SpeechRecognition = 0, // iFlytek dictation: "zh_cn", "en_us", dialects as accents of "zh_cn"
        SpeechTranslation = 1, // the speech vendor's machine translation: "cn", "en", "ja"
        TextTranslation = 2,   // Baidu translation: "auto", "zh", "en", "jp", "kor"
        Ocr = 3,               // Baidu OCR language types: "auto", "CHN_ENG", "ENG", "JAP"
        NoEngine = 4,          // holds no records
        SpeechSynthesis = 5,   // text to speech: "zh", "yue", "en", "ja"
    };

    struct LangugeSection
    {
        QString code;       // what the engine expects
        QString accent;     // engine accent parameter; empty for the standard variety
        QString name;       // language name, the same for one language in every type ("中文")
        QString accentName; // accent name ("粤语"); empty for the standard variety
        mutable QString display; // translated display text, refreshed by every lookup
        int type = NoEngine;
        const char *displaySource = nullptr; // untranslated display text (context Languages)

        // code, or code + "," + accent when there is an accent
        QString fullCode() const;
        QString key() const;
        // The display text in the current interface language.
        QString translatedDisplay() const;
    };
    using Records = QVector<const LangugeSection *>;

    static Languages &instance();

    // The records of one type in key order; when codes is not empty, only those whose code
    // (not full code) is in it. Unknown types and type 4 give nothing.
    Records sections(int type, const QStringList &codes = {}) const;

    // The display texts and, in the same order, the full codes of the records.
    static QPair<QStringList, QStringList> displayNames(const Records &records);

    // The record of toType for the same language as the fromType record of code (a code or a
    // full code such as "zh_cn,cantonese"): same language and accent name when toType has it,
    // else the same language in its standard variety (or, lacking that, the first by key).
    // Null when either side is missing.
    const LangugeSection *switchLanguage(int fromType, const QString &code, int toType) const;

    // The record stored under key ("<type>_<fullCode>"). A bare code or full code, as the
    // language picker passes from its items, finds the first record in key order with that
    // full code. Null when nothing matches.
    const LangugeSection *findByKey(const QString &key) const;

    // The record of type with that full code; a bare code with only accented records finds the
    // first of them. Null when none.
    const LangugeSection *find(int type, const QString &code) const;

    static QString makeKey(int type, const QString &fullCode);

private:
    Languages();
    Languages(const Languages &) = delete;
    Languages &operator=(const Languages &) = delete;

    // Brings the display text up to date with the installed translators.
    const LangugeSection *refreshed(const LangugeSection *record) const;

    // std::map: node addresses stay put, and there is no implicit sharing that could detach.
    std::map<QString, LangugeSection> m_table;
    mutable QMutex m_displayMutex;
};
