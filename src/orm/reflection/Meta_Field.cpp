#include "orm/reflection/Meta_Field.h"

#include "orm/data/DataCore.h"

#include <QDateTime>
#include <QTextCodec>
#include <QUrl>
#include <cctype>
#include <cmath>

const QString Meta_Field_DateTimeString::Format = QStringLiteral("yyyy-MM-dd hh:mm:ss");

Meta_Field::Meta_Field(const QString &name, Kind kind)
    : m_name(name)
    , m_kind(kind)
{
}

Meta_Field::~Meta_Field() = default;

bool Meta_Field::equals(const DataCore &record, const QVariant &typed) const
{
    return value(record) == typed;
}

bool Meta_Field::setValue(DataCore &record, const QVariant &in) const
{
    QVariant typed;
    if (!convert(in, &typed))
        return false;
    assign(record, typed);
    return true;
}

QString Meta_Field::toText(const DataCore &record) const
{
    const QVariant v = value(record);
    switch (m_kind) {
    case Bool:
        return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case Double:
        return QString::number(v.toDouble(), 'g', 15);
    default:
        return v.toString();
    }
}

QJsonValue Meta_Field::toJson(const DataCore &record) const
{
    const QVariant v = value(record);
    switch (m_kind) {
    case Int:
        return v.toInt();
    case Int64: {
        // JSON numbers are doubles: ids beyond 2^53 travel as text to stay exact.
        const qint64 x = v.toLongLong();
        if (x > -(qint64(1) << 53) && x < (qint64(1) << 53))
            return double(x);
        return QString::number(x);
    }
    case Double:
        return v.toDouble();
    case Bool:
        return v.toBool();
    case String:
    case DateTimeString:
        if (m_percentEncoded)
            return QString::fromLatin1(QUrl::toPercentEncoding(v.toString()));
        return v.toString();
    }
    return QJsonValue();
}

bool Meta_Field::fromJson(DataCore &record, const QJsonValue &json) const
{
    if (json.isNull() || json.isUndefined())
        return false;
    QVariant in = json.toVariant();
    if (m_percentEncoded && json.isString())
        in = percentDecoded(json.toString());
    return setValue(record, in);
}

QString Meta_Field::percentDecoded(const QString &text)
{
    if (!text.contains(QLatin1Char('%')))
        return text;
    // Only "%" and two hex digits is an escape: a "%" a hand edit left (e.g. "50%off") stays.
    const QByteArray in = text.toUtf8();
    QByteArray out;
    out.reserve(in.size());
    for (int i = 0; i < in.size(); ++i) {
        const char c = in.at(i);
        if (c == '%' && i + 2 < in.size() && isxdigit(uchar(in.at(i + 1))) && isxdigit(uchar(in.at(i + 2)))) {
            out.append(char(QByteArray::fromHex(in.mid(i + 1, 2)).at(0)));
            i += 2;
        } else {
            out.append(c);
        }
    }
    // Escapes that make no UTF-8 text were not ours either: the text stays as written.
    QTextCodec::ConverterState state;
    const QString decoded = QTextCodec::codecForMib(106)->toUnicode(out.constData(), out.size(), &state);
    return state.invalidChars > 0 || state.remainingChars > 0 ? text : decoded;
}

bool Meta_Field::toInt64(const QVariant &in, qint64 *out)
{
    switch (in.userType()) {
    case QMetaType::Bool:
        *out = in.toBool() ? 1 : 0;
        return true;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::Char:
        *out = in.toLongLong();
        return true;
    case QMetaType::ULongLong:
        if (in.toULongLong() > quint64(std::numeric_limits<qint64>::max()))
            return false;
        *out = in.toLongLong();
        return true;
    case QMetaType::Double:
    case QMetaType::Float: {
        const double d = in.toDouble();
        // Only whole numbers that fit: 2.5 is no int, and 1e300 overflows.
        if (!std::isfinite(d) || d != std::floor(d) || d < -9.2e18 || d > 9.2e18)
            return false;
        *out = qint64(d);
        return true;
    }
    case QMetaType::QString:
    case QMetaType::QByteArray: {
        const QString s = in.toString().trimmed();
        bool ok = false;
        const qint64 v = s.toLongLong(&ok);
        if (ok) {
            *out = v;
            return true;
        }
        const double d = s.toDouble(&ok);
        return ok && toInt64(d, out);
    }
    default:
        return false;
    }
}

bool Meta_Field_int::convert(const QVariant &in, QVariant *out) const
{
    qint64 v = 0;
    if (!toInt64(in, &v) || v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
        return false;
    *out = int(v);
    return true;
}

bool Meta_Field_qint64::convert(const QVariant &in, QVariant *out) const
{
    qint64 v = 0;
    if (!toInt64(in, &v))
        return false;
    *out = v;
    return true;
}

bool Meta_Field_double::convert(const QVariant &in, QVariant *out) const
{
    bool ok = false;
    double d = 0;
    switch (in.userType()) {
    case QMetaType::QString:
    case QMetaType::QByteArray:
        d = in.toString().trimmed().toDouble(&ok);
        break;
    case QMetaType::Bool:
        return false;
    default:
        d = in.toDouble(&ok);
        break;
    }
    if (!ok || !std::isfinite(d))
        return false;
    *out = d;
    return true;
}

bool Meta_Field_double::equals(const DataCore &record, const QVariant &typed) const
{
    return ref(record) == typed.toDouble();
}

bool Meta_Field_bool::convert(const QVariant &in, QVariant *out) const
{
    switch (in.userType()) {
    case QMetaType::Bool:
        *out = in.toBool();
        return true;
    case QMetaType::QString:
    case QMetaType::QByteArray: {
        const QString s = in.toString().trimmed().toLower();
        if (s == QLatin1String("true") || s == QLatin1String("1")) {
            *out = true;
            return true;
        }
        if (s == QLatin1String("false") || s == QLatin1String("0")) {
            *out = false;
            return true;
        }
        return false;
    }
    default: {
        qint64 v = 0;
        if (!toInt64(in, &v) || (v != 0 && v != 1))
            return false;
        *out = v == 1;
        return true;
    }
    }
}

bool Meta_Field_QString::convert(const QVariant &in, QVariant *out) const
{
    switch (in.userType()) {
    case QMetaType::QString:
        *out = in.toString();
        return true;
    case QMetaType::QByteArray:
        *out = QString::fromUtf8(in.toByteArray());
        return true;
    case QMetaType::UnknownType:
        *out = QString();
        return true;
    case QMetaType::Double: {
        const double d = in.toDouble();
        *out = QString::number(d, 'g', 15);
        return true;
    }
    default:
        if (!in.canConvert<QString>())
            return false;
        *out = in.toString();
        return true;
    }
}

bool Meta_Field_DateTimeString::convert(const QVariant &in, QVariant *out) const
{
    QVariant text;
    if (!Meta_Field_QString::convert(in, &text))
        return false;
    const QString s = text.toString().trimmed();
    if (s.isEmpty()) {
        *out = QString();
        return true;
    }
    if (!QDateTime::fromString(s, Format).isValid())
        return false;
    *out = s;
    return true;
}
