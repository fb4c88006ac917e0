#pragma once

#include "orm/data/DataCore.h"

#include <QString>
#include <algorithm>
#include <memory>

namespace DatacoreUtil {

// The sort key of a record: the lower-cased text of the field, an empty value last ("zzzzz").
QString sortKey(const DataCore &record, const QString &field);

// Reorders the records by the lower-cased text of the field; the value "Default" stays first.
// Descending order is the ascending order reversed. Works on any list of record pointers.
template <typename List>
void sortByField(List &list, const QString &field, bool ascending)
{
    using Item = typename List::value_type;
    std::stable_sort(list.begin(), list.end(), [&field](const Item &a, const Item &b) {
        const bool aDefault = a->text(field) == QLatin1String("Default");
        const bool bDefault = b->text(field) == QLatin1String("Default");
        if (aDefault != bDefault)
            return aDefault;
        return sortKey(*a, field) < sortKey(*b, field);
    });
    if (!ascending)
        std::reverse(list.begin(), list.end());
}

// The records as one compact JSON array: "[", each record's JSON, separated by ",", "]".
QByteArray toJsonArray(const QVector<const DataCore *> &records);
// Replaces the file atomically with the text. Safe on any thread; logs a failure, shows nothing.
bool writeFile(const QString &path, const QByteArray &text);
// The error toast of a failed write (GUI thread).
void reportWriteFailure();

// Writes the records as one JSON array, replacing the file atomically.
// 0 on success; 1 (logged and shown as an error toast) when the file cannot be written.
int saveToFile(const QVector<const DataCore *> &records, const QString &path);

template <typename List>
int saveToFile(const List &list, const QString &path)
{
    QVector<const DataCore *> records;
    records.reserve(int(list.size()));
    for (const auto &r : list)
        records.append(&*r);
    return saveToFile(records, path);
}

} // namespace DatacoreUtil
