#pragma once

#include <QString>

class FieldTable;
class Meta_Field;

namespace Reflection {
// The field of that name, or null; a missing name is logged as a warning.
const Meta_Field *findField(const FieldTable &table, const QString &name);
} // namespace Reflection
