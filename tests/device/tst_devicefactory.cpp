#include "config/DeviceConfigHelper.h"
#include "config/MouseSetting.h"
#include "config/PointerSetting.h"
#include "device/DeviceContext.h"
#include "device/DeviceHardwareInfo.h"
#include "device/IDeviceFactory.h"
#include "device/IDeviceLogic.h"
#include "device/mouse/mirel/MirelMouseDevice.h"
#include "device/pointer/common/PointerDevice.h"
#include "support/TestHome.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>
#include <QtTest>

namespace {
ProductInfo product(ushort vid, ushort pid, ushort usagePage, const QString &name = QString())
{
    ProductInfo p;
    p.brand = QStringLiteral("Test");
    p.name = name.isEmpty() ? QStringLiteral("P%1").arg(pid) : name;
    p.vendorId = vid;
    p.productId = pid;
    p.usagePage = usagePage;
    return p;
}

std::unique_ptr<DeviceHardwareInfo> hardware(ushort vid, ushort pid, const QString &product,
                                             const QString &serial = QString())
{
    auto info = std::make_unique<DeviceHardwareInfo>();
    info->path = QStringLiteral("/dev/hidraw-test");
    info->vendorId = vid;
    info->productId = pid;
    info->product = product;
    info->manufacturer = QStringLiteral("Test Maker");
    info->serialNumber = serial;
    return info;
}

// Every case uses its own vendor id, so entries added by earlier cases never interfere.
ushort nextVendor()
{
    static ushort vid = 0x7000;
    return ++vid;
}
} // namespace

class TestDeviceFactory : public QObject
{
    Q_OBJECT
private slots:
    void registrationOrder();
    void embeddedCataloguesLoad();
    void onSiteCatalogue();
    void matching_data();
    void matching();
    void catalogueJson();
    void outOfRangeIdsAreRefusedAsNumbersAndAsText();
    void serviceUuid_data();
    void serviceUuid();
    void newRecordByKind_data();
    void newRecordByKind();
    void storedRecordIsReused();
};

void TestDeviceFactory::registrationOrder()
{
    QStringList names;
    for (IDeviceFactory *f : IDeviceFactory::factories())
        names << f->name();
    QCOMPARE(names, (QStringList{"branded presenter", "presenter", "mouse", "branded mouse"}));
}

void TestDeviceFactory::embeddedCataloguesLoad()
{
    IDeviceFactory::loadCatalogues();
    for (IDeviceFactory *f : IDeviceFactory::factories()) {
        QVERIFY2(QFile::exists(f->catalogueFile()), qPrintable(f->catalogueFile()));
        ProductCatalogue scratch;
        QVERIFY2(scratch.load(f->catalogueFile()) >= 0, qPrintable(f->catalogueFile()));
    }
}

void TestDeviceFactory::onSiteCatalogue()
{
    TestHome home;
    home.write("config/catalogue/mirel_mouse.json",
               R"({"products": [{"brand": "B", "name": "On site", "vendorId": "0x7eee", "productId": "0x0001"}]})");
    home.write("config/catalogue/unrelated.json",
               R"({"products": [{"name": "Ignored", "vendorId": "0x7eee", "productId": "0x0002"}]})");
    QCOMPARE(IDeviceFactory::loadCatalogueFolder(home.file("config/catalogue")), 1);
    const ProductInfo *product = nullptr;
    QCOMPARE(IDeviceFactory::findFactory(0x7eee, 0x0001, 0xff00, &product), IDeviceFactory::factories()[3]);
    QCOMPARE(product->name, QStringLiteral("On site"));
    QVERIFY(!IDeviceFactory::findFactory(0x7eee, 0x0002, 0xff00));
}

// Entries are "factoryIndex:pid:usagePage"; the query asks for pid and usage page.
void TestDeviceFactory::matching_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("pid");
    QTest::addColumn<int>("usagePage");
    QTest::addColumn<int>("expected"); // factory index, -1 for none

    QTest::newRow("only mouse") << QStringList{"2:1:65280"} << 1 << 0xff00 << 2;
    QTest::newRow("presenter before mouse") << QStringList{"2:1:65280", "1:1:65280"} << 1 << 0xff00 << 1;
    QTest::newRow("branded presenter first") << QStringList{"3:1:65280", "1:1:65280", "0:1:65280"} << 1 << 0xff00 << 0;
    QTest::newRow("mouse before branded mouse") << QStringList{"3:1:65280", "2:1:65280"} << 1 << 0xff00 << 2;
    QTest::newRow("usage page must match") << QStringList{"1:1:65280"} << 1 << 0x0001 << -1;
    QTest::newRow("usage page 0 accepts any") << QStringList{"1:1:0"} << 1 << 0x000c << 1;
    QTest::newRow("usage page decides between factories") << QStringList{"0:1:65280", "3:1:12"} << 1 << 0x000c << 3;
    QTest::newRow("product id must match") << QStringList{"2:1:65280"} << 2 << 0xff00 << -1;
}

void TestDeviceFactory::matching()
{
    QFETCH(QStringList, entries);
    QFETCH(int, pid);
    QFETCH(int, usagePage);
    QFETCH(int, expected);

    const ushort vid = nextVendor();
    const auto &factories = IDeviceFactory::factories();
    for (const QString &e : entries) {
        const QStringList parts = e.split(QLatin1Char(':'));
        factories[parts[0].toInt()]->catalogue().add(product(vid, ushort(parts[1].toInt()), ushort(parts[2].toInt())));
    }
    const ProductInfo *found = nullptr;
    IDeviceFactory *factory = IDeviceFactory::findFactory(vid, ushort(pid), ushort(usagePage), &found);
    if (expected < 0) {
        QVERIFY(!factory);
        return;
    }
    QCOMPARE(factory, factories[expected]);
    QVERIFY(found);
    QCOMPARE(found->vendorId, vid);
    QVERIFY(factory->supports(vid, ushort(pid), ushort(usagePage)));
}

void TestDeviceFactory::outOfRangeIdsAreRefusedAsNumbersAndAsText()
{
    ProductCatalogue catalogue;
    const QByteArray json = R"({"products": [
        {"name": "wide number", "vendorId": 70000, "productId": 1},
        {"name": "negative number", "vendorId": 1, "productId": -1},
        {"name": "fraction", "vendorId": 2, "productId": 1.5},
        {"name": "wide text", "vendorId": "70000", "productId": 3},
        {"name": "in range", "vendorId": 65535, "productId": 0}
    ]})";
    QCOMPARE(catalogue.loadJson(json, QStringLiteral("test")), 5);
    // Nothing wraps into another id: 70000 is not 0x1170, -1 is not 0xffff.
    QVERIFY(!catalogue.find(0x1170, 1, 0));
    QVERIFY(!catalogue.find(1, 0xffff, 0));
    QVERIFY(!catalogue.find(2, 1, 0));
    for (const ProductInfo *p : catalogue.products()) {
        if (p->name == QLatin1String("wide number") || p->name == QLatin1String("wide text"))
            QCOMPARE(p->vendorId, ushort(0));
        if (p->name == QLatin1String("negative number") || p->name == QLatin1String("fraction"))
            QCOMPARE(p->productId, ushort(0));
        if (p->name == QLatin1String("in range"))
            QCOMPARE(p->vendorId, ushort(0xffff));
    }
}

void TestDeviceFactory::catalogueJson()
{
    ProductCatalogue catalogue;
    const QByteArray json = R"({"products": [
        {"brand": "B", "name": "N", "model": "M1", "vendorId": "0x1A2B", "productId": 4660, "usagePage": "0xff00"},
        {"brand": "B", "name": "Bt", "serviceUuid": "{0000FFF0-0000-1000-8000-00805F9B34FB}", "flags": 0},
        "not an object"
    ]})";
    QCOMPARE(catalogue.loadJson(json, QStringLiteral("test")), 2);
    const ProductInfo *p = catalogue.find(0x1a2b, 0x1234, 0xff00);
    QVERIFY(p);
    QCOMPARE(p->model, QStringLiteral("M1"));
    QCOMPARE(p->flags, 1);
    QVERIFY(!p->isBluetooth());
    QCOMPARE(catalogue.findByModel(QStringLiteral("M1")), p);
    // The Bluetooth entry has no ids: it never matches a USB interface.
    QVERIFY(!catalogue.find(0, 0, 0));
    const ProductInfo *bt = catalogue.findByServiceUuid(QStringLiteral("0000fff0-0000-1000-8000-00805f9b34fb"));
    QVERIFY(bt);
    QVERIFY(bt->isBluetooth());
    QVERIFY(!bt->hasCommonFunctions());

    // Round trip through the file form.
    ProductCatalogue copy;
    const QJsonObject doc{{"products", QJsonArray{ProductCatalogue::toJson(*p)}}};
    QCOMPARE(copy.loadJson(QJsonDocument(doc).toJson(), QStringLiteral("copy")), 1);
    QVERIFY(copy.find(0x1a2b, 0x1234, 0xff00));

    QCOMPARE(catalogue.loadJson("{ broken", QStringLiteral("broken")), -1);
    QCOMPARE(catalogue.load(QStringLiteral(":/no/such/file.json")), -1);
    QCOMPARE(catalogue.size(), 2);
}

void TestDeviceFactory::serviceUuid_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<bool>("matches");
    const QString uuid = QStringLiteral("6e400001-b5a3-f393-e0a9-e50e24dcca9e");
    QTest::newRow("same") << uuid << uuid << true;
    QTest::newRow("braces and capitals") << uuid << QStringLiteral("{6E400001-B5A3-F393-E0A9-E50E24DCCA9E}") << true;
    QTest::newRow("other") << uuid << QStringLiteral("6e400002-b5a3-f393-e0a9-e50e24dcca9e") << false;
    QTest::newRow("empty asks nothing") << uuid << QString() << false;
}

void TestDeviceFactory::serviceUuid()
{
    QFETCH(QString, stored);
    QFETCH(QString, asked);
    QFETCH(bool, matches);
    ProductCatalogue catalogue;
    ProductInfo p;
    p.serviceUuid = stored;
    catalogue.add(p);
    QCOMPARE(catalogue.findByServiceUuid(asked) != nullptr, matches);
}

void TestDeviceFactory::newRecordByKind_data()
{
    QTest::addColumn<int>("factory");
    QTest::addColumn<QString>("entityType");
    QTest::addColumn<QString>("functions");
    QTest::newRow("branded presenter") << 0 << "PointerSetting" << "3,2,0,1";
    QTest::newRow("presenter") << 1 << "PointerSetting" << "3,2,0,1";
    QTest::newRow("mouse") << 2 << "MouseSetting" << "";
    QTest::newRow("branded mouse") << 3 << "MouseSetting" << "7,8,16";
}

void TestDeviceFactory::newRecordByKind()
{
    QFETCH(int, factory);
    QFETCH(QString, entityType);
    QFETCH(QString, functions);
    TestHome home;
    IDeviceFactory *f = IDeviceFactory::factories()[factory];
    const ushort vid = nextVendor();
    const ProductInfo *p = f->catalogue().add(product(vid, 1, 0));
    std::unique_ptr<DeviceContext> context(f->createContext(hardware(vid, 1, QStringLiteral("Dev"), QStringLiteral("SN42")), p));

    QCOMPARE(context->factory, f);
    QCOMPARE(context->product, p);
    QVERIFY(context->logic);
    QCOMPARE(context->logic->context(), context.get());
    QVERIFY(context->setting);
    QCOMPARE(context->setting->entityType(), entityType);
    QCOMPARE(context->setting->mKey_functions, functions);
    QCOMPARE(context->setting->serialNumber, QStringLiteral("SN42"));
    QCOMPARE(DeviceConfigHelper::instance().setting(context->key()), context->setting);

    // The new record is on disk at once.
    const QString path = DeviceConfigHelper::instance().filePath(context->key());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    const QJsonObject saved = QJsonDocument::fromJson(file.readAll()).object();
    QCOMPARE(saved.value("entityType").toString(), entityType);
    QCOMPARE(saved.value("mKey_functions").toString(), functions);

    if (factory == 3) {
        auto *mouse = static_cast<MouseSetting *>(context->setting);
        QCOMPARE(mouse->mKey_functionIndex, 0);
        QCOMPARE(mouse->asr_languageAndAccent, QStringLiteral("zh_cn"));
        QCOMPARE(mouse->getword_tranFromLanguage, QStringLiteral("cn"));
        QCOMPARE(mouse->getword_tranToLanguage, QStringLiteral("en"));
        QCOMPARE(mouse->translation_fromLanguage, QStringLiteral("cn"));
        QCOMPARE(mouse->translation_toLanguage, QStringLiteral("en"));
        QVERIFY(mouse->asr_enablePtt);
        QVERIFY(qobject_cast<MirelMouseDevice *>(context->logic));
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestDeviceFactory::storedRecordIsReused()
{
    TestHome home;
    IDeviceFactory *mirel = IDeviceFactory::factories()[3];
    const ushort vid = nextVendor();
    const ProductInfo *p = mirel->catalogue().add(product(vid, 9, 0));
    const QString key = hardware(vid, 9, QStringLiteral("Kept"))->key();

    // A record saved by an earlier run, with the user's own choice.
    MouseSetting earlier;
    earlier.mKey_functions = QStringLiteral("16,7");
    earlier.mKey_functionIndex = 1;
    // Named as earlier runs named settings files: the key percent-encoded.
    home.write(QStringLiteral("config/setting/") + QString::fromLatin1(QUrl::toPercentEncoding(key, " ()#&+=@")) + QStringLiteral(".json"),
               earlier.toJsonText());
    home.reload();

    std::unique_ptr<DeviceContext> context(mirel->createContext(hardware(vid, 9, QStringLiteral("Kept")), p));
    QVERIFY(context->setting);
    QCOMPARE(context->setting->mKey_functions, QStringLiteral("16,7"));
    QCOMPARE(context->setting->mKey_functionIndex, 1);
    QCOMPARE(context->logic->currentFunctionIndex(), 7);

    std::unique_ptr<DeviceContext> again(mirel->createContext(hardware(vid, 9, QStringLiteral("Kept")), p));
    QCOMPARE(again->setting, context->setting);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QTEST_MAIN(TestDeviceFactory)
#include "tst_devicefactory.moc"
