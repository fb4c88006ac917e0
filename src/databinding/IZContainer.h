#pragma once

#include "databinding/IDataContainer.h"

#include <QString>
#include <QStringList>

class IZWidget;

// The binding part of a form: the bound editors below it and their record. Without a record
// the form behaves as a plain widget.
class IZContainer : public IDataContainer
{
public:
    explicit IZContainer(const QString &validationName = QStringLiteral("Validation"));
    ~IZContainer() override;

    QString validationName() const { return m_validationName; }

    // Adds an editor; a non-empty field list replaces its fields. The editor gets the current
    // record at once.
    void addBindWidget(IZWidget *widget, const QStringList &fields = QStringList());
    void removeBindWidget(IZWidget *widget);
    const QVector<IZWidget *> &bindWidgets() const { return m_widgets; }

    // Also checks every bound field against the record's type; a missing one is logged.
    void setData(DataCore *record, bool withChildren = true) override;
    void bindData() override;

    // Bound field names that the record's type lacks (empty without a record).
    QStringList missingFields() const;

private:
    QString m_validationName;
    QVector<IZWidget *> m_widgets;
};
