#pragma once

#include <QVariant>

// How bound editors compare a record's value with their own values: the record may hold 2 while
// an item carries "2.0", or "#FF0000" while the item says "red".
namespace BindValue {
// Numbers compare as numbers, colours as colours, booleans as booleans, anything else as text.
bool equals(const QVariant &a, const QVariant &b);
// A finite number when the value is one or is text that reads as one.
bool toNumber(const QVariant &value, double *out);
} // namespace BindValue
