#include "device/DeviceContext.h"
#include "form/dialog/ButtonStateStyle.h"
#include "form/dialog/ContainerDialog.h"
#include "form/dialog/ProgressDialog.h"
#include "form/floating/TextWidget.h"
#include "form/panel/LeftTabbarPanel.h"
#include "form/panel/TabPanel.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

namespace {
class PageBinder : public QWidget, public IContextBinder
{
public:
    int changes = 0;

protected:
    void onContextChanged() override { ++changes; }
};
} // namespace

class TestPanels : public QObject
{
    Q_OBJECT
private slots:
    void textHeightGrowsByWholeLines_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("lineHeight");
        QTest::addColumn<int>("height");
        QTest::newRow("399 px") << 399 << 17 << 85;
        QTest::newRow("400 px") << 400 << 17 << 85;
        QTest::newRow("401 px") << 401 << 17 << 120;
        QTest::newRow("tiny") << 3 << 20 << 88;
    }

    void textHeightGrowsByWholeLines()
    {
        QFETCH(int, width);
        QFETCH(int, lineHeight);
        QFETCH(int, height);
        QCOMPARE(TextWidget::heightFor(width, lineHeight), height);
    }

    void textWidgetKeepsHeightForEmptyTextAndShowsPlainText()
    {
        TextWidget w;
        w.setText(QStringLiteral("<b>not bold</b> 你好"));
        const int h = w.height();
        const QFontMetrics fm(w.findChild<QTextEdit *>("teText")->font());
        QCOMPARE(h, TextWidget::heightFor(fm.boundingRect(w.text()).width(), fm.boundingRect(w.text()).height()));
        QCOMPARE(w.text(), QStringLiteral("<b>not bold</b> 你好"));
        w.setText(QString());
        QCOMPARE(w.height(), h);
        QVERIFY(w.text().isEmpty());
        QVERIFY(w.property("canMove").toBool());
        QVERIFY(w.windowFlags() & Qt::WindowStaysOnTopHint);
    }

    void aNewTextBoxIsMeasuredWithTheFontItShows()
    {
        const QString text = QString(60, QChar(0x4F60)); // three lines of the box's own font
        TextWidget w;
        w.setText(text);
        auto *box = w.findChild<QTextEdit *>("teText");
        box->ensurePolished();
        QCOMPARE(box->font().pointSize(), 10); // the style sheet's font
        const QRect shown = QFontMetrics(box->font()).boundingRect(text);
        QCOMPARE(w.height(), TextWidget::heightFor(shown.width(), shown.height()));
    }

    void leftTabbarButtons()
    {
        LeftTabbarPanel panel;
        panel.addButton(" 语音打字", "btnTyping");
        panel.addButton(" M键设置");
        QSignalSpy shown(&panel, &LeftTabbarPanel::displayTab);
        panel.setCurrentIndex(5);
        panel.setCurrentIndex(-1);
        QCOMPARE(panel.currentIndex(), -1);
        panel.setCurrentIndex(1);
        QCOMPARE(shown.count(), 0);
        QCOMPARE(panel.currentIndex(), 1);

        auto *typing = panel.findChild<QToolButton *>("btnTyping");
        QVERIFY(typing);
        typing->click();
        QCOMPARE(shown.count(), 1);
        QCOMPARE(shown[0][0].toInt(), 0);
        QCOMPARE(shown[0][1].toString(), QStringLiteral(" 语音打字"));
        QVERIFY(typing->isChecked());
        QCOMPARE(panel.currentIndex(), 0);
    }

    void tabPanelHandsTheContextToItsPages()
    {
        TabPanel panel;
        auto *bound = new PageBinder;
        auto *plain = new QWidget;
        panel.addPage(bound, bound);
        panel.addPage(plain);
        QCOMPARE(panel.count(), 2);
        DeviceContext context;
        panel.setContext(&context);
        QCOMPARE(bound->changes, 1);
        QCOMPARE(bound->context(), &context);
    }

    void containerTakesThePageSize()
    {
        ContainerDialog dialog;
        auto *page = new QLabel("page");
        page->resize(321, 123);
        dialog.setWidget(page);
        QCOMPARE(dialog.size(), QSize(321, 123));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QCOMPARE(page->parentWidget(), &dialog);
        QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
    }

    void progressDialog()
    {
        ProgressDialog dialog;
        QVERIFY(dialog.isModal());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("  "));
        dialog.setStatusText("<i>保存中</i>");
        QCOMPARE(dialog.statusText(), QStringLiteral("<i>保存中</i>"));
        QCOMPARE(dialog.findChild<QLabel *>("lbStatus")->textFormat(), Qt::PlainText);
    }

    void settingsMenu()
    {
        ButtonStateStyle *menu = settingsMenuInstance();
        QCOMPARE(menu, settingsMenuInstance());
        QCOMPARE(menu->identityCast(), menu);
        QCOMPARE(menu->settingMenuNames(), QStringList({"软件设置", "技术支持", "意见反馈"}));
        QCOMPARE(menu->activeStyle, QStringLiteral("background-color: rgb(255, 159, 26);"));
        QVERIFY(!menu->openSettingDialog(4));
        QVERIFY(!menu->openSettingDialog(-1));
    }
};

QTEST_MAIN(TestPanels)
#include "tst_panels.moc"
