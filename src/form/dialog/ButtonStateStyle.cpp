#include "form/dialog/ButtonStateStyle.h"

#include "form/dialog/ContainerDialog.h"
#include "form/dialog/FeedbackDialog.h"
#include "form/tab/AboutTab.h"
#include "form/tab/GuideTab.h"
#include "form/tab/SoftwareSettingTab.h"
#include "logging/QsLog.h"
#include "util/AppHelper.h"
#include "util/TrContexts.h"


namespace {
QString entryName(int index)
{
    switch (index) {
    case 0: return TUI::tr("软件设置");
    case 1: return TUI::tr("技术支持");
    case 2: return TUI::tr("意见反馈");
    case 3: return TUI::tr("关于我们");
    default: return QString();
    }
}
// The page of entries 0, 1 and 3.
QWidget *createPage(int index)
{
    switch (index) {
    case 0: return new SoftwareSettingTab;
    case 1: return new GuideTab;
    case 3: return new AboutTab;
    default: return nullptr;
    }
}

// The dialog of entry 2.
QDialog *createDialog(int, QWidget *parent)
{
    return new FeedbackDialog(parent);
}
} // namespace

ButtonStateStyle *settingsMenuInstance()
{
    static ButtonStateStyle instance;
    return &instance;
}

QStringList ButtonStateStyle::settingMenuNames() const
{
    return {entryName(0), entryName(1), entryName(2)};
}

QDialog *ButtonStateStyle::openSettingDialog(int index) const
{
    if (index < 0 || index > 3)
        return nullptr;
    QWidget *parent = AppHelper::instance().mainWindow();
    QDialog *dialog = nullptr;
    if (index == 2) {
        dialog = createDialog(index, parent);
    } else if (QWidget *page = createPage(index)) {
        auto *container = new ContainerDialog(parent);
        container->setWidget(page);
        dialog = container;
    }
    if (!dialog) {
        QLOG_WARN() << "settings entry" << index << "has no page";
        return nullptr;
    }
    dialog->setWindowTitle(entryName(index));
    // Closed dialogs are not reused: free them.
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    return dialog;
}
