#include "orm/data/HotwordVO.h"

#include <QTextCodec>

VB_FIELDS(HotwordVO, &BaseVO::staticFieldTable(),
          VB_FIELD(HotwordVO, hotword),
          VB_FIELD(HotwordVO, index))

namespace {
bool isUnreserved(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.'
        || c == '_' || c == '~';
}

bool isCapitalHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

// The word as the earlier encoder would have written it decoded, or false when it cannot be
// such a word.
bool decodeOne(const QString &word, QString *decoded, bool *escaped)
{
    QByteArray bytes;
    bytes.reserve(word.size());
    for (int i = 0; i < word.size(); ++i) {
        const QChar ch = word.at(i);
        if (ch.unicode() > 0x7f)
            return false;
        const char c = char(ch.unicode());
        if (isUnreserved(c)) {
            bytes.append(c);
        } else if (c == '%' && i + 2 < word.size() && word.at(i + 1).unicode() < 0x80
                   && word.at(i + 2).unicode() < 0x80 && isCapitalHex(char(word.at(i + 1).unicode()))
                   && isCapitalHex(char(word.at(i + 2).unicode()))) {
            bytes.append(char(QByteArray::fromHex(word.mid(i + 1, 2).toLatin1()).at(0)));
            *escaped = true;
            i += 2;
        } else {
            return false;
        }
    }
    QTextCodec::ConverterState state;
    *decoded = QTextCodec::codecForMib(106)->toUnicode(bytes.constData(), bytes.size(), &state);
    return state.invalidChars == 0 && state.remainingChars == 0;
}
} // namespace

bool HotwordVO::decodeEarlierEncoding(const QVector<std::shared_ptr<HotwordVO>> &words)
{
    QStringList decoded;
    decoded.reserve(words.size());
    bool escaped = false;
    for (const auto &w : words) {
        QString plain;
        if (!decodeOne(w->hotword, &plain, &escaped))
            return false;
        decoded.append(plain);
    }
    if (!escaped)
        return false; // plain words, whoever wrote them
    for (int i = 0; i < words.size(); ++i)
        words[i]->hotword = decoded.at(i);
    return true;
}
