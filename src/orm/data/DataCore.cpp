#include "orm/data/DataCore.h"

#include "logging/QsLog.h"

#include <QJsonDocument>

const QString DataCore::EntityTypeKey = QStringLiteral("entityType");

DataCore::~DataCore() = default;

QVariant DataCore::value(const QString &field) const
{
    const Meta_Field *f = fieldTable().find(field);
    return f ? f->value(*this) : QVariant();
}

QString DataCore::text(const QString &field) const
{
    const Meta_Field *f = fieldTable().find(field);
    return f ? f->toText(*this) : QString();
}

bool DataCore::setValue(const QString &field, const QVariant &value)
{
    const Meta_Field *f = fieldTable().find(field);
    if (!f) {
        QLOG_WARN() << entityType() << "has no field" << field;
        return false;
    }
    if (!f->setValue(*this, value)) {
        QLOG_WARN() << entityType() << "refused value for" << field << ":" << value.toString();
        return false;
    }
    return true;
}

QJsonObject DataCore::toJson() const
{
    QJsonObject o;
    for (const Meta_Field *f : fieldTable().fields()) {
        if (!f->isUnset(*this))
            o.insert(f->name(), f->toJson(*this));
    }
    o.insert(EntityTypeKey, entityType());
    return o;
}

QByteArray DataCore::toJsonText(bool compact) const
{
    return QJsonDocument(toJson()).toJson(compact ? QJsonDocument::Compact : QJsonDocument::Indented);
}

void DataCore::fromJson(const QJsonObject &object, QStringList *badFields)
{
    for (const Meta_Field *f : fieldTable().fields()) {
        const auto it = object.constFind(f->name());
        if (it == object.constEnd() || it->isNull())
            continue;
        if (!f->fromJson(*this, *it)) {
            QLOG_WARN() << entityType() << "ignores malformed value of" << f->name();
            if (badFields)
                badFields->append(f->name());
        }
    }
}

QString DataCore::entityTypeOf(const QJsonObject &object)
{
    return object.value(EntityTypeKey).toString();
}
