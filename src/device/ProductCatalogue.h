#pragma once

#include "device/ProductInfo.h"

#include <QJsonObject>
#include <QReadWriteLock>
#include <QVector>
#include <memory>
#include <vector>

// The products one device factory supports. Entries are never removed, so a context's
// product pointer stays valid for the life of the program. Read by the scan and the
// listeners, filled at start-up.
class ProductCatalogue
{
public:
    // Adds the entries of a JSON data file ({"products": [ {...}, ... ]}); the number added,
    // -1 (logged) when the file cannot be read or parsed.
    int load(const QString &path);
    int loadJson(const QByteArray &json, const QString &origin);
    // Adds one entry and returns the catalogue's own copy.
    const ProductInfo *add(const ProductInfo &product);

    // The first entry with this vendor id and product id whose usage page is the given one
    // (an entry's usage page 0 accepts any). Entries without ids never match.
    const ProductInfo *find(ushort vendorId, ushort productId, ushort usagePage) const;
    const ProductInfo *findByModel(const QString &model) const;
    // The first Bluetooth entry whose service UUID equals the given one (any letter case and
    // with or without braces).
    const ProductInfo *findByServiceUuid(const QString &uuid) const;
    QVector<const ProductInfo *> products() const;
    int size() const;

    // One entry from its JSON object; ids as numbers or "0x" hexadecimal texts.
    static ProductInfo fromJson(const QJsonObject &object);
    static QJsonObject toJson(const ProductInfo &product);
    static QString normalisedUuid(const QString &uuid);

private:
    mutable QReadWriteLock m_lock;
    std::vector<std::unique_ptr<ProductInfo>> m_products;
};
