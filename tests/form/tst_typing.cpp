#include "form/TypingOutput.h"
#include "platform/RecordingKeySender.h"
#include "platform/VirtualKeys.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QtTest>

using VirtualKeys::VK_BACK;
using VirtualKeys::VK_CONTROL;

namespace {
// Remembers, with every batch of keys, what the clipboard held and when it went out.
class KeyWitness : public RecordingKeySender
{
public:
    int send(const QVector<KeyRecord> &records) override
    {
        clipboardAtSend << QGuiApplication::clipboard()->text();
        sentAt << clock.elapsed();
        return RecordingKeySender::send(records);
    }
    QStringList clipboardAtSend;
    QVector<qint64> sentAt;
    QElapsedTimer clock;
};

const QVector<KeyRecord> ctrlV = IKeySender::chord(VK_CONTROL, 'V');
} // namespace

class TestTyping : public QObject
{
    Q_OBJECT

private slots:
    void eraseCountsCharactersAsSeen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("count");
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("latin") << "abc" << 3;
        QTest::newRow("chinese") << "你好" << 2;
        QTest::newRow("emoji") << QString::fromUtf8("😀") << 1;
        QTest::newRow("mixed") << QString::fromUtf8("你好😀!") << 4;
    }

    void eraseCountsCharactersAsSeen()
    {
        QFETCH(QString, text);
        QFETCH(int, count);
        QCOMPARE(TypingOutput::eraseCount(text), count);
    }

    void resultReplacesTheTypedText_data()
    {
        QTest::addColumn<QString>("newText");
        QTest::addColumn<QString>("oldText");
        QTest::addColumn<int>("backspaces");
        QTest::newRow("first result") << "你" << "" << 0;
        QTest::newRow("one then two") << "你好" << "你" << 1;
        QTest::newRow("whole old text goes") << "你好吗" << "你好" << 2;
        QTest::newRow("after an emoji") << "好" << QString::fromUtf8("😀") << 1;
        QTest::newRow("emoji inside") << "ok" << QString::fromUtf8("a😀b") << 3;
    }

    void resultReplacesTheTypedText()
    {
        QFETCH(QString, newText);
        QFETCH(QString, oldText);
        QFETCH(int, backspaces);
        KeyWitness keys;
        keys.clock.start();
        TypingOutput output;
        QSignalSpy finished(&output, &TypingOutput::finished);
        output.type(newText, oldText);
        QVERIFY(finished.wait(1000));
        QVector<QVector<KeyRecord>> expected;
        if (backspaces)
            expected << IKeySender::taps(VK_BACK, backspaces);
        expected << ctrlV;
        QCOMPARE(keys.batches(), expected);
        // The paste goes out with the new text on the clipboard, after the pause.
        QCOMPARE(keys.clipboardAtSend.last(), newText);
        QCOMPARE(QGuiApplication::clipboard()->text(), newText);
        QVERIFY(!output.isBusy());
    }

    void sameTextTypesNothing()
    {
        KeyWitness keys;
        TypingOutput output;
        QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
        output.type(QStringLiteral("你好"), QStringLiteral("你好"));
        QVERIFY(!output.isBusy());
        QTest::qWait(50);
        QVERIFY(keys.batches().isEmpty());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
    }

    void resultsGoOutStrictlyInOrderWithPauses()
    {
        KeyWitness keys;
        keys.clock.start();
        TypingOutput output;
        QSignalSpy finished(&output, &TypingOutput::finished);
        output.type(QStringLiteral("一"), QString());
        output.type(QStringLiteral("一二"), QStringLiteral("一"));
        output.deleteWord();
        output.setClipboard(QStringLiteral("三"));
        output.paste();
        QVERIFY(output.isBusy());
        QTRY_VERIFY(!output.isBusy());
        QCOMPARE(finished.count(), 1);
        const QVector<QVector<KeyRecord>> expected{ctrlV, IKeySender::taps(VK_BACK, 1), ctrlV,
                                                   IKeySender::taps(VK_BACK, 1), ctrlV};
        QCOMPARE(keys.batches(), expected);
        QCOMPARE(keys.clipboardAtSend,
                 (QStringList{QStringLiteral("一"), QStringLiteral("一"), QStringLiteral("一二"), QStringLiteral("一二"),
                              QStringLiteral("三")}));
        // Each paste waits for its pause, and the next result waits for the pause after it.
        QVERIFY(keys.sentAt.at(1) - keys.sentAt.at(0) >= TypingOutput::PauseMs);
        QVERIFY(keys.sentAt.at(3) - keys.sentAt.at(2) >= TypingOutput::PauseMs);
    }

    void singleKeysAreImmediate()
    {
        KeyWitness keys;
        TypingOutput output;
        output.deleteWord();
        output.paste();
        QCOMPARE(keys.batches(), (QVector<QVector<KeyRecord>>{IKeySender::taps(VK_BACK, 1), ctrlV}));
        QVERIFY(!output.isBusy());
    }

    void failedKeysDoNotStopTheQueue()
    {
        KeyWitness keys;
        keys.setSentLimit(0);
        TypingOutput output;
        QSignalSpy finished(&output, &TypingOutput::finished);
        output.type(QStringLiteral("b"), QStringLiteral("a"));
        QVERIFY(finished.wait(1000));
        QCOMPARE(keys.batches().size(), 2);
    }
};

QTEST_MAIN(TestTyping)
#include "tst_typing.moc"
