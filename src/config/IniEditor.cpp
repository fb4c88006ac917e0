#include "config/IniEditor.h"

#include <QVector>

namespace {

// One statement of the file as QSettings reads it: a comment, a [section], a key=value or a
// line QSettings cannot use. A value may run over several lines (a "\" before the line end, or
// a quoted line end); a comment ends at the line end.
struct Statement
{
    enum Kind { Comment, Section, Key, Other } kind;
    int begin;
    int end; // before a trailing comment and the line end
    int equals;
};

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

int lineEnd(const QByteArray &text, int from)
{
    while (from < text.size() && text.at(from) != '\n' && text.at(from) != '\r')
        ++from;
    return from;
}

QVector<Statement> statementsOf(const QByteArray &text)
{
    QVector<Statement> statements;
    const int n = text.size();
    int pos = 0;
    while (true) {
        while (pos < n && isSpace(text.at(pos)))
            ++pos;
        if (pos >= n)
            break;
        const int begin = pos;
        if (text.at(pos) == ';') {
            pos = lineEnd(text, pos);
            statements.append({Statement::Comment, begin, pos, -1});
            continue;
        }
        bool quoted = false;
        int equals = -1;
        int i = pos;
        for (; i < n; ++i) {
            const char c = text.at(i);
            if (c == '=') {
                if (!quoted && equals < 0)
                    equals = i;
            } else if (c == '\n' || c == '\r' || c == ';') {
                if (!quoted)
                    break;
            } else if (c == '\\') {
                // An escaped character, or a line end that continues the value.
                if (++i + 1 < n) {
                    const char escaped = text.at(i);
                    const char after = text.at(i + 1);
                    if ((escaped == '\n' && after == '\r') || (escaped == '\r' && after == '\n'))
                        ++i;
                }
            } else if (c == '"') {
                quoted = !quoted;
            }
        }
        i = qMin(i, n);
        const Statement::Kind kind = text.at(begin) == '[' ? Statement::Section
            : equals >= 0                                 ? Statement::Key
                                                          : Statement::Other;
        statements.append({kind, begin, i, equals});
        pos = i; // a trailing comment is the next statement
    }
    return statements;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The key as QSettings reads it: "\" separates groups, "%XX" and "%UXXXX" are characters.
QString unescapedKey(const QByteArray &bytes)
{
    QString key;
    for (int i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c == '\\') {
            key += QLatin1Char('/');
            continue;
        }
        if (c == '%') {
            const bool wide = i + 1 < bytes.size() && bytes.at(i + 1) == 'U';
            const int digits = wide ? 4 : 2;
            const int first = i + (wide ? 2 : 1);
            int code = 0;
            bool valid = first + digits <= bytes.size();
            for (int d = 0; valid && d < digits; ++d) {
                const int v = hexValue(bytes.at(first + d));
                valid = v >= 0;
                code = code * 16 + v;
            }
            if (valid) {
                key += QChar(ushort(code));
                i = first + digits - 1;
                continue;
            }
        }
        key += QLatin1Char(c);
    }
    return key;
}

QString normalized(const QString &key)
{
    return key.split(QLatin1Char('/'), Qt::SkipEmptyParts).join(QLatin1Char('/'));
}

QString sectionOf(const QByteArray &text, const Statement &s)
{
    int close = text.indexOf(']', s.begin);
    if (close < 0 || close >= s.end)
        close = s.end;
    const QByteArray name = text.mid(s.begin + 1, close - s.begin - 1).trimmed();
    if (qstricmp(name.constData(), "general") == 0)
        return QString();
    if (qstricmp(name.constData(), "%general") == 0)
        return QString::fromLatin1(name.mid(1));
    return normalized(unescapedKey(name));
}

QByteArray keyText(const QByteArray &text, int begin, int equals)
{
    return text.mid(begin, equals - begin).trimmed();
}

QString joined(const QString &section, const QString &key)
{
    return normalized(section.isEmpty() ? key : section + QLatin1Char('/') + key);
}

bool valueText(const QVariant &value, QString *text)
{
    switch (value.userType()) {
    case QMetaType::QString: {
        const QString s = value.toString();
        if (s.contains(QChar::Null))
            *text = QStringLiteral("@String(") + s + QLatin1Char(')');
        else
            *text = s.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + s : s;
        return true;
    }
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        *text = value.toString();
        return true;
    case QMetaType::UnknownType:
        *text = QStringLiteral("@Invalid()");
        return true;
    default:
        return false;
    }
}

QByteArray lineBreakOf(const QByteArray &text)
{
    const int end = lineEnd(text, 0);
    return text.mid(end, 2) == "\r\n" ? QByteArray("\r\n") : QByteArray("\n");
}

// Where a line put after the statement goes: past the end of the line it ends on.
int afterLine(QByteArray &text, int end, const QByteArray &lineBreak)
{
    end = lineEnd(text, end);
    if (end == text.size()) {
        text.append(lineBreak);
        return text.size();
    }
    return end + (text.mid(end, 2) == "\r\n" ? 2 : 1);
}

// QSettings' spelling of a key within its section and of a value.
QByteArray escapedKey(const QString &key)
{
    static const char hex[] = "0123456789ABCDEF";
    QByteArray out;
    for (const QChar qc : key) {
        const ushort c = qc.unicode();
        if (c == '/') {
            out += '\\';
        } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-'
                   || c == '.') {
            out += char(c);
        } else if (c <= 0xFF) {
            out += '%';
            out += hex[c / 16];
            out += hex[c % 16];
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += hex[(c >> shift) & 0xF];
        }
    }
    return out;
}

QByteArray escapedValue(const QString &value)
{
    QByteArray out;
    bool needsQuotes = false;
    bool escapeHexDigit = false; // a hex digit after "\x.." would be read as part of it
    for (const QChar qc : value) {
        const ushort c = qc.unicode();
        if (c == ';' || c == ',' || c == '=')
            needsQuotes = true;
        if (escapeHexDigit && c < 0x80 && hexValue(char(c)) >= 0) {
            out += "\\x" + QByteArray::number(c, 16);
            continue;
        }
        escapeHexDigit = false;
        switch (c) {
        case 0: out += "\\0"; escapeHexDigit = true; break;
        case '\a': out += "\\a"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\v': out += "\\v"; break;
        case '"':
        case '\\':
            out += '\\';
            out += char(c);
            break;
        default:
            if (c <= 0x1F || c >= 0x7F) {
                out += "\\x" + QByteArray::number(c, 16);
                escapeHexDigit = true;
            } else {
                out += char(c);
            }
        }
    }
    if (needsQuotes || out.startsWith(' ') || out.endsWith(' '))
        out = '"' + out + '"';
    return out;
}

} // namespace

QByteArray IniEditor::withValue(const QByteArray &text, const QString &key, const QVariant &value, QString *error)
{
    QString plain;
    if (!valueText(value, &plain)) {
        if (error)
            *error = QStringLiteral("a value of type %1 cannot be written").arg(QString::fromLatin1(value.typeName()));
        return QByteArray();
    }
    const QByteArray escaped = escapedValue(plain);
    const QString target = normalized(key);
    const int slash = target.indexOf(QLatin1Char('/'));
    const QString section = slash < 0 ? QString() : target.left(slash);
    const QString inSection = slash < 0 ? target : target.mid(slash + 1);

    QByteArray out = text;
    const QByteArray lineBreak = lineBreakOf(text);
    const QVector<Statement> statements = statementsOf(text);
    // QSettings takes the last line of a key: that one changes.
    const Statement *line = nullptr;
    const Statement *commentedOut = nullptr; // ";Key=..." in the key's section
    const Statement *lastInSection = nullptr;
    QString current;
    for (const Statement &s : statements) {
        if (s.kind == Statement::Section) {
            current = sectionOf(text, s);
            if (current == section)
                lastInSection = &s;
            continue;
        }
        if (current != section)
            continue;
        if (s.kind == Statement::Key) {
            lastInSection = &s;
            if (joined(current, unescapedKey(keyText(text, s.begin, s.equals))) == target)
                line = &s;
        } else if (s.kind == Statement::Comment) {
            const QByteArray body = text.mid(s.begin, s.end - s.begin);
            int start = 0;
            while (start < body.size() && (body.at(start) == ';' || body.at(start) == ' ' || body.at(start) == '\t'))
                ++start;
            const int equals = body.indexOf('=', start);
            if (equals > start && normalized(unescapedKey(keyText(body, start, equals))) == normalized(inSection))
                commentedOut = &s;
        }
    }
    if (line) {
        int begin = line->equals + 1;
        while (begin < line->end && (text.at(begin) == ' ' || text.at(begin) == '\t'))
            ++begin;
        int end = line->end;
        while (end > begin && (text.at(end - 1) == ' ' || text.at(end - 1) == '\t'))
            --end;
        out.replace(begin, end - begin, escaped);
        return out;
    }
    const QByteArray entry = escapedKey(inSection) + '=' + escaped + lineBreak;
    // Beside the user's commented-out line of the key, else after the section's last line.
    const Statement *anchor = commentedOut ? commentedOut : lastInSection;
    if (anchor) {
        const int at = afterLine(out, anchor->end, lineBreak);
        out.insert(at, entry);
        return out;
    }
    if (!out.isEmpty() && !out.endsWith('\n') && !out.endsWith('\r'))
        out += lineBreak;
    if (!out.isEmpty() && !out.endsWith(lineBreak + lineBreak))
        out += lineBreak;
    QByteArray header = section.isEmpty() ? QByteArray("General") : escapedKey(section);
    if (qstricmp(header.constData(), "general") == 0 && !section.isEmpty())
        header.prepend('%');
    out += '[' + header + ']' + lineBreak + entry;
    return out;
}
