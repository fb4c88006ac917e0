#include "config/PointerSetting.h"
#include "databinding/FormContainer.h"
#include "databinding/FormGroup.h"
#include "databinding/FormItem.h"
#include "databinding/PageNavigator.h"
#include "databinding/ZButtonGroup.h"
#include "databinding/ZTabBar.h"
#include "databinding/ZTabWidget.h"
#include "databinding/ZTableWidget.h"
#include "orm/data/HotwordVO.h"
#include "qui/control/IconCheckBoxItem.h"
#include "qui/control/ImageSwitch.h"
#include "qui/control/TranSettingItem.h"

#include <QCheckBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>
#include <QtTest>

// Renders the bound rows, the table, the pager and the tab bar to PNG files so their looks can
// be checked by eye (build/ui-gallery/).
class TestBindingGallery : public QObject
{
    Q_OBJECT

private slots:
    void renderEach();

private:
    void save(QWidget *widget, const QString &name)
    {
        widget->show();
        QVERIFY(QTest::qWaitForWindowExposed(widget));
        const QString dir = QStringLiteral(VB_GALLERY_DIR);
        QDir().mkpath(dir);
        const QString path = dir + QLatin1Char('/') + name + QStringLiteral(".png");
        const QImage image = widget->grab().toImage();
        QVERIFY(!image.isNull());
        QVERIFY(image.save(path));
    }
};

void TestBindingGallery::renderEach()
{
    const QString rowText = QStringLiteral(
        "<p style=\" margin:0px;\"><span style=\" font-family:'Microsoft YaHei'; font-size:12px; color:#000000;\"> %1</span></p>"
        " <p style=\" margin:0px;\"><span style=\" font-family:'Microsoft YaHei'; font-size:12px; color:#a6a6a6;\"> %2 </span></p>");
    PointerSetting record;
    FormContainer page;
    page.setStyleSheet(QStringLiteral("background: #ffffff;"));
    page.resize(620, 520);
    auto *layout = new QVBoxLayout(&page);
    FormItem *check = page.addCheckBoxItem(QStringLiteral("飞鼠"), Qt::Checked, &page);
    check->setCutLineVisible(true);
    layout->addWidget(check);
    layout->addWidget(page.addLabeledComboBoxItem(QStringLiteral("调整大小"), {"小", "中", "大"}, {"25", "50", "100"},
                                                  &page, {"mKey_cursorRadius"}));
    layout->addWidget(page.addComboBoxItem(QStringLiteral("选择颜色"), &page, {"mKey_cursorColor"}));
    layout->addWidget(page.addImageSwitchItem(rowText.arg(QStringLiteral("智能标点"), QStringLiteral("智能标点描述")),
                                              &page, {"subtitle_ui_disable"}));
    auto *mic = new FormItem(&page);
    mic->addLabel(QStringLiteral("声音来源"));
    mic->addTitleLabel(QStringLiteral("Presenter"));
    layout->addWidget(mic);
    auto *slider = new FormItem(&page);
    slider->addTextBrowser(rowText.arg(QStringLiteral("滚轮灵敏度"), QString()), 48);
    slider->addSlider(0, 4);
    layout->addWidget(slider);
    auto *tran = new TranSettingItem(&page);
    tran->setLanguageLabel(QStringLiteral("语言"));
    tran->setFromLanguages({QStringLiteral("自动")}, {QStringLiteral("auto")}, "getword_tranFromLanguage");
    tran->setToLanguages({QStringLiteral("英语"), QStringLiteral("日语")}, {"en", "jp"}, "getword_tranToLanguage");
    page.addChildContainer(tran);
    layout->addWidget(tran);
    auto *app = new IconCheckBoxItem(&page);
    app->setItem(QString(), QStringLiteral("Text Editor"), true, 32, 32);
    app->setChecked(true);
    layout->addWidget(app);
    auto *group = new ZButtonGroup(&page);
    auto *modes = new QWidget(&page);
    auto *modesLayout = new QHBoxLayout(modes);
    for (int i = 0; i < 3; ++i) {
        auto *b = new QCheckBox(QStringLiteral("模式%1").arg(i + 1), modes);
        modesLayout->addWidget(b);
        group->addButton(b, i);
    }
    page.addBindWidget(group, {"mKey_functionIndex"});
    layout->addWidget(modes);
    layout->addStretch(1);
    page.setData(&record, true);
    page.bindData();
    save(&page, QStringLiteral("binding-form"));

    FormGroup emptyGroup;
    emptyGroup.setTitle(QStringLiteral("常用功能"));
    emptyGroup.resize(300, 60);
    save(&emptyGroup, QStringLiteral("binding-form-group"));

    QVector<HotwordVO> words(8);
    QVector<DataCore *> rows;
    for (int i = 0; i < words.size(); ++i) {
        words[i].index = i + 1;
        words[i].hotword = QStringLiteral("热词%1").arg(i + 1);
        rows.append(&words[i]);
    }
    QWidget tablePage;
    tablePage.resize(560, 330);
    auto *tableLayout = new QVBoxLayout(&tablePage);
    auto *table = new ZTableWidget(&tablePage);
    table->init(HotwordVO::staticFieldTable(), QStringLiteral("Default-zh"), true);
    table->verticalHeader()->hide();
    table->setDatas(rows.mid(0, 6));
    table->bindData();
    table->setRowChecked(1, true);
    auto *pager = new PageNavigator(&tablePage);
    pager->setTotal(rows.size(), 6, 1, 7);
    tableLayout->addWidget(table);
    tableLayout->addWidget(pager);
    save(&tablePage, QStringLiteral("binding-table"));

    ZTabWidget tabs;
    tabs.addTab(new QLabel(QStringLiteral("presenter pages")), QStringLiteral("AI演示器"));
    tabs.zTabBar()->appendItem(nullptr);
    tabs.addTab(new QLabel(QStringLiteral("mouse pages")), QStringLiteral("AI鼠标"));
    tabs.zTabBar()->appendItem(nullptr);
    tabs.resize(400, 120);
    save(&tabs, QStringLiteral("binding-tabs"));
}

QTEST_MAIN(TestBindingGallery)
#include "tst_binding_gallery.moc"
