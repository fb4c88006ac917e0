#include "EffectsFixture.h"
#include "MainWindowHome.h"
#include "SimulatedDevice.h"

#include "config/BaseSetting.h"
#include "config/DeviceConfigHelper.h"
#include "databinding/ZTabBar.h"
#include "databinding/ZTabWidget.h"
#include "device/DeviceMap.h"
#include "device/common/ui/NoDeviceTab.h"
#include "form/SpeechTips.h"
#include "form/StartupSequence.h"
#include "form/floating/FunctionWindows.h"
#include "form/DeviceHub.h"
#include "form/MainWindow.h"
#include "form/TypingOutput.h"
#include "form/dialog/TypingMicDialog.h"
#include "form/floating/FullScreenWidget.h"
#include "logic/businessLogic/FunctionImpl.h"
#include "logic/businessLogic/workflow/typing/TypeImp.h"
#include "form/dialog/ContainerDialog.h"
#include "form/dialog/FeedbackDialog.h"
#include "form/dialog/ProgressDialog.h"
#include "form/panel/LeftTabbarPanel.h"
#include "form/panel/NavForm.h"
#include "form/panel/TabPanel.h"
#include "form/panel/TopRightPanel.h"
#include "logic/businessLogic/monitor/BlueToothMonitor.h"
#include "logic/businessLogic/monitor/HidMonitor.h"
#include "platform/HidrawMonitor.h"
#include "platform/IKeySender.h"
#include "platform/RecordingKeySender.h"
#include "platform/VirtualKeys.h"
#include "qui/control/AnimationButton.h"
#include "qui/control/KeyLineEdit.h"
#include "support/SystemTrayHost.h"
#include "support/TestHome.h"
#include "support/ToastRecorder.h"
#include "support/WindowManagerSession.h"
#include "util/AppHelper.h"
#include "util/TrContexts.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>
#include <memory>

namespace {
// Counts the paint events of one widget.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

QStringList actionTexts(const QList<QAction *> &actions)
{
    QStringList texts;
    for (QAction *action : actions)
        texts << action->text();
    return texts;
}

QAction *actionNamed(const QList<QAction *> &actions, const QString &text)
{
    for (QAction *action : actions) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

// What the screen shows at a point, whichever window is there.
QColor screenPixel(const QPoint &point)
{
    return QGuiApplication::primaryScreen()->grabWindow(0, point.x(), point.y(), 1, 1).toImage().pixelColor(0, 0);
}

bool onTheXServer()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

// Stands in for the single-instance guard: a second start of the program announces itself so.
class SecondStart : public QObject
{
    Q_OBJECT
signals:
    void started();
};
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    MainWindowHome m_fixture;
    std::unique_ptr<TestHome> &m_home = m_fixture.home;
    std::unique_ptr<MainWindow> &m_window = m_fixture.window;
    QStringList &m_journal = m_fixture.journal;
    // For the cases that run as tst_mainwindow_x11; started by the first of them.
    WindowManagerSession m_windowManager;

    ZTabWidget *tabs() const { return m_window->tabWidget(); }
    ZTabBar *bar() const { return m_window->tabWidget()->zTabBar(); }

    DeviceContext *plugIn(const QString &product, const QString &typeName, ushort productId = 1)
    {
        DeviceContext *context = makeSimulatedDevice(product, typeName, &m_journal, productId);
        DeviceMap::instance().insert(context->key(), context);
        m_window->addDevice(context);
        return context;
    }

private slots:
    void init() { m_fixture.start(); }
    void cleanup() { m_fixture.stop(); }

    void formIsTheDesignedWindow()
    {
        m_window->show(); // the contents are built when first shown
        QCOMPARE(m_window->objectName(), QStringLiteral("ConfigWindow"));
        QCOMPARE(m_window->size(), QSize(1100, 700));
        QCOMPARE(m_window->minimumSize(), QSize(1100, 700));
        QCOMPARE(m_window->maximumSize(), QSize(1100, 700));
        QCOMPARE(int(m_window->windowFlags() & ~Qt::WindowType_Mask), MainWindow::WindowFlags);
        QVERIFY(m_window->testAttribute(Qt::WA_TranslucentBackground));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Vellobox"));
        QVERIFY(m_window->property("canMove").toBool());
        QVERIFY(m_window->findChild<QWidget *>(QStringLiteral("mainWidget")));
        QCOMPARE(m_window->navForm()->objectName(), QStringLiteral("nav"));
        QCOMPARE(tabs()->objectName(), QStringLiteral("tabWidget"));
        QCOMPARE(tabs()->cornerWidget(Qt::TopRightCorner), m_window->topRightPanel());
        QCOMPARE(m_window->trayIcon()->toolTip(), QStringLiteral("Vellobox"));
    }

    void placeholderFillsTheFirstTab()
    {
        QCOMPARE(tabs()->count(), 1);
        QCOMPARE(tabs()->tabText(0), QStringLiteral("无设备"));
        QCOMPARE(bar()->items(), QVector<DeviceContext *>{nullptr});
        QCOMPARE(m_window->navForm()->pageCount(), 1);
        QCOMPARE(m_window->navForm()->currentPage(), 0);
        // A new user learns what to do: the page says it, the column leads to it.
        auto *stack = qobject_cast<TabPanel *>(tabs()->widget(0));
        QVERIFY(stack);
        auto *page = qobject_cast<NoDeviceTab *>(stack->currentWidget());
        QVERIFY(page);
        QCOMPARE(page->title(), QStringLiteral("未连接设备"));
        QVERIFY(page->hint().contains(QStringLiteral("USB")));
        QVERIFY(page->hint().contains(QStringLiteral("蓝牙")));
        auto *column = qobject_cast<LeftTabbarPanel *>(m_window->navForm()->page(0));
        QVERIFY(column);
        QCOMPARE(column->buttonCount(), 1);
        QCOMPARE(column->currentIndex(), 0);
    }

    void firstDeviceReplacesThePlaceholder()
    {
        ToastRecorder toasts;
        DeviceContext *mouse = plugIn(QStringLiteral("mouse"), QStringLiteral("智能鼠标"));
        QCOMPARE(tabs()->count(), 1);
        QCOMPARE(tabs()->tabText(0), QStringLiteral("智能鼠标"));
        QCOMPARE(bar()->items(), QVector<DeviceContext *>{mouse});
        QCOMPARE(m_window->navForm()->pageCount(), 1);
        QCOMPARE(toasts.entries.size(), 1);
        QCOMPARE(toasts.entries.at(0).type, 0);
        QCOMPARE(toasts.entries.at(0).text, QStringLiteral("智能鼠标设备接入! "));
        QCOMPARE(toasts.entries.at(0).msec, 4000);
        // The device's page column and page stack are those its logic built.
        QCOMPARE(tabs()->widget(0), static_cast<QWidget *>(mouse->logic->deviceUi().first));
        QCOMPARE(m_window->navForm()->page(0), static_cast<QWidget *>(mouse->logic->deviceUi().second));
        QCOMPARE(mouse->logic->deviceUi().second->buttonCount(), 1);
        QCOMPARE(mouse->logic->deviceUi().first->context(), mouse);
    }

    void aDeviceTabShowsAnAmpersandAsWritten()
    {
        plugIn(QStringLiteral("mouse"), QStringLiteral("M1 & Co"));
        const QString title = tabs()->tabText(0);
        // No letter of the name becomes a shortcut marker; the tab draws "&&" as "&".
        QVERIFY(QKeySequence::mnemonic(title).isEmpty());
        QCOMPARE(QString(title).replace(QStringLiteral("&&"), QStringLiteral("&")), QStringLiteral("M1 & Co"));
    }

    void devicesComeAndGoInOrder()
    {
        DeviceContext *first = plugIn(QStringLiteral("first"), QStringLiteral("演示器"), 1);
        DeviceContext *second = plugIn(QStringLiteral("second"), QStringLiteral("鼠标"), 2);
        QCOMPARE(tabs()->count(), 2);
        QCOMPARE(bar()->items(), (QVector<DeviceContext *>{first, second}));
        QCOMPARE(m_window->navForm()->pageCount(), 2);

        ToastRecorder toasts;
        const QString secondKey = second->key();
        m_window->removeDevice(first);
        QCOMPARE(tabs()->count(), 1);
        QCOMPARE(tabs()->tabText(0), QStringLiteral("鼠标"));
        QCOMPARE(bar()->items(), QVector<DeviceContext *>{second});
        QCOMPARE(m_window->navForm()->pageCount(), 1);
        QCOMPARE(DeviceMap::instance().snapshot().keys(), QStringList{secondKey});
        QCOMPARE(toasts.entries.size(), 1);
        QCOMPARE(toasts.entries.at(0).text, QStringLiteral("设备拔出或无法连接! "));
        QCOMPARE(toasts.entries.at(0).msec, 2000);

        m_window->removeDevice(second);
        QCOMPARE(tabs()->count(), 1);
        QCOMPARE(tabs()->tabText(0), QStringLiteral("无设备"));
        QCOMPARE(bar()->items(), QVector<DeviceContext *>{nullptr});
        QCOMPARE(m_window->navForm()->pageCount(), 1);
        QCOMPARE(DeviceMap::instance().size(), 0);

        // The placeholder's pages come back as they were, and make way again.
        DeviceContext *third = plugIn(QStringLiteral("third"), QStringLiteral("演示器"), 3);
        QCOMPARE(bar()->items(), QVector<DeviceContext *>{third});
        QCOMPARE(tabs()->count(), 1);
    }

    void removalReleasesThenStopsThenDropsTheTab()
    {
        DeviceContext *device = plugIn(QStringLiteral("pulled"), QStringLiteral("鼠标"));
        const QString key = device->key();
        bool inMapAtRelease = true;
        int tabsAtStop = -1;
        QPointer<FunctionImpl> hub = device->functionImpl;
        QVERIFY(hub);
        bool hubAtRelease = false;
        bool hubAtStop = true;
        simulatedLogic(device)->onRelease = [&] {
            inMapAtRelease = DeviceMap::instance().contains(key);
            hubAtRelease = !hub.isNull();
        };
        simulatedListener(device)->onStop = [&] {
            tabsAtStop = bar()->items().size();
            hubAtStop = !hub.isNull();
        };
        QPointer<QWidget> tabPage = tabs()->widget(0);
        QPointer<QWidget> navPage = m_window->navForm()->page(0);

        m_window->removeDevice(device);
        QCOMPARE(m_journal, (QStringList{QStringLiteral("releaseUI"), QStringLiteral("stop")}));
        QVERIFY(!inMapAtRelease);
        // The hub is shut down and deleted after the pages let go and before the context goes.
        QVERIFY(hubAtRelease);
        QVERIFY(!hubAtStop);
        QCOMPARE(tabsAtStop, 1); // the context goes before its tab
        // The device's forms live as long as its tab.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(tabPage.isNull());
        QVERIFY(navPage.isNull());
    }

    void arrivingDeviceGetsItsHubAndWindows()
    {
        DeviceContext *device = plugIn(QStringLiteral("hub"), QStringLiteral("鼠标"));
        FunctionImpl *hub = device->functionImpl;
        QVERIFY(hub);
        auto *windows = hub->findChild<SpeechTips *>();
        QVERIFY(windows);
        // The device's actions reach its hub.
        emit device->logic->invokeFunction(Action_Enter, Flag_Release, QString());
        QCOMPARE(device->lastAction, Action_Enter);
        // The typing node drives its tip.
        emit hub->typeImp()->tipMode(8);
        QCOMPARE(windows->typingTip()->title(), QStringLiteral("翻译打字"));
        emit hub->typeImp()->showTip();
        QVERIFY(windows->typingTip()->isVisible());
        emit hub->typeImp()->hideTip();
        QVERIFY(windows->typingTip()->isHidden());
        auto *floating = hub->findChild<FunctionWindows *>();
        QVERIFY(floating);
        emit hub->effectStart(0);
        emit hub->effectStop();
        QVERIFY(floating->overlay()->isHidden());
    }

    void typingNodeTypesThroughTheWindow()
    {
        RecordingKeySender keys;
        DeviceContext *device = plugIn(QStringLiteral("typing"), QStringLiteral("鼠标"));
        TypeImp *typing = device->functionImpl->typeImp();
        emit typing->typingSignal(QStringLiteral("你好"), QStringLiteral("你"));
        emit typing->vkPasteSignal();
        QVERIFY(keys.batches().isEmpty()); // queued: typing never runs inside the result handler
        QTRY_COMPARE(keys.batches().size(), 3);
        QTRY_VERIFY(!m_window->typingOutput()->isBusy());
        QCOMPARE(keys.batches().at(0), IKeySender::taps(VirtualKeys::VK_BACK, 1));
        QCOMPARE(keys.batches().at(1), IKeySender::chord(VirtualKeys::VK_CONTROL, 'V'));
        QCOMPARE(keys.batches().at(2), IKeySender::chord(VirtualKeys::VK_CONTROL, 'V'));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("你好"));
    }

    void unknownDeviceOnlyWarns()
    {
        DeviceContext *known = plugIn(QStringLiteral("known"), QStringLiteral("鼠标"), 1);
        DeviceContext *stranger = makeSimulatedDevice(QStringLiteral("stranger"), QStringLiteral("鼠标"), &m_journal, 2);
        DeviceMap::instance().insert(stranger->key(), stranger);
        ToastRecorder toasts;

        m_window->removeDevice(stranger);
        QCOMPARE(bar()->items(), QVector<DeviceContext *>{known});
        QVERIFY(DeviceMap::instance().contains(stranger->key()));
        QVERIFY(m_journal.isEmpty()); // neither released nor stopped
        QVERIFY(toasts.entries.isEmpty());
    }

    void nullDeviceChangesNothing()
    {
        m_window->addDevice(nullptr);
        m_window->removeDevice(nullptr);
        QCOMPARE(bar()->items(), QVector<DeviceContext *>{nullptr});
    }

    void statusChangeRepaintsTheTabs_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("repaint");
        QTest::newRow("serial number") << int(Notify_SerialNumber) << false;
        QTest::newRow("status") << int(Notify_Status) << true;
        QTest::newRow("model") << int(Notify_Model) << false;
    }

    void statusChangeRepaintsTheTabs()
    {
        QFETCH(int, type);
        QFETCH(bool, repaint);
        DeviceContext *device = plugIn(QStringLiteral("status"), QStringLiteral("鼠标"));
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        PaintCounter counter;
        bar()->installEventFilter(&counter);
        // Let the first paints settle, so only the notice can paint the bar again.
        for (int settled = 0; settled < 20; ++settled) {
            counter.paints = 0;
            QTest::qWait(100);
            if (counter.paints == 0)
                break;
        }
        QCOMPARE(counter.paints, 0);
        emit device->logic->notifyChange(NotifyType(type), 0, 1);
        QTest::qWait(100);
        QCOMPARE(counter.paints > 0, repaint);
    }

    void trayMenuFollowsTheDownload()
    {
        QMenu *menu = m_window->trayMenu();
        const QStringList normal{QStringLiteral("&打开"), QStringLiteral("&检查更新"), QStringLiteral("&扫描蓝牙设备"),
                                 QStringLiteral("&退出")};
        const QStringList download{QStringLiteral("&打开"), QStringLiteral("&显示更新进度"),
                                   QStringLiteral("&扫描蓝牙设备"), QStringLiteral("&退出")};
        QCOMPARE(actionTexts(menu->actions()), normal);
        m_window->upgrade_downloadProgress(0.1);
        QCOMPARE(actionTexts(menu->actions()), download);
        m_window->upgrade_downloadProgress(0.2);
        QCOMPARE(actionTexts(menu->actions()), download);
        m_window->upgrade_downloadComplete(m_home->file(QStringLiteral("vanished.bin")));
        QCOMPARE(actionTexts(menu->actions()), normal);
        m_window->upgrade_downloadProgress(0.3);
        QCOMPARE(actionTexts(menu->actions()), download);
        m_window->upgrade_downloadStop();
        QCOMPARE(actionTexts(menu->actions()), normal);
    }

    void progressIsAWholePercentage_data()
    {
        QTest::addColumn<double>("fraction");
        QTest::addColumn<int>("percent");
        QTest::newRow("0.375") << 0.375 << 37;
        QTest::newRow("nothing yet") << 0.0 << 0;
        QTest::newRow("almost") << 0.999 << 99;
        QTest::newRow("done") << 1.0 << 100;
    }

    void progressIsAWholePercentage()
    {
        QFETCH(double, fraction);
        QFETCH(int, percent);
        m_window->upgrade_downloadProgress(fraction);
        QCOMPARE(m_window->upgradeProgress(), percent);
    }

    void closeHidesIntoTheTray()
    {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QVERIFY(!m_window->close());
        QVERIFY(m_window->isHidden());
        QVERIFY(m_window->trayIcon()->isVisible() || !QSystemTrayIcon::isSystemTrayAvailable());
    }

    void closingWithoutATrayEndsTheProgramInOrder_data()
    {
        QTest::addColumn<bool>("titleBarButton");
        QTest::newRow("window system's close") << false;
        QTest::newRow("title bar's close button") << true;
    }

    void closingWithoutATrayEndsTheProgramInOrder()
    {
        QFETCH(bool, titleBarButton);
        MainWindow::setTrayAvailableForTest(false);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QSignalSpy quitting(m_window.get(), &MainWindow::quitting);
        if (titleBarButton)
            m_window->topRightPanel()->btnExit()->click();
        else
            m_window->close();
        QCOMPARE(quitting.count(), 1);
    }

    void withoutATrayTheSettingsMenuOffersTheExit()
    {
        MainWindow::setTrayAvailableForTest(false);
        QMenu *menu = m_window->topRightPanel()->tbMenu()->menu();
        QAction *exit = nullptr;
        for (QAction *action : menu->actions()) {
            if (action->text() == TUI::tr("&退出"))
                exit = action;
        }
        QVERIFY(exit);
        QVERIFY(m_window->trayMenu()->actions().contains(exit));
        QSignalSpy quitting(m_window.get(), &MainWindow::quitting);
        exit->trigger();
        QCOMPARE(quitting.count(), 1);
    }

    void startingHiddenNeedsATray_data()
    {
        QTest::addColumn<bool>("hidden");
        QTest::addColumn<bool>("tray");
        QTest::addColumn<bool>("shown");
        QTest::newRow("shown, tray") << false << true << true;
        QTest::newRow("shown, no tray") << false << false << true;
        QTest::newRow("hidden, tray") << true << true << false;
        QTest::newRow("hidden, no tray") << true << false << true;
    }

    void startingHiddenNeedsATray()
    {
        QFETCH(bool, hidden);
        QFETCH(bool, tray);
        QFETCH(bool, shown);
        MainWindow::setTrayAvailableForTest(tray);
        LogCapture log;
        StartupSequence::showWindow(m_window.get(), hidden);
        QCOMPARE(m_window->isVisible(), shown);
        // Showing a window asked to stay hidden is explained in the log.
        QCOMPARE(log.lines({"started hidden", "no system tray"}).size() + log.lines({"started hidden", "neither a system tray"}).size(),
                 hidden && !tray ? 1 : 0);
    }

    void openFromTheTrayMenuBringsTheWindowForward_data()
    {
        QTest::addColumn<bool>("minimised");
        QTest::newRow("minimised") << true;
        QTest::newRow("behind another window") << false;
    }

    void openFromTheTrayMenuBringsTheWindowForward()
    {
        QFETCH(bool, minimised);
        if (!onTheXServer())
            QSKIP("needs the X server and a window manager: runs as tst_mainwindow_x11");
        const QString failure = m_windowManager.start();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        m_window->move(200, 150);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        const QPoint centre = m_window->geometry().center();
        QWidget cover;
        if (minimised) {
            m_window->showMinimized();
            QTRY_VERIFY(!m_window->windowHandle()->isExposed());
        } else {
            QPalette magenta;
            magenta.setColor(QPalette::Window, Qt::magenta);
            cover.setPalette(magenta);
            cover.setAutoFillBackground(true);
            cover.setGeometry(m_window->geometry().adjusted(-100, -100, 100, 100));
            cover.show();
            QVERIFY(QTest::qWaitForWindowActive(&cover));
            QTRY_COMPARE(screenPixel(centre), QColor(Qt::magenta));
        }

        actionNamed(m_window->trayMenu()->actions(), TUI::tr("&打开"))->trigger();
        QTRY_VERIFY(m_window->windowHandle()->isExposed());
        QTRY_VERIFY(m_window->isActiveWindow());
        QVERIFY(!m_window->isMinimized());
        QTRY_VERIFY(screenPixel(centre) != QColor(Qt::magenta));
    }

    void aTrayThatComesLateOrGoesIsFollowed()
    {
        if (!onTheXServer())
            QSKIP("needs the X server and a window manager: runs as tst_mainwindow_x11");
        const QString failure = m_windowManager.start();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        MainWindow::setTrayAvailableForTest(std::nullopt);
        QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable());
        QMenu *settings = m_window->topRightPanel()->tbMenu()->menu();
        QAction *exit = actionNamed(m_window->trayMenu()->actions(), TUI::tr("&退出"));

        // An autostart with -h before the panel's tray exists.
        StartupSequence::showWindow(m_window.get(), true);
        QVERIFY(m_window->isVisible());
        QVERIFY(m_window->isMinimized());
        QVERIFY(settings->actions().contains(exit));

        SystemTrayHost tray;
        QVERIFY(tray.start());
        QTRY_VERIFY(m_window->isHidden());
        QTRY_VERIFY(!tray.dockRequests().isEmpty());
        QTRY_VERIFY(!settings->actions().contains(exit));
        QVERIFY(m_window->trayMenu()->actions().contains(exit));

        tray.stop();
        QTRY_VERIFY(settings->actions().contains(exit));
        QVERIFY(m_window->trayMenu()->actions().contains(exit));
    }

    void aWindowInTheTrayComesOutWhenTheTrayGoes_data()
    {
        QTest::addColumn<bool>("startedHidden");
        QTest::newRow("started with -h into a running tray") << true;
        QTest::newRow("closed into the tray") << false;
    }

    void aWindowInTheTrayComesOutWhenTheTrayGoes()
    {
        QFETCH(bool, startedHidden);
        if (!onTheXServer())
            QSKIP("needs the X server and a window manager: runs as tst_mainwindow_x11");
        const QString failure = m_windowManager.start();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        MainWindow::setTrayAvailableForTest(std::nullopt);
        QAction *exit = actionNamed(m_window->trayMenu()->actions(), TUI::tr("&退出"));
        SystemTrayHost tray;
        QVERIFY(tray.start());
        QTRY_VERIFY(QSystemTrayIcon::isSystemTrayAvailable());

        StartupSequence::showWindow(m_window.get(), startedHidden);
        if (!startedHidden) {
            QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
            m_window->close();
        }
        QVERIFY(m_window->isHidden());
        QTRY_VERIFY(!tray.dockRequests().isEmpty());

        // The panel ends: the window is all that is left to reach the program and end it.
        tray.stop();
        QTRY_VERIFY(m_window->isVisible());
        QVERIFY(m_window->isMinimized());
        QMenu *settings = m_window->topRightPanel()->tbMenu()->menu();
        QTRY_VERIFY(settings->actions().contains(exit));

        // The panel starts again: the window goes back into its tray.
        SystemTrayHost next;
        QVERIFY(next.start());
        QTRY_VERIFY(m_window->isHidden());
        QTRY_VERIFY(!next.dockRequests().isEmpty());
        QTRY_VERIFY(!settings->actions().contains(exit));

        // And out again when that tray goes too.
        next.stop();
        QTRY_VERIFY(m_window->isVisible());
        QVERIFY(m_window->isMinimized());
    }

    void aSecondStartBringsTheWindowForwardWhateverTheTrayDidBefore()
    {
        if (!onTheXServer())
            QSKIP("needs the X server and a window manager: runs as tst_mainwindow_x11");
        const QString failure = m_windowManager.start();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        MainWindow::setTrayAvailableForTest(std::nullopt);
        SecondStart secondStart;
        StartupSequence::wakeWindowOn(&secondStart, &SecondStart::started, m_window.get());
        SystemTrayHost tray;
        QVERIFY(tray.start());
        QTRY_VERIFY(QSystemTrayIcon::isSystemTrayAvailable());
        StartupSequence::showWindow(m_window.get(), false);
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->close();
        QTRY_VERIFY(!tray.dockRequests().isEmpty());

        // The tray goes: the window comes out minimised, and the user restores it from the task bar.
        tray.stop();
        QTRY_VERIFY(m_window->isVisible());
        const WId id = m_window->winId();
        QTRY_VERIFY(WindowManagerSession::isIconic(id));
        WindowManagerSession::activateFromTaskBar(id);
        QTRY_VERIFY(!WindowManagerSession::isIconic(id));
        QTRY_VERIFY(m_window->windowHandle()->isExposed());

        // A tray comes again, and the window is closed into it.
        SystemTrayHost next;
        QVERIFY(next.start());
        QTRY_VERIFY(!next.dockRequests().isEmpty());
        QVERIFY(m_window->isVisible());
        m_window->close();
        QVERIFY(m_window->isHidden());
        QTRY_VERIFY(!QGuiApplication::focusWindow());

        emit secondStart.started();
        QTRY_VERIFY(m_window->isVisible());
        QTRY_VERIFY(m_window->windowHandle()->isExposed());
        QTRY_VERIFY(m_window->isActiveWindow());
        QVERIFY(!m_window->isMinimized());
        QVERIFY(!WindowManagerSession::isIconic(id));
    }

    void aWindowBackFromTheTrayComesWhereItWasWithItsOpenDialogsInFront_data()
    {
        QTest::addColumn<bool>("secondStart");
        QTest::newRow("a click on the tray icon") << false;
        QTest::newRow("a second start") << true;
    }

    // Settings and feedback stay open while the window lives in the tray: when it comes back
    // they lie in front of it as before, and the keys go on into the feedback form.
    void aWindowBackFromTheTrayComesWhereItWasWithItsOpenDialogsInFront()
    {
        QFETCH(bool, secondStart);
        if (!onTheXServer())
            QSKIP("needs the X server, a window manager and a tray: runs as tst_mainwindow_x11");
        const QString failure = m_windowManager.start();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        MainWindow::setTrayAvailableForTest(std::nullopt);
        SecondStart another;
        StartupSequence::wakeWindowOn(&another, &SecondStart::started, m_window.get());
        SystemTrayHost tray;
        QVERIFY(tray.start());
        QTRY_VERIFY(QSystemTrayIcon::isSystemTrayAvailable());
        AppHelper::instance().setMainWindow(m_window.get());
        StartupSequence::showWindow(m_window.get(), false);
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        const WId main = m_window->winId();
        // Placed by the window manager and moved by the user, never by the program.
        const QPoint place(138, 100);
        WindowManagerSession::moveAsUser(main, place);
        QTRY_COMPARE(WindowManagerSession::position(main), place);

        const QList<QAction *> entries = m_window->topRightPanel()->tbMenu()->menu()->actions();
        entries.at(0)->trigger();
        auto *settings = m_window->findChild<ContainerDialog *>();
        QVERIFY(settings);
        // Not qWaitForWindowActive: a dialog counts as active while its parent is.
        QTRY_COMPARE(QGuiApplication::focusWindow(), settings->windowHandle());
        entries.at(2)->trigger();
        auto *feedback = m_window->findChild<FeedbackDialog *>();
        QVERIFY(feedback);
        QTRY_COMPARE(QGuiApplication::focusWindow(), feedback->windowHandle());
        auto *contact = feedback->findChild<QLineEdit *>(QStringLiteral("leUserName"));
        const auto typeWord = [](const QString &word) {
            QVector<KeyRecord> keys;
            for (const QChar c : word)
                keys += IKeySender::taps(c.unicode(), 1);
            return IKeySender::instance()->send(keys) == keys.size();
        };
        QVERIFY(typeWord(QStringLiteral("ME")));
        QTRY_COMPARE(contact->text(), QStringLiteral("me"));

        m_window->close();
        QVERIFY(m_window->isHidden());
        QTRY_VERIFY(!WindowManagerSession::stackingOrder().contains(main));
        QVERIFY(settings->isVisible() && feedback->isVisible());

        if (secondStart)
            emit another.started();
        else
            m_window->activatedSysTrayIcon(QSystemTrayIcon::Trigger);
        QTRY_VERIFY(m_window->windowHandle()->isExposed());
        const auto inFront = [&] {
            const QVector<WId> order = WindowManagerSession::stackingOrder();
            const int window = order.indexOf(main);
            return window >= 0 && window < order.indexOf(settings->winId())
                && order.indexOf(settings->winId()) < order.indexOf(feedback->winId());
        };
        QTRY_VERIFY(inFront());
        QCOMPARE(WindowManagerSession::position(main), place);
        QTRY_COMPARE(QGuiApplication::focusWindow(), feedback->windowHandle());
        QVERIFY(typeWord(QStringLiteral("TOO")));
        QTRY_COMPARE(contact->text(), QStringLiteral("metoo"));

        // A click on the window raises it, and its dialogs stay in front of it.
        WindowManagerSession::activateFromTaskBar(main);
        QTRY_COMPARE(QGuiApplication::focusWindow(), m_window->windowHandle());
        QTRY_VERIFY(inFront());
        AppHelper::instance().setMainWindow(nullptr);
    }

    void titleBarButtonsHideAndMinimise()
    {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->topRightPanel()->btnExit()->click();
        QVERIFY(m_window->isHidden());
        m_window->show();
        m_window->topRightPanel()->btnMin()->click();
        QVERIFY(m_window->isMinimized());
    }

    void exitSavesEveryRecordBeforeDeletingAnyContext()
    {
        DeviceContext *first = plugIn(QStringLiteral("one"), QStringLiteral("鼠标"), 1);
        DeviceContext *second = plugIn(QStringLiteral("two"), QStringLiteral("演示器"), 2);
        // Values stored straight into the records reach the files only through the save at exit.
        first->setting->snapshot_shortcut = QStringLiteral("Ctrl+W");
        second->setting->snapshot_shortcut = QStringLiteral("Alt+E");
        const QString firstFile = DeviceConfigHelper::instance().filePath(first->key());
        const QString secondFile = DeviceConfigHelper::instance().filePath(second->key());
        QStringList seenAtStop;
        auto readBoth = [&] {
            QFile a(firstFile), b(secondFile);
            a.open(QIODevice::ReadOnly);
            b.open(QIODevice::ReadOnly);
            seenAtStop << QString::fromUtf8(a.readAll() + b.readAll());
        };
        simulatedListener(first)->onStop = readBoth;
        simulatedListener(second)->onStop = readBoth;
        QSignalSpy quitting(m_window.get(), &MainWindow::quitting);

        m_window->quitApplication();
        QCOMPARE(quitting.count(), 1);
        QCOMPARE(seenAtStop.size(), 2);
        for (const QString &seen : qAsConst(seenAtStop)) {
            QVERIFY(seen.contains(QStringLiteral("Ctrl+W")));
            QVERIFY(seen.contains(QStringLiteral("Alt+E")));
        }
        QCOMPARE(DeviceMap::instance().size(), 0);
        QVERIFY(!m_window->trayIcon()->isVisible());
    }

    void snapshotShortcutPicksTheFirstMatchingDevice_data()
    {
        QTest::addColumn<QString>("firstShortcut");
        QTest::addColumn<QString>("secondShortcut");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("device"); // 0 none, 1 first, 2 second
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("Ctrl+Q") << "Ctrl+Q" << "" << 0x51 << ctrl << 1;
        QTest::newRow("Q alone") << "Ctrl+Q" << "Ctrl+Q" << 0x51 << 0 << 0;
        QTest::newRow("same shortcut twice") << "Ctrl+Q" << "Ctrl+Q" << 0x51 << ctrl << 1;
        QTest::newRow("second device's") << "Ctrl+Q" << "Alt+S" << 0x53 << int(Qt::AltModifier) << 2;
        QTest::newRow("empty never matches") << "" << "" << 0x51 << ctrl << 0;
        QTest::newRow("other modifiers") << "Ctrl+Q" << "" << 0x51 << int(Qt::ShiftModifier) << 0;
        QTest::newRow("unknown key") << "Ctrl+Q" << "" << 0xFF << ctrl << 0;
        QTest::newRow("two-key sequence") << "Ctrl+Q, Ctrl+W" << "" << 0x51 << ctrl << 0;
        const int ctrlShift = int(Qt::ControlModifier | Qt::ShiftModifier);
        QTest::newRow("recorded Ctrl+Shift+1")
            << KeyLineEdit::keyName(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Exclam) << "" << 0x31 << ctrlShift << 1;
        QTest::newRow("stored as typed, Ctrl+Shift+!") << "Ctrl+Shift+!" << "" << 0x31 << ctrlShift << 1;
    }

    void snapshotShortcutPicksTheFirstMatchingDevice()
    {
        QFETCH(QString, firstShortcut);
        QFETCH(QString, secondShortcut);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, device);
        // "a" sorts before "b" in the device map, whatever order they came in.
        DeviceContext *second = plugIn(QStringLiteral("b"), QStringLiteral("鼠标"), 2);
        DeviceContext *first = plugIn(QStringLiteral("a"), QStringLiteral("鼠标"), 1);
        first->setting->setValue(QStringLiteral("snapshot_shortcut"), firstShortcut);
        second->setting->setValue(QStringLiteral("snapshot_shortcut"), secondShortcut);
        DeviceContext *expected = device == 1 ? first : device == 2 ? second : nullptr;
        QCOMPARE(MainWindow::snapshotDeviceFor(key, Qt::KeyboardModifiers(modifiers)), expected);
    }

    void tabSwitchSwitchesTheNavigationColumn()
    {
        plugIn(QStringLiteral("one"), QStringLiteral("鼠标"), 1);
        plugIn(QStringLiteral("two"), QStringLiteral("演示器"), 2);
        tabs()->setCurrentIndex(1);
        QCOMPARE(m_window->navForm()->currentPage(), 1);
        tabs()->setCurrentIndex(0);
        QCOMPARE(m_window->navForm()->currentPage(), 0);
    }

    void pullingOutAnEarlierDeviceKeepsTheShownTabsColumn()
    {
        plugIn(QStringLiteral("a"), QStringLiteral("A"), 1);
        DeviceContext *b = plugIn(QStringLiteral("b"), QStringLiteral("B"), 2);
        DeviceContext *c = plugIn(QStringLiteral("c"), QStringLiteral("C"), 3);
        tabs()->setCurrentIndex(2);
        m_window->removeDevice(bar()->items().at(0));
        QCOMPARE(bar()->items(), (QVector<DeviceContext *>{b, c}));
        const int shown = tabs()->currentIndex();
        QCOMPARE(tabs()->widget(shown), static_cast<QWidget *>(c->logic->deviceUi().first));
        QCOMPARE(m_window->navForm()->page(m_window->navForm()->currentPage()),
                 static_cast<QWidget *>(c->logic->deviceUi().second));
    }

    void newDeviceShowsThePageItsColumnMarks()
    {
        plugIn(QStringLiteral("a"), QStringLiteral("A"), 1);
        plugIn(QStringLiteral("b"), QStringLiteral("B"), 2);
        tabs()->setCurrentIndex(1);
        DeviceContext *c = makeSimulatedDevice(QStringLiteral("c"), QStringLiteral("C"), &m_journal, 3);
        simulatedLogic(c)->pages = {{QStringLiteral("one"), QStringLiteral("PageOne"), {}},
                                    {QStringLiteral("two"), QStringLiteral("PageTwo"), {}},
                                    {QStringLiteral("three"), QStringLiteral("PageThree"), {}}};
        DeviceMap::instance().insert(c->key(), c);
        m_window->addDevice(c);
        const IDeviceLogic::DeviceUi pages = c->logic->deviceUi();
        QCOMPARE(pages.second->currentIndex(), 0);
        QCOMPARE(pages.first->currentIndex(), pages.second->currentIndex());
    }

    // The settings menu is white and marks the entry under the mouse.
    void settingsMenuMarksTheEntryUnderTheMouse()
    {
        QMenu *menu = m_window->topRightPanel()->tbMenu()->menu();
        menu->popup(QPoint(10, 10));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        const QList<QAction *> entries = menu->actions();
        menu->setActiveAction(entries.at(0));
        const QImage shot = menu->grab().toImage();
        menu->hide();
        const QRect first = menu->actionGeometry(entries.at(0));
        const QRect second = menu->actionGeometry(entries.at(1));
        const QColor marked = shot.pixelColor(first.left() + 3, first.center().y());
        const QColor plain = shot.pixelColor(second.left() + 3, second.center().y());
        QCOMPARE(plain, QColor(Qt::white));
        QVERIFY2(marked != plain, qPrintable(marked.name()));
    }

    void titleBarMenus()
    {
        TopRightPanel *panel = m_window->topRightPanel();
        const QStringList styles = actionTexts(panel->tbStyle()->actions());
        QCOMPARE(styles.size(), 15);
        QCOMPARE(styles.first(), QStringLiteral("银色"));
        QCOMPARE(styles.last(), QStringLiteral("Vellobox2"));
        const QList<QAction *> entries = panel->tbMenu()->menu()->actions();
        QCOMPARE(actionTexts(entries),
                 (QStringList{QStringLiteral("软件设置"), QStringLiteral("技术支持"), QStringLiteral("意见反馈")}));
        for (int i = 0; i < entries.size(); ++i)
            QCOMPARE(entries.at(i)->data().toInt(), i);
        QCOMPARE(actionTexts(panel->tbDebug()->actions()),
                 (QStringList{QStringLiteral("录音(原始PCM数据)"), QStringLiteral("录音(encode)"), QStringLiteral("登录页面")}));

        // A chosen style carries the only check mark.
        panel->tbStyle()->actions().at(3)->trigger();
        panel->tbStyle()->actions().at(5)->trigger();
        int checked = 0;
        for (QAction *action : panel->tbStyle()->actions())
            checked += action->isChecked();
        QCOMPARE(checked, 1);
        QVERIFY(panel->tbStyle()->actions().at(5)->isChecked());
    }

    void debugMenuOpensTheVolumeWindow()
    {
        QAction *volume = m_window->topRightPanel()->tbDebug()->actions().at(2);
        volume->trigger();
        QWidget *dialog = m_window->findChild<QWidget *>(QStringLiteral("RecordVolumeDialog"));
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
    }

    void titleBarShowsDebugButtonsOnlyInDebugMode_data()
    {
        QTest::addColumn<bool>("debug");
        QTest::newRow("normal") << false;
        QTest::newRow("debug") << true;
    }

    void titleBarShowsDebugButtonsOnlyInDebugMode()
    {
        QFETCH(bool, debug);
        m_home->write(QStringLiteral("config/vellobox.ini"),
                      debug ? "[Debug]\nEnableDebugUI=true\n" : "[Debug]\nEnableDebugUI=false\n");
        m_home->reload();
        TopRightPanel panel;
        QCOMPARE(!panel.tbDebug()->isHidden(), debug);
        QCOMPARE(!panel.tbStyle()->isHidden(), debug);
        QVERIFY(panel.btnExit()->isHidden());
        QVERIFY(!panel.btnScan()->isHidden());
        QVERIFY(!panel.tbMenu()->isHidden());
        QVERIFY(!panel.btnMin()->isHidden());
    }

    void scanButtonBlinksWhileBluetoothDiscoveryRuns()
    {
        AnimationButton *scan = m_window->topRightPanel()->btnScan();
        emit BlueToothMonitor::instance().startScan();
        QVERIFY(scan->isAnimating());
        emit BlueToothMonitor::instance().finishScan();
        QVERIFY(!scan->isAnimating());
    }

    void deviceNodeBurstGivesOneScan()
    {
        m_window->watchDeviceNodes(); // as the first scan does
        auto *nodes = m_window->findChild<HidrawMonitor *>();
        QVERIFY(nodes);
        QSignalSpy scans(&HidMonitor::instance(), &HidMonitor::scanFinished);
        emit nodes->deviceAdded(QStringLiteral("/dev/hidraw7"));
        emit nodes->deviceRemoved(QStringLiteral("/dev/hidraw7"));
        emit nodes->deviceAdded(QStringLiteral("/dev/hidraw7"));
        QVERIFY(HidMonitor::instance().isScanPending());
        QTRY_COMPARE(scans.count(), 1);
        QTest::qWait(250);
        QCOMPARE(scans.count(), 1);
    }

    void savingARecordingShowsTheProgressWindow()
    {
        QVERIFY(!m_window->progressDialog());
        m_window->SaveRecord_Start(nullptr);
        ProgressDialog *dialog = m_window->progressDialog();
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        m_window->SaveRecord_Doing(nullptr, QStringLiteral("正在保存"));
        QCOMPARE(m_window->progressDialog(), dialog); // one window, reused
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("lbStatus"))->text(), QStringLiteral("正在保存"));
        m_window->SaveRecord_Finish(nullptr, 0, QStringLiteral("保存完成"));
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("lbStatus"))->text(), QStringLiteral("保存完成"));
        QVERIFY(dialog->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->isVisible(), 4000);
    }

    void maximiseTogglesBackToTheSavedGeometry()
    {
        m_window->show();
        const QRect before = m_window->geometry();
        m_window->btnMenu_Max_clicked();
        m_window->btnMenu_Max_clicked();
        QCOMPARE(m_window->geometry(), before);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
