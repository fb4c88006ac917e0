#include "form/panel/DevicePanelBuilder.h"

#include "device/IContextBinder.h"
#include "device/common/ui/DevicePages.h"
#include "form/panel/LeftTabbarPanel.h"
#include "form/panel/TabPanel.h"
#include "logging/QsLog.h"

#include <QLabel>
#include <QVBoxLayout>

namespace DevicePanelBuilder {

namespace {
// Stands in for a page whose form is not part of this build, so the button still leads somewhere.
QWidget *missingPage(const IDeviceLogic::PageEntry &entry)
{
    auto *page = new QWidget;
    page->setObjectName(entry.pageClass.isEmpty() ? QStringLiteral("missingPage") : entry.pageClass);
    auto *layout = new QVBoxLayout(page);
    auto *label = new QLabel(entry.buttonText.trimmed(), page);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    return page;
}
} // namespace

IDeviceLogic::DeviceUi build(QWidget *mainWindow, IDeviceLogic *logic, const QVector<IDeviceLogic::PageEntry> &pages)
{
    auto *tabPanel = new TabPanel;
    auto *navPanel = new LeftTabbarPanel;
    for (const IDeviceLogic::PageEntry &entry : pages) {
        QWidget *page = entry.create ? entry.create(mainWindow) : DevicePages::create(entry);
        if (page)
            DevicePages::connectDevice(page, logic);
        else
            page = missingPage(entry);
        navPanel->addButton(entry.buttonText, entry.pageClass.isEmpty() ? QString() : QStringLiteral("btn") + entry.pageClass);
        tabPanel->addPage(page, dynamic_cast<IContextBinder *>(page));
    }
    if (pages.isEmpty())
        tabPanel->addPage(new QWidget);
    QObject::connect(navPanel, &LeftTabbarPanel::displayTab, tabPanel, [tabPanel](int index, const QString &text) {
        QLOG_INFO() << "Tab切换:" << text;
        tabPanel->setCurrentIndex(index);
    });
    navPanel->setCurrentIndex(0);
    if (logic && logic->context())
        tabPanel->setContext(logic->context());
    return {tabPanel, navPanel};
}

void install()
{
    IDeviceLogic::setPageBuilder(&build);
}

} // namespace DevicePanelBuilder
