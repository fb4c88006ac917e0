#include "qui/QUIHelper.h"
#include "qui/ui/QuestionBox.h"
#include "support/PromptRecorder.h"
#include "util/AppHelper.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class TestQUIHelper : public QObject
{
    Q_OBJECT
private slots:
    // First: it needs an application that has no style sheet yet.
    void sheetWaitsForFirstPolish();
    void questionThroughPrompt_data();
    void questionThroughPrompt();
    void questionBox_data();
    void questionBox();
    void completerMatchesContains();
    void themes_data();
    void themes();
    void themesAreDistinct();
    void unknownThemeChangesNothing();
    void customSheetSurvivesThemeChange();
    void screenIndex();
};

// A start into the tray: the sheets are kept until a widget that draws with them is
// polished, and that first widget is sized with them already.
void TestQUIHelper::sheetWaitsForFirstPolish()
{
    QVERIFY(qApp->styleSheet().isEmpty());
    QUIHelper::applyAtFirstPolish();
    QVERIFY(QUIHelper::setStyleSheetFile(QStringLiteral(":/customization.css")));
    QVERIFY(QUIHelper::setStyle(QStringLiteral("蓝色"))); // a theme chosen meanwhile waits too
    QLabel title(QStringLiteral("设备信息"));
    title.setProperty("form", QStringLiteral("title"));
    QVERIFY(qApp->styleSheet().isEmpty());

    title.show();
    const QString sheet = qApp->styleSheet();
    QVERIFY(sheet.contains(QStringLiteral("QLabel[form=\"title\"]")));
    QVERIFY(sheet.contains(QStringLiteral("QTabBar::tab")));
    QCOMPARE(title.font().pointSize(), 12);
    QLabel plain(QStringLiteral("设备信息"));
    QVERIFY(title.height() > plain.sizeHint().height());

    // Once in force, the sheets change at once.
    QUIHelper::applyAtFirstPolish();
    QVERIFY(QUIHelper::setStyle(QStringLiteral("深蓝色")));
    QVERIFY(qApp->styleSheet() != sheet);
}

void TestQUIHelper::questionThroughPrompt_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("yes") << int(QMessageBox::Yes);
    QTest::newRow("no") << int(QMessageBox::No);
}

void TestQUIHelper::questionThroughPrompt()
{
    QFETCH(int, answer);
    PromptRecorder prompts(answer);
    QCOMPARE(QUIHelper::showMessageBoxQuestion(QStringLiteral("是否删除记录!")), answer);
    QCOMPARE(prompts.texts, QStringList{QStringLiteral("是否删除记录!")});
}

void TestQUIHelper::questionBox_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("expected");
    QTest::newRow("confirm") << "btnOk" << 16384;
    QTest::newRow("cancel") << "btnCancel" << 65536;
    QTest::newRow("close") << "btnClose" << 65536;
    QTest::newRow("escape") << "escape" << 65536;
}

// The real box, without the prompt seam: answered by a click from a timer.
void TestQUIHelper::questionBox()
{
    QFETCH(QString, action);
    QFETCH(int, expected);
    QVERIFY(!UserPrompt::hasHandler());

    QWidget main;
    main.resize(600, 400);
    main.show();
    AppHelper::instance().setMainWindow(&main);

    bool seen = false;
    // Never leave the test hanging on an unanswered box.
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, this, [] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            dialog->done(0);
    });
    guard.start(5000);
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QuestionBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        seen = true;
        QCOMPARE(box->parentWidget(), &main);
        QVERIFY(box->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(box->isModal());
        QCOMPARE(box->text(), QStringLiteral("<b>是否</b>退出登录?"));
        if (action == QLatin1String("escape"))
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->findChild<QPushButton *>(action)->click();
    });
    const int answer = QUIHelper::showMessageBoxQuestion(QStringLiteral("<b>是否</b>退出登录?"));
    AppHelper::instance().setMainWindow(nullptr);
    QVERIFY(seen);
    QCOMPARE(answer, expected);
}

void TestQUIHelper::completerMatchesContains()
{
    QComboBox combo;
    const QStringList texts{QStringLiteral("中文(普通话)"), QStringLiteral("英语"), QStringLiteral("粤语"),
                            QStringLiteral("English (US)")};
    combo.addItems(texts);
    QUIHelper::setCompleter(&combo, texts);
    QVERIFY(combo.isEditable());
    QCOMPARE(combo.insertPolicy(), QComboBox::NoInsert);
    QCompleter *completer = combo.completer();
    QVERIFY(completer);
    QCOMPARE(completer->filterMode(), Qt::MatchContains);

    completer->setCompletionPrefix(QStringLiteral("语"));
    QStringList found;
    for (int i = 0; completer->setCurrentRow(i); ++i)
        found << completer->currentCompletion();
    QCOMPARE(found, (QStringList{QStringLiteral("英语"), QStringLiteral("粤语")}));
    completer->setCompletionPrefix(QStringLiteral("us"));
    QCOMPARE(completer->completionCount(), 1);

    // Typed text that is no item never becomes one.
    combo.show();
    combo.lineEdit()->setText(QStringLiteral("火星语"));
    QTest::keyClick(combo.lineEdit(), Qt::Key_Return);
    QCOMPARE(combo.count(), texts.size());
}

void TestQUIHelper::themes_data()
{
    QTest::addColumn<QString>("name");
    const QStringList names = QUIHelper::themeNames();
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << name;
}

void TestQUIHelper::themes()
{
    QFETCH(QString, name);
    const QString qss = QUIHelper::themeStyleSheet(name);
    QVERIFY(qss.size() > 1000);
    // Every placeholder was filled.
    QVERIFY2(!qss.contains(QLatin1Char('@')), qPrintable(name));
    QVERIFY(QUIHelper::setStyle(name));
    QCOMPARE(QUIHelper::currentTheme(), name);
    QVERIFY(qApp->styleSheet().contains(qss));
    // The palette follows the theme's window colour.
    const QRegularExpression panel(QStringLiteral("panel: (#[0-9A-Fa-f]{6})"));
    QCOMPARE(QApplication::palette().color(QPalette::Window), QColor(panel.match(qss).captured(1)));
}

void TestQUIHelper::themesAreDistinct()
{
    const QStringList names = QUIHelper::themeNames();
    QCOMPARE(names,
             (QStringList{QStringLiteral("银色"), QStringLiteral("蓝色"), QStringLiteral("浅蓝色"), QStringLiteral("深蓝色"),
                          QStringLiteral("灰色"), QStringLiteral("浅灰色"), QStringLiteral("深灰色"), QStringLiteral("黑色"),
                          QStringLiteral("浅黑色"), QStringLiteral("深黑色"), QStringLiteral("PS黑色"),
                          QStringLiteral("黑色扁平"), QStringLiteral("白色扁平"), QStringLiteral("Vellobox"),
                          QStringLiteral("Vellobox2")}));
    QSet<QString> sheets;
    for (const QString &name : names)
        sheets.insert(QUIHelper::themeStyleSheet(name).section(QLatin1Char('\n'), 1));
    QCOMPARE(sheets.size(), names.size());
}

void TestQUIHelper::unknownThemeChangesNothing()
{
    QVERIFY(QUIHelper::setStyle(QStringLiteral("蓝色")));
    const QString before = qApp->styleSheet();
    QVERIFY(!QUIHelper::setStyle(QStringLiteral("紫色")));
    QVERIFY(!QUIHelper::setStyle(QString()));
    QCOMPARE(qApp->styleSheet(), before);
    QCOMPARE(QUIHelper::currentTheme(), QStringLiteral("蓝色"));
}

void TestQUIHelper::customSheetSurvivesThemeChange()
{
    QVERIFY(!QUIHelper::setStyleSheetFile(QStringLiteral(":/missing.css")));
    QVERIFY(QUIHelper::setStyleSheetFile(QStringLiteral(":/customization.css")));
    QVERIFY(qApp->styleSheet().contains(QStringLiteral("QLabel[form=\"title\"]")));
    QVERIFY(QUIHelper::setStyle(QStringLiteral("深蓝色")));
    const QString sheet = qApp->styleSheet();
    // The application rules come last, so they win over the theme.
    QVERIFY(sheet.indexOf(QStringLiteral("QLabel[form=\"title\"]")) > sheet.indexOf(QStringLiteral("QTabBar::tab")));

    // And they take effect: a title label gets the title font size.
    QLabel title(QStringLiteral("设备信息"));
    title.setProperty("form", QStringLiteral("title"));
    QLabel plain(QStringLiteral("设备信息"));
    title.ensurePolished();
    plain.ensurePolished();
    QCOMPARE(title.font().pointSize(), 12);
    QVERIFY(title.sizeHint().height() > plain.sizeHint().height());
}

void TestQUIHelper::screenIndex()
{
    const int index = QUIHelper::screenIndex();
    QVERIFY(index >= 0 && index < QGuiApplication::screens().size());
}

QTEST_MAIN(TestQUIHelper)
#include "test_quihelper.moc"
