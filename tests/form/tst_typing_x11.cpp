// Typing into another program and the global screenshot shortcut, on the real X server.
#include "LineEditTarget.h"
#include "SimulatedDevice.h"

#include "config/BaseSetting.h"
#include "device/DeviceMap.h"
#include "form/DeviceHub.h"
#include "form/MainWindow.h"
#include "form/TypingOutput.h"
#include "logic/businessLogic/FunctionImpl.h"
#include "platform/IKeySender.h"
#include "platform/VirtualKeys.h"
#include "support/TestHome.h"

#include <QApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

class TestTypingX11 : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<MainWindow> m_window;
    LineEditTarget m_editor;

    void setEditorText(const QString &text) { QCOMPARE(m_editor.ask("set " + text.toUtf8().toPercentEncoding()), QByteArray("ok")); }

    void typeAndWait(const QString &newText, const QString &oldText)
    {
        m_window->typingSlot(newText, oldText);
        QTRY_VERIFY(!m_window->typingOutput()->isBusy());
    }

private slots:
    void initTestCase()
    {
        m_home = std::make_unique<TestHome>();
        m_window = std::make_unique<MainWindow>();
        m_editor.start();
    }

    void cleanupTestCase()
    {
        m_editor.stop();
        m_window.reset();
        const auto devices = DeviceMap::instance().snapshot();
        for (DeviceContext *context : devices) {
            DeviceHub::release(context);
            delete context;
        }
        DeviceMap::instance().clear();
        m_home.reset();
    }

    void interimTextIsReplacedInAnotherProgram()
    {
        setEditorText(QString());
        typeAndWait(QStringLiteral("你好"), QString());
        QTRY_COMPARE(m_editor.text(), QStringLiteral("你好"));
        typeAndWait(QStringLiteral("你好吗"), QStringLiteral("你好"));
        QTRY_COMPARE(m_editor.text(), QStringLiteral("你好吗"));
        QTest::qWait(200);
        QCOMPARE(m_editor.text(), QStringLiteral("你好吗"));
    }

    void emojiIsErasedByOneBackspace()
    {
        setEditorText(QStringLiteral("a"));
        typeAndWait(QString::fromUtf8("😀"), QString());
        QTRY_COMPARE(m_editor.text(), QString::fromUtf8("a😀"));
        typeAndWait(QStringLiteral("好"), QString::fromUtf8("😀"));
        QTRY_COMPARE(m_editor.text(), QStringLiteral("a好"));
        QTest::qWait(200);
        QCOMPARE(m_editor.text(), QStringLiteral("a好"));
    }

    // A final result may follow its interim one within milliseconds: the target must still
    // paste each text once, in order.
    void quickFinalResultReplacesTheInterimOne_data()
    {
        QTest::addColumn<int>("gapMs");
        QTest::addColumn<int>("targetDelayMs");
        for (int gap : {0, 10, 20, 40})
            QTest::addRow("%d ms apart", gap) << gap << 0;
        QTest::newRow("slow target, 0 ms apart") << 0 << 150;
        QTest::newRow("slow target, 20 ms apart") << 20 << 150;
    }

    void quickFinalResultReplacesTheInterimOne()
    {
        QFETCH(int, gapMs);
        QFETCH(int, targetDelayMs);
        QCOMPARE(m_editor.ask("slow " + QByteArray::number(targetDelayMs)), QByteArray("ok"));
        setEditorText(QString());
        m_window->typingSlot(QStringLiteral("hello"), QString());
        if (gapMs > 0)
            QTest::qWait(gapMs);
        m_window->typingSlot(QStringLiteral("hello world"), QStringLiteral("hello"));
        QTRY_VERIFY(!m_window->typingOutput()->isBusy());
        QTest::qWait(targetDelayMs + 300);
        const QString text = m_editor.text();
        QCOMPARE(m_editor.ask("slow 0"), QByteArray("ok"));
        QCOMPARE(text, QStringLiteral("hello world"));
    }

    void ctrlQReachesTheFirstMatchingDeviceOnce()
    {
        // Plugged in the other way round: the device map's key order decides.
        DeviceContext *second = makeSimulatedDevice(QStringLiteral("b"), QStringLiteral("鼠标"), nullptr, 2);
        DeviceContext *first = makeSimulatedDevice(QStringLiteral("a"), QStringLiteral("鼠标"), nullptr, 1);
        for (DeviceContext *context : {second, first}) {
            DeviceMap::instance().insert(context->key(), context);
            m_window->addDevice(context);
            context->setting->setValue(QStringLiteral("snapshot_shortcut"), QStringLiteral("Ctrl+Q"));
        }
        QSignalSpy firstHub(first->functionImpl, &FunctionImpl::snapshotTranslationRequested);
        QSignalSpy secondHub(second->functionImpl, &FunctionImpl::snapshotTranslationRequested);

        // Q alone is no shortcut.
        QCOMPARE(IKeySender::instance()->send(IKeySender::taps('Q', 1)), 2);
        QTest::qWait(300);
        QCOMPARE(firstHub.count(), 0);

        // Ctrl down, Q down, Q up (Ctrl still held), Ctrl up: one screenshot translation.
        QCOMPARE(IKeySender::instance()->send(IKeySender::chord(VirtualKeys::VK_CONTROL, 'Q')), 4);
        QTRY_COMPARE(firstHub.count(), 1);
        QCOMPARE(first->lastAction, Action_SnapshotTranslation);
        QTest::qWait(300);
        QCOMPARE(firstHub.count(), 1);
        QCOMPARE(secondHub.count(), 0);
        QCOMPARE(second->lastAction, Action_RecordStart);
    }
};

int main(int argc, char **argv)
{
    if (argc >= 2 && qstrcmp(argv[1], "--line-edit") == 0)
        return runLineEditTarget(argc, argv);
    QApplication app(argc, argv);
    TestTypingX11 test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_typing_x11.moc"
