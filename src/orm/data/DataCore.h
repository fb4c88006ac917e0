#pragma once

#include "orm/reflection/FieldTable.h"

#include <QJsonObject>
#include <QStringList>
#include <QVariant>

// Base of every reflected record. Each class has a static field table that maps the record
// to and from JSON; the JSON form carries the class name under "entityType".
class DataCore
{
public:
    DataCore() = default;
    DataCore(const DataCore &) = default;
    DataCore &operator=(const DataCore &) = default;
    virtual ~DataCore();

    virtual const FieldTable &fieldTable() const = 0;
    virtual QString entityType() const = 0;

    // The named field's value; invalid when the record has no such field.
    QVariant value(const QString &field) const;
    QString text(const QString &field) const;
    // Sets the named field from any convertible value. False when the record has no such field
    // or the value does not fit its type; the record is unchanged then.
    virtual bool setValue(const QString &field, const QVariant &value);
    bool setValueFromString(const QString &field, const QString &text) { return setValue(field, text); }

    QJsonObject toJson() const;
    QByteArray toJsonText(bool compact = true) const;
    // Fills fields from the object without notifying anybody. Missing keys keep their values;
    // values that do not fit are skipped and their keys returned in badFields.
    void fromJson(const QJsonObject &object, QStringList *badFields = nullptr);
    // The "entityType" of a JSON record, empty when absent.
    static QString entityTypeOf(const QJsonObject &object);

    static const QString EntityTypeKey;
};

// Declares the reflection members of a record class. Place it first in the class body.
#define VB_RECORD(Class)                                                               \
public:                                                                                \
    static const FieldTable &staticFieldTable();                                       \
    const FieldTable &fieldTable() const override { return staticFieldTable(); }      \
    static QString staticEntityType() { return QStringLiteral(#Class); }               \
    QString entityType() const override { return staticEntityType(); }                 \
                                                                                       \
private:

// Field table definitions, in the record's .cpp:
//   VB_FIELDS(PointerSetting, &BaseSetting::staticFieldTable(), VB_FIELD(PointerSetting, deviceName), ...)
#define VB_FIELD(Class, member) makeField(#member, &Class::member)
#define VB_DATETIME_FIELD(Class, member) makeDateTimeField(#member, &Class::member)
#define VB_FIELDS(Class, base, ...)                                                    \
    const FieldTable &Class::staticFieldTable()                                        \
    {                                                                                  \
        static const FieldTable table(base, {__VA_ARGS__});                            \
        return table;                                                                  \
    }
