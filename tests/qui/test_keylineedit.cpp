#include "platform/VirtualKeyToQtKey.h"
#include "qui/control/KeyLineEdit.h"
#include "support/ToastRecorder.h"

#include <QSignalSpy>
#include <QtTest>

class TestKeyLineEdit : public QObject
{
    Q_OBJECT
private slots:
    void records_data();
    void records();
    void modifierAloneWaits();
    void refusalKeepsPreviousCombination();
};

void TestKeyLineEdit::records_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("expected"); // empty: refused
    QTest::addColumn<int>("recorded");      // the key announced

    QTest::newRow("ctrl+q") << int(Qt::Key_Q) << int(Qt::ControlModifier) << "Ctrl+Q" << int(Qt::Key_Q);
    QTest::newRow("ctrl+shift+s") << int(Qt::Key_S) << int(Qt::ControlModifier | Qt::ShiftModifier) << "Ctrl+Shift+S" << int(Qt::Key_S);
    QTest::newRow("alt+5") << int(Qt::Key_5) << int(Qt::AltModifier) << "Alt+5" << int(Qt::Key_5);
    QTest::newRow("meta+e") << int(Qt::Key_E) << int(Qt::MetaModifier) << "Meta+E" << int(Qt::Key_E);
    QTest::newRow("f2 alone") << int(Qt::Key_F2) << 0 << "F2" << int(Qt::Key_F2);
    QTest::newRow("ctrl+tab") << int(Qt::Key_Tab) << int(Qt::ControlModifier) << "Ctrl+Tab" << int(Qt::Key_Tab);
    QTest::newRow("shift+tab") << int(Qt::Key_Tab) << int(Qt::ShiftModifier) << "Shift+Tab" << int(Qt::Key_Tab);
    QTest::newRow("lone letter") << int(Qt::Key_A) << 0 << "" << int(Qt::Key_A);
    QTest::newRow("lone digit") << int(Qt::Key_7) << 0 << "" << int(Qt::Key_7);
    QTest::newRow("shift+letter") << int(Qt::Key_Q) << int(Qt::ShiftModifier) << "" << int(Qt::Key_Q);
    QTest::newRow("ctrl+shift+1 arrives as !") << int(Qt::Key_Exclam) << int(Qt::ControlModifier | Qt::ShiftModifier)
                                               << "Ctrl+Shift+1" << int(Qt::Key_1);
    QTest::newRow("alt+shift+/ arrives as ?") << int(Qt::Key_Question) << int(Qt::AltModifier | Qt::ShiftModifier)
                                              << "Alt+Shift+/" << int(Qt::Key_Slash);
    QTest::newRow("key the program cannot press") << int(Qt::Key_Eacute) << int(Qt::ControlModifier) << "" << 0;
    QTest::newRow("keypad digit") << int(Qt::Key_3) << int(Qt::KeypadModifier) << "" << int(Qt::Key_3);
}

void TestKeyLineEdit::records()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, expected);
    QFETCH(int, recorded);

    KeyLineEdit edit;
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    QSignalSpy changed(&edit, &KeyLineEdit::sigKeyChange);
    QSignalSpy texts(&edit, &QLineEdit::textChanged);
    ToastRecorder toasts;

    // Shift+Tab reaches widgets as Backtab.
    const bool backtab = key == Qt::Key_Tab && modifiers == Qt::ShiftModifier;
    QTest::keyClick(&edit, backtab ? Qt::Key_Backtab : Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    if (expected.isEmpty()) {
        QCOMPARE(changed.count(), 0);
        QCOMPARE(texts.count(), 0);
        QVERIFY(edit.text().isEmpty());
        // The user is told why nothing happened.
        QCOMPARE(toasts.entries.size(), 1);
        QCOMPARE(toasts.entries.first().type, 1);
        return;
    }
    QCOMPARE(edit.text(), expected);
    QCOMPARE(changed.count(), 1);
    const QList<QVariant> args = changed.first();
    QCOMPARE(args.at(0).value<Qt::KeyboardModifiers>(), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(args.at(1).toInt(), recorded);
    QCOMPARE(args.at(2).toString(), expected);
    QVERIFY(toasts.entries.isEmpty());
    // What is shown parses back to the same combination, and the program can press it.
    QCOMPARE(QKeySequence::fromString(expected, QKeySequence::PortableText)[0], recorded | modifiers);
    QVERIFY(qtKeyToVirtualKey(recorded) != 0);
}

void TestKeyLineEdit::modifierAloneWaits()
{
    KeyLineEdit edit;
    QSignalSpy changed(&edit, &KeyLineEdit::sigKeyChange);
    QTest::keyPress(&edit, Qt::Key_Control, Qt::ControlModifier);
    QTest::keyPress(&edit, Qt::Key_Shift, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(changed.count(), 0);
    QVERIFY(edit.text().isEmpty());
    QTest::keyClick(&edit, Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(edit.text(), QStringLiteral("Ctrl+Q"));
}

void TestKeyLineEdit::refusalKeepsPreviousCombination()
{
    KeyLineEdit edit;
    QTest::keyClick(&edit, Qt::Key_Q, Qt::ControlModifier);
    ToastRecorder toasts;
    QTest::keyClick(&edit, Qt::Key_X);
    QCOMPARE(edit.text(), QStringLiteral("Ctrl+Q"));
    QCOMPARE(toasts.entries.size(), 1);
}

QTEST_MAIN(TestKeyLineEdit)
#include "test_keylineedit.moc"
