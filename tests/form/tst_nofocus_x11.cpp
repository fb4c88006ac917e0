// The floating windows under a real window manager: none of them takes the keyboard from the
// program that recognised text is typed into.
#include "LineEditTarget.h"

#include "form/TypingOutput.h"
#include "form/dialog/RecordVolumeDialog.h"
#include "form/dialog/TranslationDialog.h"
#include "form/dialog/TypingMicDialog.h"
#include "form/floating/FullScreenWidget.h"
#include "form/floating/Magnifier.h"
#include "form/floating/SubtitleWidget.h"
#include "form/floating/TextWidget.h"
#include "support/TestHome.h"
#include "support/WindowManagerSession.h"

#include <QApplication>
#include <QtTest>
#include <memory>

class TestNoFocusX11 : public QObject
{
    Q_OBJECT

private:
    enum Window { Tip, TextBox, Subtitle, Volume, Spotlight, Lens, WordPick };

    std::unique_ptr<TestHome> m_home;
    WindowManagerSession m_windowManager;
    LineEditTarget m_editor;
    TypingOutput m_output;

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs the X server");
        const QString failure = m_windowManager.start();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        m_home = std::make_unique<TestHome>();

        m_editor.start();
    }

    void cleanupTestCase()
    {
        m_editor.stop();
        m_windowManager.stop();
        m_home.reset();
    }

    void floatingWindowLeavesTheKeyboardToTheTarget_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("typed");
        QTest::newRow("typing tip") << int(Tip) << "a";
        QTest::newRow("text box under the tip") << int(TextBox) << "b";
        QTest::newRow("subtitle window") << int(Subtitle) << "c";
        QTest::newRow("recording volume window") << int(Volume) << "d";
        QTest::newRow("spotlight overlay") << int(Spotlight) << "e";
        QTest::newRow("lens") << int(Lens) << "f";
        QTest::newRow("picked word's translation") << int(WordPick) << "g";
    }

    void floatingWindowLeavesTheKeyboardToTheTarget()
    {
        QFETCH(int, window);
        QFETCH(QString, typed);
        const QString before = m_editor.text();

        TypingMicDialog tip(7, false);
        SubtitleWidget subtitle;
        RecordVolumeDialog volume;
        FullScreenWidget overlay;
        std::unique_ptr<TranslationDialog> translation;
        QWidget *shown = nullptr;
        switch (window) {
        case Tip:
            tip.move(600, 600);
            tip.showTip();
            shown = &tip;
            break;
        case TextBox:
            tip.move(600, 600);
            tip.showTip();
            tip.setMessage(QStringLiteral("你好"));
            shown = tip.textBox();
            break;
        case Subtitle:
            subtitle.setText1(QStringLiteral("字幕"));
            subtitle.show();
            shown = &subtitle;
            break;
        case Volume:
            volume.show();
            shown = &volume;
            break;
        case Spotlight:
            overlay.startFunction(FullScreenWidget::Spotlight);
            overlay.show();
            shown = &overlay;
            break;
        case Lens:
            overlay.startFunction(FullScreenWidget::Lens);
            overlay.show();
            shown = overlay.magnifier();
            break;
        case WordPick:
            translation = std::make_unique<TranslationDialog>(0, nullptr, QStringLiteral("getword_tranFromLanguage"),
                                                              QStringLiteral("getword_tranToLanguage"));
            translation->move(600, 600);
            translation->show();
            shown = translation.get();
            break;
        }
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        QTest::qWait(300); // the window manager has placed and, if it would, focused it

        QVERIFY(!QApplication::activeWindow());
        m_output.type(typed, QString());
        QTRY_VERIFY(!m_output.isBusy());
        QTRY_COMPARE(m_editor.text(), before + typed);

        overlay.stopFunction();
        tip.hideTip();
    }
};

int main(int argc, char **argv)
{
    if (argc >= 2 && qstrcmp(argv[1], "--line-edit") == 0)
        return runLineEditTarget(argc, argv);
    QApplication app(argc, argv);
    TestNoFocusX11 test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_nofocus_x11.moc"
