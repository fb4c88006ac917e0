#pragma once

#include <QJsonValue>
#include <QString>
#include <QVariant>
#include <functional>
#include <limits>

class DataCore;

// One typed member of a reflected record: reads and writes it as QVariant, JSON and text.
// Conversions are strict: a value that does not fit the type is refused and nothing changes.
class Meta_Field
{
public:
    enum Kind { Int, Int64, Double, Bool, String, DateTimeString };

    Meta_Field(const QString &name, Kind kind);
    virtual ~Meta_Field();

    const QString &name() const { return m_name; }
    Kind kind() const { return m_kind; }

    // Text fields whose JSON form is percent-encoded (word lists).
    Meta_Field *percentEncoded()
    {
        m_percentEncoded = true;
        return this;
    }
    bool isPercentEncoded() const { return m_percentEncoded; }
    // The text with its "%XX" escapes decoded; a "%" that starts no escape stays as it is, and
    // a text whose escapes make no UTF-8 is returned as written.
    static QString percentDecoded(const QString &text);

    virtual QVariant value(const DataCore &record) const = 0;
    // Converts any accepted input (number, text such as "25" or "2.0", bool) to the
    // field's own type. False when it does not fit.
    virtual bool convert(const QVariant &in, QVariant *out) const = 0;
    // Whether the typed value equals the record's current one.
    virtual bool equals(const DataCore &record, const QVariant &typed) const;
    // Stores an already converted value.
    virtual void assign(DataCore &record, const QVariant &typed) const = 0;
    virtual bool isUnset(const DataCore &record) const = 0;

    bool setValue(DataCore &record, const QVariant &value) const;
    QString toText(const DataCore &record) const;
    bool fromText(DataCore &record, const QString &text) const { return setValue(record, text); }
    QJsonValue toJson(const DataCore &record) const;
    bool fromJson(DataCore &record, const QJsonValue &json) const;

protected:
    static bool toInt64(const QVariant &in, qint64 *out);

private:
    QString m_name;
    Kind m_kind;
    bool m_percentEncoded = false;
};

template <typename T>
class Meta_FieldT : public Meta_Field
{
public:
    using Accessor = std::function<T &(DataCore &)>;
    Meta_FieldT(const QString &name, Kind kind, Accessor accessor)
        : Meta_Field(name, kind)
        , m_ref(std::move(accessor))
    {
    }

    T &ref(DataCore &record) const { return m_ref(record); }
    const T &ref(const DataCore &record) const { return m_ref(const_cast<DataCore &>(record)); }

    QVariant value(const DataCore &record) const override { return QVariant::fromValue(ref(record)); }
    void assign(DataCore &record, const QVariant &typed) const override { ref(record) = typed.value<T>(); }

private:
    Accessor m_ref;
};

class Meta_Field_int : public Meta_FieldT<int>
{
public:
    static constexpr int Unset = std::numeric_limits<int>::min();
    Meta_Field_int(const QString &name, Accessor a) : Meta_FieldT(name, Int, std::move(a)) {}
    bool convert(const QVariant &in, QVariant *out) const override;
    bool isUnset(const DataCore &r) const override { return ref(r) == Unset; }
};

class Meta_Field_qint64 : public Meta_FieldT<qint64>
{
public:
    static constexpr qint64 Unset = std::numeric_limits<qint64>::min();
    Meta_Field_qint64(const QString &name, Accessor a) : Meta_FieldT(name, Int64, std::move(a)) {}
    bool convert(const QVariant &in, QVariant *out) const override;
    bool isUnset(const DataCore &r) const override { return ref(r) == Unset; }
};

class Meta_Field_double : public Meta_FieldT<double>
{
public:
    Meta_Field_double(const QString &name, Accessor a) : Meta_FieldT(name, Double, std::move(a)) {}
    bool convert(const QVariant &in, QVariant *out) const override;
    bool equals(const DataCore &record, const QVariant &typed) const override;
    // NaN is the unset value.
    bool isUnset(const DataCore &r) const override { return ref(r) != ref(r); }
};

class Meta_Field_bool : public Meta_FieldT<bool>
{
public:
    Meta_Field_bool(const QString &name, Accessor a) : Meta_FieldT(name, Bool, std::move(a)) {}
    bool convert(const QVariant &in, QVariant *out) const override;
    bool isUnset(const DataCore &) const override { return false; }
};

class Meta_Field_QString : public Meta_FieldT<QString>
{
public:
    Meta_Field_QString(const QString &name, Accessor a, Kind kind = String)
        : Meta_FieldT(name, kind, std::move(a))
    {
    }
    bool convert(const QVariant &in, QVariant *out) const override;
    bool isUnset(const DataCore &r) const override { return ref(r).isNull(); }
};

// A text holding a local time "yyyy-MM-dd hh:mm:ss"; empty means unset.
class Meta_Field_DateTimeString : public Meta_Field_QString
{
public:
    static const QString Format;
    Meta_Field_DateTimeString(const QString &name, Accessor a)
        : Meta_Field_QString(name, std::move(a), DateTimeString)
    {
    }
    bool convert(const QVariant &in, QVariant *out) const override;
    bool isUnset(const DataCore &r) const override { return ref(r).isEmpty(); }
};

namespace MetaFieldDetail {
template <typename T> struct FieldFor;
template <> struct FieldFor<int> { using type = Meta_Field_int; };
template <> struct FieldFor<qint64> { using type = Meta_Field_qint64; };
template <> struct FieldFor<double> { using type = Meta_Field_double; };
template <> struct FieldFor<bool> { using type = Meta_Field_bool; };
template <> struct FieldFor<QString> { using type = Meta_Field_QString; };
} // namespace MetaFieldDetail

template <class C, typename T>
Meta_Field *makeField(const char *name, T C::*member)
{
    using F = typename MetaFieldDetail::FieldFor<T>::type;
    return new F(QString::fromLatin1(name),
                 [member](DataCore &d) -> T & { return static_cast<C &>(d).*member; });
}

template <class C>
Meta_Field *makeDateTimeField(const char *name, QString C::*member)
{
    return new Meta_Field_DateTimeString(
        QString::fromLatin1(name),
        [member](DataCore &d) -> QString & { return static_cast<C &>(d).*member; });
}
