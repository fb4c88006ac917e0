#pragma once

#include <QStringList>
#include <QVariant>

class DataCore;
class IZContainer;

// Mix-in of a data-bound editor. Binding (bindData) only shows the record's value, with the
// editor's signals blocked; a user's change goes back through the record's notifying setter.
class IZWidget
{
public:
    IZWidget() = default;
    virtual ~IZWidget();
    IZWidget(const IZWidget &) = delete;
    IZWidget &operator=(const IZWidget &) = delete;

    // Replaces the field names the editor is bound to; the first one is the edited field.
    void setBindFields(const QStringList &fields) { m_fields = fields; }
    const QStringList &bindFields() const { return m_fields; }
    QString bindField() const { return m_fields.value(0); }

    DataCore *bindRecord() const { return m_record; }
    virtual void setBindRecord(DataCore *record) { m_record = record; }

    // Shows the bound field's value; writes nothing.
    virtual void bindData() = 0;

    // The bound field's current value; invalid without a record or field.
    QVariant fieldValue() const;

protected:
    // Stores the user's choice through the record's setter. False when unbound or refused.
    bool writeField(const QVariant &value);

private:
    friend class IZContainer;
    QStringList m_fields;
    DataCore *m_record = nullptr;
    IZContainer *m_owner = nullptr;
};
