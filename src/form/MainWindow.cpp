#include "form/MainWindow.h"

#include "config/BaseSetting.h"
#include "config/DeviceConfigHelper.h"
#include "device/BlankDevice.h"
#include "device/DeviceContext.h"
#include "device/DeviceHardwareInfo.h"
#include "device/DeviceMap.h"
#include "device/IDeviceListener.h"
#include "device/IDeviceLogic.h"
#include "device/ProductInfo.h"
#include "databinding/ZTabBar.h"
#include "databinding/ZTabWidget.h"
#include "form/DebugWindows.h"
#include "form/DeviceHub.h"
#include "form/PlaceholderPages.h"
#include "form/TrayLink.h"
#include "form/TypingOutput.h"
#include "form/UpgradeLink.h"
#include "form/WindowReturn.h"
#include "form/dialog/ButtonStateStyle.h"
#include "form/dialog/ProgressDialog.h"
#include "form/panel/DevicePanelBuilder.h"
#include "form/panel/LeftTabbarPanel.h"
#include "form/panel/NavForm.h"
#include "form/panel/TabPanel.h"
#include "form/panel/TopRightPanel.h"
#include "logging/QsLog.h"
#include "logic/businessLogic/monitor/BlueToothMonitor.h"
#include "logic/businessLogic/monitor/HidMonitor.h"
#include "platform/HidrawMonitor.h"
#include "platform/IOsHelper.h"
#include "platform/VirtualKeyToQtKey.h"
#include "platform/WindowStateHint.h"
#include "qui/DeferredIconEngine.h"
#include "qui/QUIHelper.h"
#include "qui/Toast.h"
#include "qui/control/AnimationButton.h"
#include "util/AppHelper.h"
#include "util/TrContexts.h"

#include "ui_MainWindow.h"

#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <exception>

const char *const MainWindow::ShortcutHookName = "SystemShortCut";
const char *const MainWindow::SnapshotCommandText = "Start Snapshot Translation";

namespace {
std::optional<bool> &trayOverride()
{
    static std::optional<bool> value;
    return value;
}

// The theme names of the style menu, in menu order.
QStringList styleNames()
{
    return {QStringLiteral("银色"), QStringLiteral("蓝色"), QStringLiteral("浅蓝色"), QStringLiteral("深蓝色"),
            QStringLiteral("灰色"), QStringLiteral("浅灰色"), QStringLiteral("深灰色"), QStringLiteral("黑色"),
            QStringLiteral("浅黑色"), QStringLiteral("深黑色"), QStringLiteral("PS黑色"), QStringLiteral("黑色扁平"),
            QStringLiteral("白色扁平"), QStringLiteral("Vellobox"), QStringLiteral("Vellobox2")};
}

// Opens a device's page stack on the page its navigation column marks.
void showMarkedPage(const IDeviceLogic::DeviceUi &pages)
{
    if (pages.first && pages.second && pages.second->currentIndex() >= 0)
        pages.first->setCurrentIndex(pages.second->currentIndex());
}

// A tab title shows its name as written: a lone '&' would mark a shortcut letter.
QString tabTitle(QString name)
{
    return name.replace(QLatin1Char('&'), QLatin1String("&&"));
}
} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::ConfigWindow)
    , m_typing(new TypingOutput(this))
{
    setWindowFlags(Qt::WindowFlags(WindowFlags));
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowTitle(QStringLiteral("Vellobox"));
    initTrayIcon();

    DevicePanelBuilder::install();
    m_placeholder = new BlankDevice;
    // A device that came first has the only tab: the placeholder then waits for its leaving.
    m_placeholderPages = new PlaceholderPages(this, [this] { if (builtUi()->tabWidget->count() == 0) initDeviceTabs(); });

    UpgradeLink::connectSignals(this);
    // From the start: it notes where the window is hidden and which dialog the user is in.
    WindowReturn::of(this);

    IOsHelper::instance()->addKeyboardHook(QString::fromLatin1(ShortcutHookName), [](int message, int key, int modifiers) {
        MainWindow::onSystemShortCut(message, key, Qt::KeyboardModifiers(modifiers));
    });
}

void MainWindow::buildUi()
{
    if (m_uiBuilt)
        return;
    m_uiBuilt = true;
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("Vellobox"));
    m_savedGeometry = geometry();
    setWindowFlags(Qt::WindowFlags(WindowFlags));

    m_topRightPanel = new TopRightPanel(this);
    initTopRightPanel();
    ui->tabWidget->setCornerWidget(m_topRightPanel, Qt::TopRightCorner);

    // Switching the device tab switches its navigation column with it.
    connect(ui->tabWidget, &QTabWidget::currentChanged, ui->nav, &NavForm::setCurrentPage, Qt::DirectConnection);

    BlueToothMonitor &bluetooth = BlueToothMonitor::instance();
    AnimationButton *scan = m_topRightPanel->btnScan();
    connect(&bluetooth, &BlueToothMonitor::startScan, scan, [scan] { scan->start(ScanBlinkMs); },
            Qt::DirectConnection);
    connect(&bluetooth, &BlueToothMonitor::finishScan, scan, &AnimationButton::stop, Qt::DirectConnection);
    if (bluetooth.isDiscovering())
        scan->start(ScanBlinkMs);
}

Ui::ConfigWindow *MainWindow::builtUi() const
{
    const_cast<MainWindow *>(this)->buildUi();
    return ui;
}

void MainWindow::setVisible(bool visible)
{
    if (visible)
        buildUi();
    // Restored by the window manager since it was last minimised, it would come back iconic.
    if (visible && isHidden() && !isMinimized())
        WindowStateHint::mapNormally(windowHandle());
    QMainWindow::setVisible(visible);
}

TopRightPanel *MainWindow::topRightPanel() const
{
    builtUi();
    return m_topRightPanel;
}

MainWindow::~MainWindow()
{
    hideUpgradeDialog();
    delete m_upgradeDialog.data();
    delete ui;
    delete m_placeholder;
}

ZTabWidget *MainWindow::tabWidget() const
{
    builtUi();
    m_placeholderPages->ensure();
    return ui->tabWidget;
}

NavForm *MainWindow::navForm() const
{
    builtUi();
    m_placeholderPages->ensure();
    return ui->nav;
}

bool MainWindow::trayAvailable()
{
    if (trayOverride())
        return *trayOverride();
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void MainWindow::setTrayAvailableForTest(std::optional<bool> available)
{
    trayOverride() = available;
}

int MainWindow::progressPercent(double fraction)
{
    return int(fraction * 100.0);
}

// ---- tray -------------------------------------------------------------------------------

void MainWindow::initTrayIcon()
{
    auto makeAction = [this](const QString &text, void (MainWindow::*slot)(bool)) {
        auto *action = new QAction(text, this);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    m_openAction = makeAction(TUI::tr("&打开"), QOverload<bool>::of(&MainWindow::openTriggered));
    m_exitAction = makeAction(TUI::tr("&退出"), QOverload<bool>::of(&MainWindow::quitApplication));
    m_scanAction = makeAction(TUI::tr("&扫描蓝牙设备"), &MainWindow::btnMenu_Scan_clicked);
    m_checkUpdateAction = makeAction(TUI::tr("&检查更新"), QOverload<bool>::of(&MainWindow::checkUpgradeTriggered));
    m_showProgressAction = makeAction(TUI::tr("&显示更新进度"), QOverload<bool>::of(&MainWindow::showProgressTriggered));

    m_trayMenu = new QMenu(this);
    setTrayMenuNormal();

    m_trayIcon = new QSystemTrayIcon(this);
    m_trayIcon->setContextMenu(m_trayMenu);
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, &MainWindow::activatedSysTrayIcon);
    const QIcon icon = DeferredIconEngine::icon(QStringLiteral(":/logo/logo.ico"));
    m_trayIcon->setIcon(icon);
    setWindowIcon(icon);
    m_trayIcon->setToolTip(QStringLiteral("Vellobox"));
    m_trayIcon->show();
}

void MainWindow::setTrayMenuActions(const QList<QAction *> &actions)
{
    m_trayMenu->clear();
    for (QAction *action : actions)
        m_trayMenu->addAction(action);
}

void MainWindow::setTrayMenuNormal()
{
    setTrayMenuActions({m_openAction, m_checkUpdateAction, m_scanAction, m_exitAction});
}

void MainWindow::setTrayMenuDownload()
{
    setTrayMenuActions({m_openAction, m_showProgressAction, m_scanAction, m_exitAction});
}

void MainWindow::activatedSysTrayIcon(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::DoubleClick:
        show();
        break;
    case QSystemTrayIcon::Trigger:
        bringForward();
        if (m_upgradeDialog)
            m_upgradeDialog->show();
        break;
    default:
        break;
    }
}

// ---- title bar --------------------------------------------------------------------------

void MainWindow::initTopRightPanel()
{
    QToolButton *tbStyle = m_topRightPanel->tbStyle();
    for (const QString &name : styleNames()) {
        auto *action = new QAction(name, this);
        action->setCheckable(true);
        tbStyle->addAction(action);
        connect(action, SIGNAL(triggered(bool)), this, SLOT(onChangeStyle()));
    }

    auto *settingsMenu = new QMenu(this);
    // White, with the entry under the mouse marked: a bare background would hide the mark.
    settingsMenu->setStyleSheet(QStringLiteral("QMenu { background-color: rgb(255, 255, 255); }"
                                               "QMenu::item { padding: 5px 24px; color: rgb(0, 0, 0); }"
                                               "QMenu::item:selected { background-color: rgb(229, 229, 229); }"));
    m_topRightPanel->tbMenu()->setMenu(settingsMenu);
    const QStringList entries = settingsMenuInstance()->settingMenuNames();
    for (int i = 0; i < entries.size(); ++i) {
        auto *action = new QAction(entries.at(i), this);
        action->setData(i);
        settingsMenu->addAction(action);
        connect(action, &QAction::triggered, this, &MainWindow::onOpenMenu);
    }
    // Without a tray, the tray menu's exit would be out of reach.
    TrayLink::of(this)->offerExitIn(settingsMenu, m_exitAction);

    const QStringList debugEntries = {QStringLiteral("录音(原始PCM数据)"), QStringLiteral("录音(encode)"),
                                      QStringLiteral("登录页面")};
    for (int i = 0; i < debugEntries.size(); ++i) {
        auto *action = new QAction(debugEntries.at(i), this);
        action->setData(i);
        m_topRightPanel->tbDebug()->addAction(action);
        connect(action, &QAction::triggered, this, &MainWindow::onOpenDebugMenu);
    }

    connect(m_topRightPanel->btnMin(), &QPushButton::clicked, this, &MainWindow::btnMenu_Min_clicked);
    connect(m_topRightPanel->btnExit(), &QPushButton::clicked, this, &MainWindow::btnMenu_Close_clicked);
    connect(m_topRightPanel->btnScan(), &QPushButton::clicked, this, &MainWindow::btnMenu_Scan_clicked);
}

void MainWindow::onChangeStyle()
{
    auto *action = qobject_cast<QAction *>(sender());
    if (!action)
        return;
    const auto actions = m_topRightPanel->tbStyle()->actions();
    for (QAction *each : actions)
        each->setChecked(false);
    action->setChecked(true);
    QUIHelper::setStyle(action->text());
}

void MainWindow::onOpenMenu()
{
    if (auto *action = qobject_cast<QAction *>(sender()))
        settingsMenuInstance()->openSettingDialog(action->data().toInt());
}

void MainWindow::onOpenDebugMenu()
{
    auto *action = qobject_cast<QAction *>(sender());
    if (action && action->data().toInt() == 2)
        DebugWindows::openRecordVolumeDialog(this);
}

void MainWindow::btnMenu_Min_clicked(bool)
{
    if (m_minimiseHides)
        hide();
    else
        showMinimized();
}

void MainWindow::btnMenu_Max_clicked(bool)
{
    if (m_maximised) {
        setGeometry(m_savedGeometry);
    } else {
        m_savedGeometry = geometry();
        const QList<QScreen *> screens = QGuiApplication::screens();
        const int index = QUIHelper::screenIndex();
        if (index >= 0 && index < screens.size())
            setGeometry(screens.at(index)->availableGeometry());
    }
    m_maximised = !m_maximised;
}

void MainWindow::btnMenu_Close_clicked(bool)
{
    if (!trayAvailable()) {
        // Hidden without a tray, the program could be neither reached nor ended.
        quitApplication();
        return;
    }
    hideUpgradeDialog();
    hide();
}

void MainWindow::btnMenu_Scan_clicked(bool)
{
    BlueToothMonitor::instance().start(true);
}

void MainWindow::openTriggered(bool)
{
    openTriggered();
}

void MainWindow::openTriggered()
{
    bringForward();
}

void MainWindow::bringForward()
{
    WindowReturn::of(this)->bringForward();
}

void MainWindow::checkUpgradeTriggered(bool)
{
    checkUpgradeTriggered();
}

void MainWindow::checkUpgradeTriggered()
{
    UpgradeLink::checkUpdate(false, false);
}

void MainWindow::showProgressTriggered(bool)
{
    showProgressTriggered();
}

void MainWindow::showProgressTriggered()
{
    if (m_upgradeDialog)
        m_upgradeDialog->show();
}

// ---- window-system events ---------------------------------------------------------------

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The program keeps running in the tray; without a tray there is nothing left to quit
    // from, so closing ends it in order.
    event->ignore();
    if (trayAvailable())
        hide();
    else
        quitApplication();
}

void MainWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
}

void MainWindow::watchDeviceNodes()
{
    if (m_deviceNodes)
        return;
    m_deviceNodes = new HidrawMonitor(this);
    auto rescan = [] { HidMonitor::instance().startScan(DeviceChangeScanDelayMs); };
    connect(m_deviceNodes, &HidrawMonitor::deviceAdded, this, rescan);
    connect(m_deviceNodes, &HidrawMonitor::deviceRemoved, this, rescan);
    m_deviceNodes->start();
}

// ---- exit -------------------------------------------------------------------------------

void MainWindow::quitApplication(bool)
{
    quitApplication();
}

void MainWindow::quitApplication()
{
    QLOG_INFO() << "quitting: saving the device settings";
    DeviceConfigHelper::instance().saveAll();
    const QMap<QString, DeviceContext *> devices = DeviceMap::instance().snapshot();
    for (DeviceContext *context : devices) {
        if (!context)
            continue;
        DeviceHub::release(context);
        delete context;
    }
    DeviceMap::instance().clear();
    // The tab bar must not paint the status of a device that is gone.
    if (m_uiBuilt)
        ui->tabWidget->zTabBar()->clearItems();
    m_trayIcon->hide();
    UpgradeLink::stopDownload();
    DeviceHub::stopWordPick();
    emit quitting();
    QCoreApplication::exit(0);
}

// ---- saving a recording -----------------------------------------------------------------

void MainWindow::SaveRecord_Start(AudioRecordVO *)
{
    if (!m_progressDialog)
        m_progressDialog = new ProgressDialog(this);
    m_progressDialog->show();
}

void MainWindow::SaveRecord_Doing(AudioRecordVO *, const QString &message)
{
    if (!m_progressDialog)
        m_progressDialog = new ProgressDialog(this);
    m_progressDialog->show();
    m_progressDialog->setStatusText(message);
}

void MainWindow::SaveRecord_Finish(AudioRecordVO *, int, const QString &message)
{
    if (!m_progressDialog)
        m_progressDialog = new ProgressDialog(this);
    m_progressDialog->show();
    m_progressDialog->setStatusText(message);
    QTimer::singleShot(SaveFinishHideMs, m_progressDialog, &QWidget::hide);
}

// ---- upgrade ----------------------------------------------------------------------------

void MainWindow::hideUpgradeDialog()
{
    if (m_upgradeDialog)
        m_upgradeDialog->hide();
}

void MainWindow::upgrade_newVersion(const QString &version, bool isMandatory, const QString &title,
                                    const QString &content)
{
    show();
    if (m_upgradeDialog && m_upgradeDialog->isVisible())
        return;
    if (m_upgradeDialog)
        m_upgradeDialog->deleteLater();
    m_upgradeDialog = UpgradeLink::createDialog(this, version, isMandatory, title, content);
    if (m_upgradeDialog)
        m_upgradeDialog->show();
}

void MainWindow::upgrade_downloadProgress(double percent)
{
    if (!m_trayMenu->actions().contains(m_showProgressAction))
        setTrayMenuDownload();
    m_upgradeProgress = progressPercent(percent);
    if (m_upgradeDialog)
        UpgradeLink::setProgress(m_upgradeDialog, m_upgradeProgress);
}

void MainWindow::upgrade_downloadComplete(const QString &path)
{
    if (m_upgradeDialog) {
        m_upgradeDialog->hide();
        m_upgradeDialog->deleteLater();
        m_upgradeDialog = nullptr;
    }
    if (QFile::exists(path))
        QTimer::singleShot(InstallerStartDelayMs, this, [path] { AppHelper::openLocalFile(path); });
    else
        QLOG_ERROR() << "下载出错: 找不到文件 " + path;
    setTrayMenuNormal();
}

void MainWindow::upgrade_downloadStop()
{
    if (m_upgradeDialog && !UpgradeLink::keepDialogAfterStop(m_upgradeDialog)) {
        m_upgradeDialog->hide();
        m_upgradeDialog->deleteLater();
        m_upgradeDialog = nullptr;
    }
    setTrayMenuNormal();
}

// ---- typing output ----------------------------------------------------------------------

void MainWindow::setClipboard(const QString &text)
{
    m_typing->setClipboard(text);
}

void MainWindow::vkDeleteWordSlot()
{
    m_typing->deleteWord();
}

void MainWindow::vkPasteSlot()
{
    m_typing->paste();
}

void MainWindow::typingSlot(const QString &newChar, const QString &OldChar)
{
    m_typing->type(newChar, OldChar);
}

// ---- global shortcut --------------------------------------------------------------------

DeviceContext *MainWindow::snapshotDeviceFor(int virtualKey, Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers held = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (!held)
        return nullptr; // a key without modifier is never a shortcut
    const int key = virtualKeyToQtKey(virtualKey);
    if (!key)
        return nullptr;
    const QKeySequence pressed(key | int(held));
    const QMap<QString, DeviceContext *> devices = DeviceMap::instance().snapshot();
    for (DeviceContext *context : devices) {
        if (!context || !context->setting || context->setting->snapshot_shortcut.isEmpty())
            continue;
        QKeySequence shortcut = QKeySequence::fromString(context->setting->snapshot_shortcut, QKeySequence::PortableText);
        if (shortcut.count() == 1 && (shortcut[0] & Qt::ShiftModifier)) {
            // Stored as typed ("Ctrl+Shift+!"): the listener hears the unshifted key.
            const int storedKey = shortcut[0] & ~int(Qt::KeyboardModifierMask);
            shortcut = QKeySequence((shortcut[0] & int(Qt::KeyboardModifierMask)) | unshiftedQtKey(storedKey));
        }
        if (shortcut.matches(pressed) != QKeySequence::NoMatch)
            return context;
    }
    return nullptr;
}

void MainWindow::onSystemShortCut(int message, int virtualKey, Qt::KeyboardModifiers modifiers)
{
    // Presses only: the release of the same key (modifiers still held) must not start a
    // second screenshot translation.
    if (message != IOsHelper::WM_KEYDOWN && message != IOsHelper::WM_SYSKEYDOWN)
        return;
    if (DeviceContext *context = snapshotDeviceFor(virtualKey, modifiers))
        DeviceHub::invoke(context, Action_SnapshotTranslation, Flag_Press, QString::fromLatin1(SnapshotCommandText));
}

// ---- device tabs ------------------------------------------------------------------------

void MainWindow::initDeviceTabs()
{
    buildUi();
    if (!m_placeholder->deviceUi().first)
        m_placeholder->initializeUI(this);
    ZTabBar *bar = ui->tabWidget->zTabBar();
    bar->appendItem(nullptr);
    const IDeviceLogic::DeviceUi pages = m_placeholder->deviceUi();
    ui->nav->addPage(pages.second);
    ui->nav->setCurrentPage(0);
    ui->tabWidget->addTab(pages.first, tabTitle(m_placeholder->typeName()));
    showMarkedPage(pages);
}

void MainWindow::addDevice(DeviceContext *context)
{
    if (!context || !context->logic)
        return;
    buildUi();
    ZTabBar *bar = ui->tabWidget->zTabBar();
    if (!bar->items().isEmpty() && bar->items().first() == nullptr) {
        // The placeholder keeps its pages for when the last device goes.
        ui->tabWidget->removeTab(0);
        bar->removeItemAt(0);
        ui->nav->removePage(0);
    }
    IDeviceLogic *logic = context->logic;
    QLOG_INFO() << "开始初始化设备界面..." + (context->product ? context->product->toString() : QString());
    Toast::instance().showMessage(0, TUI::tr("%1设备接入! ").arg(logic->typeName(), 0, QLatin1Char(' ')),
                                  DeviceArrivedToastMs);

    DeviceHub::create(this, context);
    IDeviceLogic::DeviceUi pages = logic->initializeUI(this);
    if (!pages.first)
        pages.first = new TabPanel;
    if (!pages.second)
        pages.second = new LeftTabbarPanel;
    ui->nav->addPage(pages.second);
    ui->tabWidget->addTab(pages.first, tabTitle(logic->typeName()));
    showMarkedPage(pages);
    bar->appendItem(context);
    bar->update();
    connect(logic, &IDeviceLogic::notifyChange, this, &MainWindow::deviceStatusChange);
    DeviceHub::connectLogic(context);
}

void MainWindow::removeDevice(DeviceContext *context)
{
    if (!context)
        return;
    buildUi();
    ZTabBar *bar = ui->tabWidget->zTabBar();
    const QVector<DeviceContext *> before = bar->items();
    const QString key = context->key();
    int index = -1;
    for (int i = 0; i < before.size(); ++i) {
        if (before.at(i) && before.at(i)->key() == key) {
            index = i;
            break;
        }
    }
    if (index < 0) {
        QLOG_WARN() << "删除设备时没有找到!" + (context->hardwareInfo ? context->hardwareInfo->toString() : QString());
        return;
    }
    DeviceContext *stored = before.at(index);
    QLOG_TRACE() << "设备列表中清除!";
    DeviceMap::instance().erase(key);
    if (stored->logic)
        stored->logic->releaseUI();

    if (stored->functionImpl) {
        QLOG_TRACE() << "关闭功能!";
        try {
            if (stored->listener)
                disconnect(stored->listener, nullptr, this, nullptr);
            if (stored->logic)
                disconnect(stored->logic, &IDeviceLogic::notifyChange, this, &MainWindow::deviceStatusChange);
            DeviceHub::release(stored);
        } catch (const std::exception &e) {
            QLOG_FATAL() << "删除设备时,关闭其功能时出现异常!" << e.what();
        } catch (...) {
            QLOG_FATAL() << "删除设备时,关闭其功能时出现异常!";
        }
    } else if (stored->logic) {
        disconnect(stored->logic, &IDeviceLogic::notifyChange, this, &MainWindow::deviceStatusChange);
    }
    Toast::instance().showMessage(0, TUI::tr("设备拔出或无法连接! "), DeviceRemovedToastMs);

    // The device's forms live as long as its tab.
    QWidget *tabPage = ui->tabWidget->widget(index);
    QWidget *navPage = ui->nav->page(index);
    QLOG_TRACE() << "清理设备上下文!";
    delete stored;

    QLOG_TRACE() << "更新UI!";
    // The column goes first: removeTab announces the new current tab while it still runs, and
    // the column must already have the same pages as the tabs by then.
    ui->nav->removePage(index);
    bar->removeItemAt(index);
    ui->tabWidget->removeTab(index);
    ui->nav->setCurrentPage(ui->tabWidget->currentIndex());
    if (tabPage)
        tabPage->deleteLater();
    if (navPage)
        navPage->deleteLater();
    if (before.size() == 1)
        initDeviceTabs();
    QLOG_TRACE() << "设备移除完成!";
}

void MainWindow::deviceStatusChange(NotifyType type, const QVariant &, const QVariant &)
{
    if (type == Notify_Status && m_uiBuilt)
        ui->tabWidget->zTabBar()->update();
}
