#include "databinding/BindValue.h"

#include <QColor>
#include <cmath>

namespace BindValue {

bool toNumber(const QVariant &value, double *out)
{
    if (!value.isValid() || value.isNull())
        return false;
    bool ok = false;
    double d = 0;
    switch (static_cast<QMetaType::Type>(value.type())) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Long:
    case QMetaType::Short:
        d = value.toDouble(&ok);
        break;
    case QMetaType::QString:
    case QMetaType::QByteArray:
        d = value.toString().trimmed().toDouble(&ok);
        break;
    default:
        return false;
    }
    if (!ok || !std::isfinite(d))
        return false;
    *out = d;
    return true;
}

namespace {
bool isBoolText(const QString &text)
{
    return text == QLatin1String("true") || text == QLatin1String("false");
}

bool toColor(const QVariant &value, QColor *out)
{
    if (value.type() == QVariant::Color) {
        *out = value.value<QColor>();
        return out->isValid();
    }
    if (value.type() != QVariant::String)
        return false;
    const QString text = value.toString().trimmed();
    if (!QColor::isValidColor(text))
        return false;
    *out = QColor(text);
    return true;
}
} // namespace

bool equals(const QVariant &a, const QVariant &b)
{
    if (!a.isValid() || !b.isValid())
        return false;
    if (a.type() == QVariant::Bool || b.type() == QVariant::Bool) {
        const QVariant &other = a.type() == QVariant::Bool ? b : a;
        const QString text = other.toString().trimmed().toLower();
        if (other.type() != QVariant::Bool && !isBoolText(text)) {
            double n = 0;
            if (!toNumber(other, &n))
                return false;
            return (n != 0) == (a.type() == QVariant::Bool ? a.toBool() : b.toBool());
        }
        return a.toBool() == b.toBool();
    }
    double x = 0;
    double y = 0;
    if (toNumber(a, &x) && toNumber(b, &y))
        return x == y || std::fabs(x - y) <= 1e-9 * std::max(std::fabs(x), std::fabs(y));
    QColor ca;
    QColor cb;
    if (toColor(a, &ca) && toColor(b, &cb))
        return ca.rgba() == cb.rgba();
    return a.toString() == b.toString();
}

} // namespace BindValue
