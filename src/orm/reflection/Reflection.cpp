#include "orm/reflection/Reflection.h"

#include "logging/QsLog.h"
#include "orm/reflection/FieldTable.h"

namespace Reflection {

const Meta_Field *findField(const FieldTable &table, const QString &name)
{
    const Meta_Field *field = table.find(name);
    if (!field)
        QLOG_WARN() << "获取绑定字段时无法找到字段: " << name;
    return field;
}

} // namespace Reflection
