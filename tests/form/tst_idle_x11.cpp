// Nothing polls while idle: once the program's start-up has run (the main window hidden,
// the three deferred starts done), no timer fires and the event loop sleeps.
#include "form/MainWindow.h"
#include "form/StartupSequence.h"
#include "logic/businessLogic/monitor/BlueToothMonitor.h"
#include "logic/businessLogic/monitor/HidMonitor.h"
#include "platform/HidrawMonitor.h"
#include "support/TestHome.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QTimer>
#include <QtTest>
#include <memory>

namespace {
// Counts the timer events delivered to any object of the GUI thread.
class TimerEventCounter : public QObject
{
public:
    QStringList receivers;
    QObject *ignored = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Timer && watched != ignored)
            receivers << QString::fromLatin1(watched->metaObject()->className()) + QLatin1Char(' ') + watched->objectName();
        return false;
    }
};

// Every QTimer that is a child of one of the roots and still running.
QStringList runningTimers(const QObjectList &roots)
{
    QStringList running;
    for (QObject *root : roots) {
        const auto timers = root->findChildren<QTimer *>();
        for (QTimer *timer : timers)
            if (timer->isActive())
                running << QStringLiteral("%1 in %2 (%3 ms)")
                               .arg(timer->objectName(), QString::fromLatin1(timer->parent()->metaObject()->className()))
                               .arg(timer->interval());
    }
    return running;
}
} // namespace

class TestIdle : public QObject
{
    Q_OBJECT

private slots:
    void nothingTicksOnceStartedAndHidden()
    {
        TestHome home;
        MainWindow window;
        StartupSequence::connectMonitors(&window);
        StartupSequence::startDeferred(&window);
        // The device nodes are watched from the first scan on, not while the program starts.
        QVERIFY(!window.findChild<HidrawMonitor *>());
        // The deferred starts: Bluetooth after 1 s, the first scan after 2 s, the update check after 5 s.
        QTest::qWait(StartupSequence::UpdateCheckDelayMs + 2500);
        QVERIFY(window.isHidden());
        QCOMPARE(window.findChildren<HidrawMonitor *>().size(), 1);
        window.watchDeviceNodes(); // once only
        QCOMPARE(window.findChildren<HidrawMonitor *>().size(), 1);

        QObjectList roots{&window, &HidMonitor::instance(), &BlueToothMonitor::instance(), qApp};
        const auto topLevels = QApplication::topLevelWidgets();
        for (QWidget *widget : topLevels)
            roots << widget;
        QCOMPARE(runningTimers(roots), QStringList());
        QVERIFY(!HidMonitor::instance().isScanPending());

        TimerEventCounter counter;
        qApp->installEventFilter(&counter);
        int wakeups = 0;
        QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
        const auto connection = connect(dispatcher, &QAbstractEventDispatcher::awake, this, [&wakeups] { ++wakeups; });
        // A real event loop that sleeps until something wakes it; only our own timer ends it.
        QEventLoop loop;
        QTimer end;
        end.setSingleShot(true);
        connect(&end, &QTimer::timeout, &loop, &QEventLoop::quit);
        counter.ignored = &end;
        end.start(3000);
        loop.exec();
        disconnect(connection);
        qApp->removeEventFilter(&counter);
        QCOMPARE(counter.receivers, QStringList());
        // Idle means asleep: a handful of wake-ups at most (the end timer's own among them).
        QVERIFY2(wakeups <= 5, qPrintable(QString::number(wakeups)));
    }
};

QTEST_MAIN(TestIdle)
#include "tst_idle_x11.moc"
