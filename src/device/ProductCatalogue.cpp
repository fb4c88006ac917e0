#include "device/ProductCatalogue.h"

#include "logging/QsLog.h"
#include "util/TrContexts.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <cmath>

namespace {
ushort idOf(const QJsonValue &value)
{
    // Out of range or not whole: refused (0), as a number or as text, never wrapped into
    // another id.
    if (value.isDouble()) {
        const double id = value.toDouble();
        if (id >= 0 && id <= 0xffff && id == std::floor(id))
            return ushort(id);
        QLOG_WARN() << "product catalogue: id out of range refused:" << id;
        return 0;
    }
    if (value.isUndefined() || value.isNull())
        return 0;
    const QString text = value.toString().trimmed();
    bool ok = false;
    const uint id = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ? text.mid(2).toUInt(&ok, 16)
                                                                               : text.toUInt(&ok, 10);
    if (ok && id <= 0xffff)
        return ushort(id);
    QLOG_WARN() << "product catalogue: id refused:" << text;
    return 0;
}

QString hexId(ushort id)
{
    return QStringLiteral("0x%1").arg(id, 4, 16, QLatin1Char('0'));
}

// Display texts of the data files are Chinese source texts like every other: translated here.
QString translated(const QJsonObject &object, const char *key)
{
    const QString text = object.value(QLatin1String(key)).toString();
    return text.isEmpty() ? text : TProduct::tr(text.toUtf8().constData());
}
} // namespace

int ProductCatalogue::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        QLOG_ERROR() << "cannot read product catalogue" << path;
        return -1;
    }
    return loadJson(file.readAll(), path);
}

int ProductCatalogue::loadJson(const QByteArray &json, const QString &origin)
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) {
        QLOG_ERROR() << "product catalogue cannot be parsed:" << origin << error.errorString();
        return -1;
    }
    const QJsonArray list = doc.object().value(QLatin1String("products")).toArray();
    int added = 0;
    for (const QJsonValue &entry : list) {
        if (!entry.isObject())
            continue;
        add(fromJson(entry.toObject()));
        ++added;
    }
    QLOG_INFO() << "product catalogue" << origin << "holds" << added << "products";
    return added;
}

const ProductInfo *ProductCatalogue::add(const ProductInfo &product)
{
    QWriteLocker lock(&m_lock);
    m_products.push_back(std::make_unique<ProductInfo>(product));
    return m_products.back().get();
}

const ProductInfo *ProductCatalogue::find(ushort vendorId, ushort productId, ushort usagePage) const
{
    if (vendorId == 0 && productId == 0)
        return nullptr;
    QReadLocker lock(&m_lock);
    for (const auto &p : m_products) {
        if (p->vendorId == vendorId && p->productId == productId
            && (p->usagePage == 0 || p->usagePage == usagePage))
            return p.get();
    }
    return nullptr;
}

const ProductInfo *ProductCatalogue::findByModel(const QString &model) const
{
    if (model.isEmpty())
        return nullptr;
    QReadLocker lock(&m_lock);
    for (const auto &p : m_products) {
        if (p->model == model)
            return p.get();
    }
    return nullptr;
}

QString ProductCatalogue::normalisedUuid(const QString &uuid)
{
    QString text = uuid.trimmed().toLower();
    if (text.startsWith(QLatin1Char('{')) && text.endsWith(QLatin1Char('}')))
        text = text.mid(1, text.size() - 2);
    return text;
}

const ProductInfo *ProductCatalogue::findByServiceUuid(const QString &uuid) const
{
    const QString wanted = normalisedUuid(uuid);
    if (wanted.isEmpty())
        return nullptr;
    QReadLocker lock(&m_lock);
    for (const auto &p : m_products) {
        if (p->isBluetooth() && normalisedUuid(p->serviceUuid) == wanted)
            return p.get();
    }
    return nullptr;
}

QVector<const ProductInfo *> ProductCatalogue::products() const
{
    QReadLocker lock(&m_lock);
    QVector<const ProductInfo *> out;
    for (const auto &p : m_products)
        out << p.get();
    return out;
}

int ProductCatalogue::size() const
{
    QReadLocker lock(&m_lock);
    return int(m_products.size());
}

ProductInfo ProductCatalogue::fromJson(const QJsonObject &o)
{
    ProductInfo p;
    p.brand = translated(o, "brand");
    p.name = translated(o, "name");
    p.model = o.value(QLatin1String("model")).toString();
    p.picture = o.value(QLatin1String("picture")).toString();
    p.logo = o.value(QLatin1String("logo")).toString();
    p.productIntroUrl = o.value(QLatin1String("productIntroUrl")).toString();
    p.description = translated(o, "description");
    p.helpUrl = o.value(QLatin1String("helpUrl")).toString();
    p.serviceUuid = o.value(QLatin1String("serviceUuid")).toString();
    p.flags = o.value(QLatin1String("flags")).toInt(1);
    p.vendorId = idOf(o.value(QLatin1String("vendorId")));
    p.productId = idOf(o.value(QLatin1String("productId")));
    p.usagePage = idOf(o.value(QLatin1String("usagePage")));
    return p;
}

QJsonObject ProductCatalogue::toJson(const ProductInfo &p)
{
    return QJsonObject{{QStringLiteral("brand"), p.brand},
                       {QStringLiteral("name"), p.name},
                       {QStringLiteral("model"), p.model},
                       {QStringLiteral("picture"), p.picture},
                       {QStringLiteral("logo"), p.logo},
                       {QStringLiteral("productIntroUrl"), p.productIntroUrl},
                       {QStringLiteral("description"), p.description},
                       {QStringLiteral("helpUrl"), p.helpUrl},
                       {QStringLiteral("serviceUuid"), p.serviceUuid},
                       {QStringLiteral("flags"), p.flags},
                       {QStringLiteral("vendorId"), hexId(p.vendorId)},
                       {QStringLiteral("productId"), hexId(p.productId)},
                       {QStringLiteral("usagePage"), hexId(p.usagePage)}};
}
