#include "DevicePageHome.h"

#include "config/MouseSetting.h"
#include "config/PointerSetting.h"
#include "databinding/IZContainer.h"
#include "databinding/IZWidget.h"
#include "device/IContextBinder.h"
#include "device/mouse/common/ui/TypingTab.h"
#include "device/pointer/common/ui/MKeyTab.h"
#include "orm/reflection/FieldTable.h"
#include "support/ToastRecorder.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>
#include <QtTest>

#include <functional>

namespace {

// Every device page, with the record type of the device that shows it. A new page joins here.
struct PageEntry
{
    const char *name;
    std::function<QWidget *()> create;
    std::function<std::unique_ptr<BaseSetting>()> record;
};

template<typename Page, typename Record>
PageEntry page(const char *name)
{
    return {name, [] { return new Page; }, [] { return std::make_unique<Record>(); }};
}

const std::vector<PageEntry> &devicePages()
{
    static const std::vector<PageEntry> pages = {
        page<TypingTab, MouseSetting>("TypingTab"),
        page<MKeyTab, PointerSetting>("MKeyTab"),
    };
    return pages;
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
        QTest::addColumn<int>("entry");
        for (size_t i = 0; i < devicePages().size(); ++i)
            QTest::newRow(devicePages()[i].name) << int(i);
    }

    // Binding a device's record to its pages shows values and nothing else: no field is
    // missing, nothing is written, nothing opens.
    void everyBoundFieldExists()
    {
        QFETCH(int, entry);
        const PageEntry &e = devicePages()[size_t(entry)];
        DevicePageHome device(e.record());
        const QByteArray before = device.fileBytes();
        QVERIFY(!before.isEmpty());
        int notified = 0;
        const int handler = device.setting()->addNotifyHandler(
            [&notified](const QString &, const QVariant &, const QVariant &) { ++notified; });
        ToastRecorder toasts;
        std::unique_ptr<QWidget> widget(e.create());
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
};

QTEST_MAIN(TestPagesFields)
#include "tst_pages_fields.moc"
