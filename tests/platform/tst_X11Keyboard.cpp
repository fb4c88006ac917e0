#include "platform/X11KeyboardListener.h"
#include "platform/IKeySender.h"
#include "platform/IOsHelper.h"
#include "platform/VirtualKeys.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QtTest>

using namespace VirtualKeys;

namespace {

struct Heard
{
    int message;
    int virtualKey;
    int modifiers;
};

} // namespace

// Keys injected through the X server reach the global listener and a focused Qt editor.
class tst_X11Keyboard : public QObject
{
    Q_OBJECT

private:
    QVector<Heard> m_heard;

    // Waits until the listener reports a message for the key; true when it did in time.
    bool waitFor(int message, int virtualKey, int timeoutMs = 3000)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < timeoutMs) {
            for (const Heard &h : qAsConst(m_heard)) {
                if (h.message == message && h.virtualKey == virtualKey)
                    return true;
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return false;
    }

    const Heard *find(int message, int virtualKey) const
    {
        for (const Heard &h : m_heard) {
            if (h.message == message && h.virtualKey == virtualKey)
                return &h;
        }
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X server");
        QVERIFY(IOsHelper::instance()->addKeyboardHook(QStringLiteral("test"), [this](int m, int vk, int mods) {
            m_heard.append({m, vk, mods});
        }));
        // Throw-away keys until one is heard: the listener connects on a thread of its own, and
        // then its selection has surely reached the server.
        bool heard = false;
        for (int attempt = 0; attempt < 30 && !heard; ++attempt) {
            QCOMPARE(IKeySender::instance()->send(IKeySender::taps(VK_SHIFT, 1)), 2);
            heard = waitFor(IOsHelper::WM_KEYUP, VK_LSHIFT, 100);
        }
        QVERIFY(heard);
    }

    void cleanupTestCase() { IOsHelper::instance()->removeKeyboardHook(QStringLiteral("test")); }

    // The listener connects on a pool thread: it says when it runs, starts once, and one
    // destroyed while still connecting closes its connection (the leak check sees it).
    void theListenerStartsOnceAndCanGoWhileConnecting()
    {
        {
            X11KeyboardListener gone;
            QVERIFY(gone.start());
            QVERIFY(gone.isStarting() || gone.isRunning());
        }
        X11KeyboardListener listener;
        QSignalSpy started(&listener, &X11KeyboardListener::started);
        QVERIFY(listener.start());
        QVERIFY(listener.start());
        QVERIFY(started.wait(5000));
        QVERIFY(listener.isRunning());
        QVERIFY(!listener.isStarting());
        QVERIFY(listener.start());
        QTest::qWait(50);
        QCOMPARE(started.size(), 1);
    }

    void init() { m_heard.clear(); }

    void chordsAreHeardWithModifiers_data()
    {
        QTest::addColumn<int>("modifierKey");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("heardModifierKey");
        QTest::addColumn<int>("downMessage");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Ctrl+Q") << VK_CONTROL << 0x51 << VK_LCONTROL << int(IOsHelper::WM_KEYDOWN)
                                << int(IOsHelper::CtrlModifier);
        QTest::newRow("Shift+F5") << VK_SHIFT << 0x74 << VK_LSHIFT << int(IOsHelper::WM_KEYDOWN)
                                  << int(IOsHelper::ShiftModifier);
        QTest::newRow("Alt+A") << VK_MENU << 0x41 << VK_LMENU << int(IOsHelper::WM_SYSKEYDOWN)
                               << int(IOsHelper::AltModifier);
    }

    void chordsAreHeardWithModifiers()
    {
        QFETCH(int, modifierKey);
        QFETCH(int, key);
        QFETCH(int, heardModifierKey);
        QFETCH(int, downMessage);
        QFETCH(int, modifiers);
        QCOMPARE(IKeySender::instance()->send(IKeySender::chord(modifierKey, key)), 4);
        const int upMessage = downMessage == IOsHelper::WM_SYSKEYDOWN ? IOsHelper::WM_SYSKEYUP
                                                                      : IOsHelper::WM_KEYUP;
        QVERIFY(waitFor(upMessage, heardModifierKey));

        const Heard *down = find(downMessage, key);
        QVERIFY(down);
        QCOMPARE(down->modifiers, modifiers);
        const Heard *up = find(upMessage, key);
        QVERIFY(up);
        QCOMPARE(up->modifiers, modifiers);
        // The modifier's own press comes before it is held; its release afterwards sees none.
        QVERIFY(find(downMessage, heardModifierKey));
        QCOMPARE(find(downMessage, heardModifierKey)->modifiers, 0);
        QCOMPARE(m_heard.size(), 4);
        QCOMPARE(m_heard.first().virtualKey, heardModifierKey);
    }

    void aKeyAfterTheChordHasNoModifier()
    {
        QCOMPARE(IKeySender::instance()->send(IKeySender::chord(VK_CONTROL, 0x51)), 4);
        QCOMPARE(IKeySender::instance()->send(IKeySender::taps(0x51, 1)), 2);
        QVERIFY(waitFor(IOsHelper::WM_KEYUP, 0x51));
        QTRY_COMPARE(m_heard.size(), 6);
        QCOMPARE(m_heard.at(4).message, int(IOsHelper::WM_KEYDOWN));
        QCOMPARE(m_heard.at(4).virtualKey, 0x51);
        QCOMPARE(m_heard.at(4).modifiers, 0);
    }

    void f10IsASystemKeyLikeOnWindows()
    {
        QCOMPARE(IKeySender::instance()->send(IKeySender::taps(VK_F10, 1)), 2);
        QVERIFY(waitFor(IOsHelper::WM_SYSKEYUP, VK_F10));
        QVERIFY(find(IOsHelper::WM_SYSKEYDOWN, VK_F10));
        QCOMPARE(m_heard.size(), 2);
    }

    void removedHookHearsNothing()
    {
        int calls = 0;
        QVERIFY(IOsHelper::instance()->addKeyboardHook(QStringLiteral("other"),
                                                       [&calls](int, int, int) { ++calls; }));
        IOsHelper::instance()->removeKeyboardHook(QStringLiteral("other"));
        QCOMPARE(IKeySender::instance()->send(IKeySender::taps(VK_ESCAPE, 1)), 2);
        QVERIFY(waitFor(IOsHelper::WM_KEYUP, VK_ESCAPE));
        QCOMPARE(calls, 0);
    }

    void backspacesAndPasteReachTheFocusedEditor()
    {
        QLineEdit edit;
        edit.setText(QStringLiteral("abc"));
        edit.setCursorPosition(3);
        edit.show();
        edit.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&edit));
        edit.setFocus();
        QTRY_VERIFY(edit.hasFocus());
        QGuiApplication::clipboard()->setText(QStringLiteral("XY"));

        IKeySender *sender = IKeySender::instance();
        QCOMPARE(sender->send(IKeySender::taps(VK_BACK, 2)), 4);
        QCOMPARE(sender->send(IKeySender::chord(VK_CONTROL, 0x56)), 4);
        QTRY_COMPARE(edit.text(), QStringLiteral("aXY"));
    }

    // The keys follow the keyboard layout: VK 'Y' is the key that types y on a German layout
    // (where a US layout has z), and Ctrl+V still pastes while a Cyrillic group is in use.
    void keysFollowTheLayout_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("typed");
        QTest::newRow("German Y") << "de" << 0x59 << "abcy";
        QTest::newRow("German Z") << "de" << 0x5A << "abcz";
        QTest::newRow("Russian with US paste") << "ru,us" << 0 << "abcXY";
    }

    void keysFollowTheLayout()
    {
        QFETCH(QString, layout);
        QFETCH(int, key);
        QFETCH(QString, typed);
        if (QProcess::execute(QStringLiteral("setxkbmap"), {layout}) != 0)
            QSKIP("setxkbmap is not available");
        const auto restore = qScopeGuard([] { QProcess::execute(QStringLiteral("setxkbmap"), {QStringLiteral("us")}); });

        QLineEdit edit;
        edit.setText(QStringLiteral("abc"));
        edit.show();
        edit.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&edit));
        edit.setFocus();
        edit.setCursorPosition(3);
        QGuiApplication::clipboard()->setText(QStringLiteral("XY"));
        m_heard.clear();

        const QVector<KeyRecord> records = key ? IKeySender::taps(key, 1) : IKeySender::chord(VK_CONTROL, 0x56);
        QCOMPARE(IKeySender::instance()->send(records), records.size());
        QTRY_COMPARE(edit.text(), typed);
        const int heardKey = key ? key : 0x56;
        QVERIFY(waitFor(IOsHelper::WM_KEYUP, heardKey));
    }
};

QTEST_MAIN(tst_X11Keyboard)
#include "tst_X11Keyboard.moc"
