#include "DevicePageHome.h"

#include "config/MouseSetting.h"
#include "config/PointerSetting.h"
#include "databinding/IZContainer.h"
#include "databinding/IZWidget.h"
#include "device/IContextBinder.h"
#include "device/common/ui/DevicePages.h"
#include "device/mouse/common/MouseDevice.h"
#include "device/mouse/mirel/MirelMouseDevice.h"
#include "device/pointer/common/PointerDevice.h"
#include "device/pointer/common/ui/MKeyTab.h"
#include "orm/reflection/FieldTable.h"
#include "support/ToastRecorder.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>
#include <QtTest>

#include <functional>

namespace {

// Every device kind; its page table names its pages, and each page that the forms layer can
// build is walked with the kind's own settings record. New pages join by being built.
struct DeviceKind
{
    const char *name;
    std::function<std::unique_ptr<IDeviceLogic>(DeviceContext *)> create;
};

template<typename Logic>
DeviceKind kind(const char *name)
{
    return {name, [](DeviceContext *context) { return std::make_unique<Logic>(context); }};
}

const std::vector<DeviceKind> &deviceKinds()
{
    static const std::vector<DeviceKind> kinds = {
        kind<PointerDevice>("presenter"),
        kind<MouseDevice>("mouse"),
        kind<MirelMouseDevice>("branded mouse"),
    };
    return kinds;
}

IContextBinder *binderOf(QWidget *page)
{
    return dynamic_cast<IContextBinder *>(page);
}

// Bound fields of every editor in the page (the page itself included) that the record's type
// lacks, and editors with fields that binding never reached.
QStringList bindingFaults(QWidget *page, const DataCore &record)
{
    QStringList faults;
    QList<QWidget *> widgets = page->findChildren<QWidget *>();
    widgets.prepend(page);
    for (QWidget *w : qAsConst(widgets)) {
        if (auto *container = dynamic_cast<IZContainer *>(w)) {
            const QStringList missing = container->missingFields();
            for (const QString &f : missing)
                faults << QStringLiteral("%1 in %2").arg(f, w->objectName());
        }
        auto *editor = dynamic_cast<IZWidget *>(w);
        if (!editor || editor->bindFields().isEmpty())
            continue;
        if (!editor->bindRecord())
            faults << QStringLiteral("%1 not bound (%2)").arg(editor->bindFields().join(','), w->objectName());
        for (const QString &f : editor->bindFields()) {
            if (!record.fieldTable().find(f))
                faults << QStringLiteral("%1 missing from %2").arg(f, record.entityType());
        }
    }
    faults.removeDuplicates();
    return faults;
}

class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

} // namespace

class TestPagesFields : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        for (const char *scheme : {"http", "https", "file"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &m_urls, "open");
    }

    void everyBoundFieldExists_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("pageClass");
        for (size_t i = 0; i < deviceKinds().size(); ++i) {
            const std::unique_ptr<IDeviceLogic> logic = deviceKinds()[i].create(nullptr);
            const QVector<IDeviceLogic::PageEntry> pages = logic->pageTable();
            for (const IDeviceLogic::PageEntry &entry : pages) {
                std::unique_ptr<QWidget> page(DevicePages::create(entry.pageClass));
                if (!page)
                    continue;
                const QString row = QStringLiteral("%1: %2").arg(QLatin1String(deviceKinds()[i].name), entry.pageClass);
                m_walked << row;
                QTest::newRow(qPrintable(row)) << int(i) << entry.pageClass;
            }
        }
    }

    // Binding a device's record to its pages shows values and nothing else: no field is
    // missing, nothing is written, nothing opens.
    void everyBoundFieldExists()
    {
        QFETCH(int, kind);
        QFETCH(QString, pageClass);
        const std::unique_ptr<IDeviceLogic> logic = deviceKinds()[size_t(kind)].create(nullptr);
        DevicePageHome device(logic->createSetting());
        const QByteArray before = device.fileBytes();
        QVERIFY(!before.isEmpty());
        int notified = 0;
        const int handler = device.setting()->addNotifyHandler(
            [&notified](const QString &, const QVariant &, const QVariant &) { ++notified; });
        ToastRecorder toasts;
        std::unique_ptr<QWidget> widget(DevicePages::create(pageClass));
        const QWidgetList topLevels = QApplication::topLevelWidgets();
        IContextBinder *binder = binderOf(widget.get());
        QVERIFY2(binder, "a device page receives its device as an IContextBinder");
        binder->setContext(&device.context);

        const QStringList faults = bindingFaults(widget.get(), *device.setting());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
        QCOMPARE(notified, 0);
        QCOMPARE(device.fileBytes(), before);
        QVERIFY(toasts.entries.isEmpty());
        QVERIFY(m_urls.opened.isEmpty());
        QVERIFY(!QApplication::activePopupWidget());
        QVERIFY(!QApplication::activeModalWidget());
        for (QWidget *w : QApplication::topLevelWidgets()) {
            QVERIFY2(topLevels.contains(w), qPrintable(w->metaObject()->className()));
            QVERIFY2(!w->isVisible(), qPrintable(w->metaObject()->className()));
        }
        device.setting()->removeNotifyHandler(handler);
    }

    void thePagesBuiltSoFarAreWalked()
    {
        for (const char *row : {"mouse: TypingTab", "presenter: MKeyTab", "mouse: VoiceSearchTab"})
            QVERIFY2(m_walked.contains(QLatin1String(row)), row);
    }

    void unknownPagesAreNotBuilt()
    {
        QVERIFY(!DevicePages::create(QStringLiteral("NoSuchTab")));
    }

    // The walk itself finds a field that the record type lacks: the presenter's page on a
    // mouse record misses every presenter field.
    void aMissingFieldIsFound()
    {
        DevicePageHome device(std::make_unique<MouseSetting>());
        MKeyTab page;
        page.setContext(&device.context);
        const QStringList faults = bindingFaults(&page, *device.setting());
        QVERIFY(faults.contains(QStringLiteral("mKey_cursorRadius missing from MouseSetting")));
        QVERIFY(faults.contains(QStringLiteral("mKey_magnifierRatio missing from MouseSetting")));
    }

private:
    UrlRecorder m_urls;
    QStringList m_walked;
};

QTEST_MAIN(TestPagesFields)
#include "tst_pages_fields.moc"
