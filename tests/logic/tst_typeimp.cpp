#include "logic/businessLogic/workflow/typing/TypeImp.h"
#include "util/Clock.h"

#include <QSignalSpy>
#include <QtTest>

namespace {
AsrResult interim(const QString &text, const QString &fixed = QString())
{
    return AsrResult{text, fixed, false, false};
}
AsrResult finalResult(const QString &text, const QString &fixed, bool endOfRun = false)
{
    return AsrResult{text, fixed, true, endOfRun};
}
} // namespace

class TestTypeImp : public QObject
{
    Q_OBJECT
    qint64 m_now = 1000000;

private slots:
    void init()
    {
        m_now = 1000000;
        Clock::setOverride([this] { return m_now; });
    }
    void cleanup() { Clock::setOverride({}); }

    void interimResultsAreTypedAtMostEveryHalfSecond()
    {
        TypeImp typing;
        QSignalSpy typed(&typing, &TypeImp::typingSignal);
        typing.startHandle();
        QVector<qint64> typedAt;
        connect(&typing, &TypeImp::typingSignal, this, [&] { typedAt << m_now; });
        QString text;
        for (int i = 0; i < 12; ++i) { // 100 ms apart
            text += QChar('a' + i);
            typing.resultHandle(interim(text));
            m_now += 100;
        }
        QCOMPARE(typed.size(), 3); // at 0, 500 and 1000 ms
        for (int i = 1; i < typedAt.size(); ++i)
            QVERIFY(typedAt[i] - typedAt[i - 1] >= TypeImp::ThrottleMs);
        QCOMPARE(typed[0], (QVariantList{"a", ""}));
        QCOMPARE(typed[1], (QVariantList{"abcdef", "a"}));
        QCOMPARE(typed[2], (QVariantList{"abcdefghijk", "abcdef"}));

        // The final sentence comes 100 ms after the last interim text: typed at once.
        typing.resultHandle(finalResult("abcdefghijkl。", "abcdefghijkl。"));
        QCOMPARE(typed.size(), 4);
        QCOMPARE(typed[3], (QVariantList{"abcdefghijkl。", "abcdefghijk"}));

        // The final counts as typing: the next sentence waits for the window, and starts after
        // the fixed one, erasing nothing of it.
        m_now += 10;
        typing.resultHandle(interim("x", "abcdefghijkl。"));
        QCOMPARE(typed.size(), 4);
        m_now += TypeImp::ThrottleMs;
        typing.typing_timeout();
        QCOMPARE(typed.size(), 5);
        QCOMPARE(typed[4], (QVariantList{"x", ""}));
    }

    void heldBackTextIsTypedWhenTheWindowEnds()
    {
        TypeImp typing;
        QSignalSpy typed(&typing, &TypeImp::typingSignal);
        typing.startHandle();
        typing.resultHandle(interim("你"));
        m_now += 200;
        typing.resultHandle(interim("你好"));
        QCOMPARE(typed.size(), 1);
        typing.typing_timeout(); // too early: still held back
        QCOMPARE(typed.size(), 1);
        m_now += 300;
        typing.typing_timeout();
        QCOMPARE(typed.size(), 2);
        QCOMPARE(typed[1], (QVariantList{"你好", "你"}));
        typing.typing_timeout(); // nothing left
        QCOMPARE(typed.size(), 2);
    }

    void lateFinalAfterTheEndMarkerIsStillTyped()
    {
        TypeImp typing;
        QSignalSpy typed(&typing, &TypeImp::typingSignal);
        QSignalSpy hidden(&typing, &TypeImp::hideTip);
        typing.startHandle();
        typing.resultHandle(interim("打开"));
        typing.stopHandle(); // key released, end marker sent
        QCOMPARE(typing.state(), TypeImp::Finishing);
        m_now += 50;
        typing.resultHandle(finalResult("打开文件。", "打开文件。", true));
        QCOMPARE(typed.size(), 2);
        QCOMPARE(typed[1], (QVariantList{"打开文件。", "打开"}));
        QCOMPARE(hidden.size(), 0);
        typing.finishHandle();
        QCOMPARE(hidden.size(), 1);
        QCOMPARE(typing.state(), TypeImp::Idle);
        // A result of a run that is over types nothing.
        typing.resultHandle(finalResult("late", "late", true));
        QCOMPARE(typed.size(), 2);
    }

    void runEndingWithoutFinalKeepsTheLastWords()
    {
        TypeImp typing;
        QSignalSpy typed(&typing, &TypeImp::typingSignal);
        typing.startHandle();
        typing.resultHandle(interim("a"));
        m_now += 100;
        typing.resultHandle(interim("ab"));
        typing.stopHandle();
        typing.finishHandle(); // the engine gave up: no final sentence
        QCOMPARE(typed.size(), 2);
        QCOMPARE(typed[1], (QVariantList{"ab", "a"}));
    }

    void spokenDeleteErasesInsteadOfTyping()
    {
        TypeImp typing;
        QSignalSpy typed(&typing, &TypeImp::typingSignal);
        QSignalSpy deleted(&typing, &TypeImp::vkDeleteWordSignal);
        typing.startHandle();
        typing.resultHandle(interim("删除"));
        m_now += 100;
        typing.resultHandle(finalResult("删除。", "删除。"));
        QCOMPARE(deleted.size(), 1);
        QCOMPARE(typed.last(), (QVariantList{"", "删除"}));
        QVERIFY(TypeImp::isDeleteCommand(QStringLiteral(" Delete! ")));
        QVERIFY(!TypeImp::isDeleteCommand(QStringLiteral("删除文件")));
    }

    void pasteModeTypesFinalSentencesOnly()
    {
        TypeImp typing;
        typing.setOutputMode(TypeImp::PasteFinal);
        QSignalSpy typed(&typing, &TypeImp::typingSignal);
        QSignalSpy clip(&typing, &TypeImp::clipboard);
        QSignalSpy paste(&typing, &TypeImp::vkPasteSignal);
        typing.startHandle();
        typing.resultHandle(interim("hel"));
        typing.resultHandle(finalResult("hello", "hello"));
        QCOMPARE(typed.size(), 0);
        QCOMPARE(clip.size(), 1);
        QCOMPARE(clip[0][0].toString(), QStringLiteral("hello"));
        QCOMPARE(paste.size(), 1);
    }

    void translationTypingKeepsSpokenOrder()
    {
        TypeImp typing;
        typing.setMode(8);
        QVector<QPair<QString, std::function<void(const QString &)>>> asked;
        typing.setTranslator([&](const QString &text, std::function<void(const QString &)> done) {
            asked.append({text, done});
        });
        QStringList pasted;
        connect(&typing, &TypeImp::clipboard, this, [&](const QString &t) { pasted << t; });
        QSignalSpy typed(&typing, &TypeImp::typingSignal);
        typing.startHandle();
        typing.resultHandle(interim("你好"));
        typing.resultHandle(finalResult("你好。", "你好。"));
        typing.resultHandle(finalResult("再见。", "你好。再见。", true));
        QCOMPARE(typed.size(), 0); // interim text is never typed untranslated
        QCOMPARE(asked.size(), 1); // one at a time
        asked[0].second(QStringLiteral("Hello."));
        QCOMPARE(asked.size(), 2);
        QCOMPARE(asked[1].first, QStringLiteral("再见。"));
        asked[1].second(QString()); // failed: nothing typed, nothing stuck
        QCOMPARE(pasted, QStringList{"Hello."});
    }

    void tipFollowsTheRun()
    {
        TypeImp typing;
        typing.setMode(8);
        QSignalSpy mode(&typing, &TypeImp::tipMode);
        QSignalSpy title(&typing, &TypeImp::setText);
        QSignalSpy shown(&typing, &TypeImp::showTip);
        QSignalSpy message(&typing, &TypeImp::setMessage);
        QSignalSpy volume(&typing, &TypeImp::setVolume);
        typing.startHandle();
        QCOMPARE(mode.value(0).value(0).toInt(), 8);
        QCOMPARE(title.value(0).value(0).toString(), QStringLiteral("翻译打字"));
        QCOMPARE(shown.size(), 1);
        typing.onVolume(42);
        QCOMPARE(volume.value(0).value(0).toInt(), 42);
        typing.resultHandle(interim("b", "a"));
        QCOMPARE(message.last().value(0).toString(), QStringLiteral("ab"));
        typing.messageHandle(QStringLiteral("failed"));
        QCOMPARE(message.last().value(0).toString(), QStringLiteral("failed"));
    }
};

QTEST_MAIN(TestTypeImp)
#include "tst_typeimp.moc"
