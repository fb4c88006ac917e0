// The UI tour: the real main window on the X server with a presenter, a mouse and a branded
// mouse plugged in (their real device logic), every tab, page and dialog that exists saved
// as a picture for checking by eye. Fails when a page cannot be built or shown.
#include "SimulatedDevice.h"
#include "TourLanguage.h"

#include "databinding/ZTabWidget.h"
#include "device/DeviceHardwareInfo.h"
#include "device/DeviceMap.h"
#include "device/IDeviceFactory.h"
#include "device/ProductInfo.h"
#include "form/DeviceHub.h"
#include "form/SpeechTips.h"
#include "form/floating/FunctionWindows.h"
#include "form/MainWindow.h"
#include "form/dialog/ProgressDialog.h"
#include "form/dialog/RecordVolumeDialog.h"
#include "form/dialog/TypingMicDialog.h"
#include "form/floating/TextWidget.h"
#include "form/panel/LeftTabbarPanel.h"
#include "form/panel/NavForm.h"
#include "form/panel/TabPanel.h"
#include "form/panel/TopRightPanel.h"
#include "logic/businessLogic/FunctionImpl.h"
#include "qui/QUIHelper.h"
#include "qui/Toast.h"
#include "support/TestHome.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QToolButton>
#include <QtTest>
#include <memory>

namespace {
QString tourDir()
{
    return TourLanguage::folder(QStringLiteral(VB_UI_TOUR_DIR));
}

// What the screen shows of the widget's window (translucent frameless windows included).
QImage picture(QWidget *widget)
{
    QCoreApplication::processEvents();
    QTest::qWait(80);
    QWidget *window = widget->window();
    QScreen *screen = window->screen();
    const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
    const QPixmap shot = screen ? screen->grabWindow(0, origin.x(), origin.y(), widget->width(), widget->height())
                                : QPixmap();
    return shot.isNull() ? widget->grab().toImage() : shot.toImage();
}

bool save(QWidget *widget, const QString &name)
{
    const QImage image = picture(widget);
    if (image.isNull() || image.width() < 8 || image.height() < 8)
        return false;
    return image.save(tourDir() + QLatin1Char('/') + name + QStringLiteral(".png"));
}

QString fileSafe(QString text)
{
    text = text.trimmed();
    text.replace(QLatin1Char(' '), QLatin1Char('_'));
    text.replace(QLatin1Char('/'), QLatin1Char('_'));
    return text;
}
} // namespace

class TestUiTour : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<MainWindow> m_window;
    QVector<DeviceContext *> m_devices;

    DeviceContext *plugIn(const QString &factoryName, const QString &productName, ushort productId)
    {
        IDeviceFactory *factory = nullptr;
        for (IDeviceFactory *each : IDeviceFactory::factories())
            if (each->name() == factoryName)
                factory = each;
        if (!factory)
            return nullptr;
        ProductInfo p;
        p.brand = QStringLiteral("Vellobox");
        p.name = productName;
        p.vendorId = 0x7001;
        p.productId = productId;
        const ProductInfo *product = factory->catalogue().add(p);
        auto hardware = std::make_unique<DeviceHardwareInfo>();
        hardware->path = QStringLiteral("/dev/hidraw-tour%1").arg(productId);
        hardware->vendorId = 0x7001;
        hardware->productId = productId;
        hardware->product = productName;
        hardware->manufacturer = QStringLiteral("Tour");
        DeviceContext *context = factory->createContext(std::move(hardware), product);
        context->listener = new SimulatedListener(nullptr);
        DeviceMap::instance().insert(context->key(), context);
        m_window->addDevice(context);
        m_devices << context;
        return context;
    }

    // The arrival notice would cover the pages in every picture.
    void hideToast()
    {
        const QString text = Toast::instance().currentText();
        const auto windows = QApplication::topLevelWidgets();
        for (QWidget *window : windows) {
            const auto labels = window->findChildren<QLabel *>();
            for (QLabel *label : labels)
                if (window != m_window.get() && !text.isEmpty() && label->text() == text)
                    window->hide();
        }
    }

private slots:
    void initTestCase()
    {
        m_home = std::make_unique<TestHome>();
        QVERIFY(QDir().mkpath(tourDir()));
        QUIHelper::setStyleSheetFile(QStringLiteral(":/customization.css"));
        m_window = std::make_unique<MainWindow>();
        m_window->move(40, 40);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanupTestCase()
    {
        for (DeviceContext *context : qAsConst(m_devices))
            m_window->removeDevice(context);
        m_window.reset();
        DeviceMap::instance().clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_home.reset();
    }

    void placeholder()
    {
        if (TourLanguage::code().isEmpty())
            QCOMPARE(m_window->tabWidget()->tabText(0), QStringLiteral("无设备"));
        QVERIFY(save(m_window.get(), QStringLiteral("main-00-no-device")));
    }

    void everyDevicePage()
    {
        QVERIFY(plugIn(QStringLiteral("presenter"), QStringLiteral("演示器"), 1));
        QVERIFY(plugIn(QStringLiteral("mouse"), QStringLiteral("语音鼠标"), 2));
        QVERIFY(plugIn(QStringLiteral("branded mouse"), QStringLiteral("智能鼠标"), 3));
        ZTabWidget *tabs = m_window->tabWidget();
        QCOMPARE(tabs->count(), 3);
        hideToast();
        int shots = 0;
        for (int t = 0; t < tabs->count(); ++t) {
            tabs->setCurrentIndex(t);
            QCOMPARE(m_window->navForm()->currentPage(), t);
            auto *nav = qobject_cast<LeftTabbarPanel *>(m_window->navForm()->page(t));
            auto *pages = qobject_cast<TabPanel *>(tabs->widget(t));
            QVERIFY(nav);
            QVERIFY(pages);
            QCOMPARE(nav->buttonCount(), pages->count());
            QVERIFY(nav->buttonCount() > 0);
            const auto buttons = nav->findChildren<QAbstractButton *>();
            for (int b = 0; b < buttons.size(); ++b) {
                buttons.at(b)->click();
                QCOMPARE(pages->currentIndex(), b);
                QVERIFY(pages->currentWidget()->isVisible());
                const QString name = QStringLiteral("main-%1-%2-%3")
                                         .arg(t + 1, 2, 10, QLatin1Char('0'))
                                         .arg(b + 1)
                                         .arg(fileSafe(buttons.at(b)->text()));
                QVERIFY2(save(m_window.get(), name), qPrintable(name));
                ++shots;
            }
        }
        QVERIFY(shots >= 12);
    }

    void menus()
    {
        TopRightPanel *panel = m_window->topRightPanel();
        QMenu *settings = panel->tbMenu()->menu();
        settings->popup(panel->tbMenu()->mapToGlobal(QPoint(0, panel->tbMenu()->height())));
        QVERIFY(QTest::qWaitForWindowExposed(settings));
        QVERIFY(save(settings, QStringLiteral("menu-settings")));
        settings->hide();
        QMenu *tray = m_window->trayMenu();
        tray->popup(QPoint(900, 200));
        QVERIFY(QTest::qWaitForWindowExposed(tray));
        QVERIFY(save(tray, QStringLiteral("menu-tray")));
        tray->hide();
        m_window->upgrade_downloadProgress(0.5);
        tray->popup(QPoint(900, 200));
        QVERIFY(QTest::qWaitForWindowExposed(tray));
        QVERIFY(save(tray, QStringLiteral("menu-tray-downloading")));
        tray->hide();
        m_window->upgrade_downloadStop();
    }

    void dialogs()
    {
        m_window->SaveRecord_Doing(nullptr, QStringLiteral("正在保存录音..."));
        ProgressDialog *progress = m_window->progressDialog();
        QVERIFY(QTest::qWaitForWindowExposed(progress));
        QVERIFY(save(progress, QStringLiteral("dialog-progress")));
        progress->hide();

        QAction *volume = m_window->topRightPanel()->tbDebug()->actions().at(2);
        volume->trigger();
        auto *volumeWindow = m_window->findChild<RecordVolumeDialog *>();
        QVERIFY(volumeWindow);
        QVERIFY(QTest::qWaitForWindowExposed(volumeWindow));
        QVERIFY(save(volumeWindow, QStringLiteral("dialog-record-volume")));
        volumeWindow->close();
    }

    void typingTips_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("message");
        QTest::newRow("voice-typing") << 7 << "今天天气怎么样";
        QTest::newRow("translation-typing") << 8 << "How is the weather today";
        QTest::newRow("voice-search") << 16 << "";
    }

    void typingTips()
    {
        QFETCH(int, action);
        QFETCH(QString, message);
        FunctionImpl *hub = m_devices.isEmpty() ? nullptr : m_devices.last()->functionImpl;
        QVERIFY(hub);
        auto *windows = hub->findChild<SpeechTips *>();
        QVERIFY(windows);
        TypingMicDialog *tip = action == 16 ? windows->searchTip() : windows->typingTip();
        tip->setMode(action);
        tip->showTip();
        tip->move(300, 820);
        tip->setVolume(12);
        tip->setMessage(message);
        tip->textBox()->move(300, 820 + tip->height());
        QVERIFY(QTest::qWaitForWindowExposed(tip));
        const QString name = QStringLiteral("tip-") + QString::fromLatin1(QTest::currentDataTag());
        QVERIFY(save(tip, name));
        if (!message.isEmpty()) {
            QVERIFY(QTest::qWaitForWindowExposed(tip->textBox()));
            QVERIFY(save(tip->textBox(), name + QStringLiteral("-text")));
        }
        tip->hideTip();
        tip->setMessage(QString());
    }
};

QTEST_MAIN(TestUiTour)
#include "tst_uitour.moc"
