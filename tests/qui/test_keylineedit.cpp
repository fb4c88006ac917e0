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

    QTest::newRow("ctrl+q") << int(Qt::Key_Q) << int(Qt::ControlModifier) << "Ctrl+Q";
    QTest::newRow("ctrl+shift+s") << int(Qt::Key_S) << int(Qt::ControlModifier | Qt::ShiftModifier) << "Ctrl+Shift+S";
    QTest::newRow("alt+5") << int(Qt::Key_5) << int(Qt::AltModifier) << "Alt+5";
    QTest::newRow("meta+e") << int(Qt::Key_E) << int(Qt::MetaModifier) << "Meta+E";
    QTest::newRow("f2 alone") << int(Qt::Key_F2) << 0 << "F2";
    QTest::newRow("ctrl+tab") << int(Qt::Key_Tab) << int(Qt::ControlModifier) << "Ctrl+Tab";
    QTest::newRow("shift+tab") << int(Qt::Key_Tab) << int(Qt::ShiftModifier) << "Shift+Tab";
    QTest::newRow("lone letter") << int(Qt::Key_A) << 0 << "";
    QTest::newRow("lone digit") << int(Qt::Key_7) << 0 << "";
    QTest::newRow("shift+letter") << int(Qt::Key_Q) << int(Qt::ShiftModifier) << "";
    QTest::newRow("keypad digit") << int(Qt::Key_3) << int(Qt::KeypadModifier) << "";
}

void TestKeyLineEdit::records()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, expected);

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
    QCOMPARE(args.at(1).toInt(), key);
    QCOMPARE(args.at(2).toString(), expected);
    QVERIFY(toasts.entries.isEmpty());
    // What is shown parses back to the same combination.
    QCOMPARE(QKeySequence::fromString(expected, QKeySequence::PortableText)[0], key | modifiers);
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
