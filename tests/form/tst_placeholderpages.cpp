#include "MainWindowHome.h"
#include "SimulatedDevice.h"

#include "databinding/ZTabWidget.h"
#include "device/DeviceMap.h"
#include "device/common/ui/NoDeviceTab.h"
#include "form/DeviceHub.h"
#include "form/MainWindow.h"
#include "form/PlaceholderPages.h"
#include "form/panel/TopRightPanel.h"
#include "support/TestHome.h"

#include <QtTest>

// The main window started into the tray builds the placeholder's pages only when they are
// first needed; what the user sees is the same as when they are built at once.
class TestPlaceholderPages : public QObject
{
    Q_OBJECT

private:
    MainWindowHome m_fixture;
    std::unique_ptr<TestHome> &m_home = m_fixture.home;
    std::unique_ptr<MainWindow> &m_window = m_fixture.window;
    QStringList &m_journal = m_fixture.journal;

    // The tab widget as the window holds it, without asking the window for it.
    ZTabWidget *tabsAsTheyStand() const { return m_window->findChild<ZTabWidget *>(QStringLiteral("tabWidget")); }

private slots:
    void init() { m_fixture.start(); }
    void cleanup() { m_fixture.stop(); }

    // Nor any of its contents: only the tray icon.
    void aWindowNeverShownHasNoPlaceholderPage()
    {
        QVERIFY(!m_window->findChild<NoDeviceTab *>());
        QVERIFY(!tabsAsTheyStand());
        QVERIFY(!m_window->findChild<TopRightPanel *>());
        QVERIFY(m_window->trayIcon());
        QVERIFY(m_window->trayIcon()->isVisible());
    }

    void theFirstShowPutsThePlaceholderUp()
    {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QCOMPARE(tabsAsTheyStand()->count(), 1);
        QCOMPARE(tabsAsTheyStand()->tabText(0), QStringLiteral("无设备"));
        QVERIFY(m_window->findChild<NoDeviceTab *>());
        QVERIFY(tabsAsTheyStand()->widget(0)->isVisible());
    }

    void aDeviceArrivingWhileHiddenTakesTheOnlyTab()
    {
        DeviceContext *mouse = makeSimulatedDevice(QStringLiteral("mouse"), QStringLiteral("智能鼠标"), &m_journal, 1);
        DeviceMap::instance().insert(mouse->key(), mouse);
        m_window->addDevice(mouse);
        QVERIFY(!m_window->findChild<NoDeviceTab *>());

        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QCOMPARE(tabsAsTheyStand()->count(), 1);
        QCOMPARE(tabsAsTheyStand()->tabText(0), QStringLiteral("智能鼠标"));
        QVERIFY(!m_window->findChild<NoDeviceTab *>());
    }

    void theLastDeviceLeavingWhileHiddenBringsThePlaceholderBack()
    {
        DeviceContext *mouse = makeSimulatedDevice(QStringLiteral("mouse"), QStringLiteral("智能鼠标"), &m_journal, 1);
        DeviceMap::instance().insert(mouse->key(), mouse);
        m_window->addDevice(mouse);
        m_window->removeDevice(mouse);
        QCOMPARE(tabsAsTheyStand()->count(), 1);
        QCOMPARE(tabsAsTheyStand()->tabText(0), QStringLiteral("无设备"));

        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QCOMPARE(tabsAsTheyStand()->count(), 1);
    }

    void thePagesAreBuiltOnceWhateverAsksFirst_data()
    {
        QTest::addColumn<bool>("askedBeforeShow");
        QTest::newRow("asked, then shown") << true;
        QTest::newRow("shown, then asked") << false;
    }

    void thePagesAreBuiltOnceWhateverAsksFirst()
    {
        QFETCH(bool, askedBeforeShow);
        QWidget window;
        int builds = 0;
        auto *pages = new PlaceholderPages(&window, [&builds] { ++builds; });
        if (askedBeforeShow)
            pages->ensure();
        window.show();
        window.hide();
        window.show();
        pages->ensure();
        QCOMPARE(builds, 1);
    }
};

QTEST_MAIN(TestPlaceholderPages)
#include "tst_placeholderpages.moc"
