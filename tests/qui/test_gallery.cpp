// Renders every control and every theme to PNG files, so their looks can be checked by eye.
#include "qui/AppInit.h"
#include "qui/IconHelper.h"
#include "qui/QUIHelper.h"
#include "qui/QrCodeHelper.h"
#include "qui/Toast.h"
#include "qui/control/AnimationButton.h"
#include "qui/control/BarVolume.h"
#include "qui/control/CheckBoxItem.h"
#include "qui/control/InfoLabel.h"
#include "qui/control/KeyLineEdit.h"
#include "qui/ui/QuestionBox.h"
#include "qui/ui/SectionWidget.h"
#include "screenshot/ScreenShotWidget.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

class TestGallery : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void themes();
    void controls();
    void questionBox();
    void screenshotPicker();

private:
    QWidget *samplePage();
    void save(QWidget *widget, const QString &name);
    QDir m_dir;
};

void TestGallery::initTestCase()
{
    m_dir = QDir(QStringLiteral(VB_GALLERY_DIR));
    QVERIFY(m_dir.mkpath(QStringLiteral(".")));
    IconHelper::setIconFontIndex(2);
    QVERIFY(QUIHelper::setStyleSheetFile(QStringLiteral(":/customization.css")));
}

void TestGallery::save(QWidget *widget, const QString &name)
{
    widget->ensurePolished();
    QCoreApplication::processEvents();
    const QPixmap pixmap = widget->grab();
    QVERIFY(!pixmap.isNull());
    const QString file = m_dir.filePath(name + QStringLiteral(".png"));
    QVERIFY2(pixmap.save(file), qPrintable(file));
}

// A page in the shape of the main window: navigation column, title bar, tabs, a form.
QWidget *TestGallery::samplePage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("mainWidget"));
    page->setAttribute(Qt::WA_StyledBackground);
    page->resize(820, 560);
    auto *root = new QHBoxLayout(page);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);

    auto *nav = new QWidget(page);
    nav->setProperty("nav", QStringLiteral("left"));
    nav->setAttribute(Qt::WA_StyledBackground);
    nav->setFixedWidth(180);
    auto *navLayout = new QVBoxLayout(nav);
    navLayout->setContentsMargins(0, 16, 0, 16);
    auto *logo = new QPushButton(nav);
    logo->setObjectName(QStringLiteral("lbLogo1"));
    logo->setFixedSize(96, 96);
    navLayout->addWidget(logo, 0, Qt::AlignHCenter);
    auto *user = new QLabel(QStringLiteral("用户: 未登录"), nav);
    user->setAlignment(Qt::AlignCenter);
    navLayout->addWidget(user);
    navLayout->addSpacing(12);
    auto *group = new QButtonGroup(nav);
    const QStringList pages{QStringLiteral(" 设备信息"), QStringLiteral(" 语音打字"), QStringLiteral(" 语音搜索"),
                            QStringLiteral(" 文本翻译"), QStringLiteral(" M键设置")};
    for (const QString &text : pages) {
        auto *button = new QPushButton(text, nav);
        button->setCheckable(true);
        group->addButton(button);
        navLayout->addWidget(button);
    }
    group->buttons().first()->setChecked(true);
    navLayout->addStretch(1);
    root->addWidget(nav);

    auto *right = new QVBoxLayout;
    right->setContentsMargins(0, 0, 0, 0);
    auto *top = new QWidget(page);
    top->setObjectName(QStringLiteral("TopRightPanel"));
    auto *topLayout = new QHBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 15, 4);
    topLayout->setSpacing(0);
    topLayout->addStretch(1);
    auto *style = new QToolButton(top);
    style->setFixedSize(32, 37);
    IconHelper::setIcon(style, 0xf0c9, 16);
    auto *scan = new AnimationButton(top);
    scan->setObjectName(QStringLiteral("btnScan"));
    scan->setFixedSize(32, 37);
    IconHelper::setIcon(scan, 0xf021, 16);
    auto *min = new QPushButton(top);
    min->setFixedSize(32, 37);
    IconHelper::setIcon(min, 0xf068, 16);
    auto *exit = new QPushButton(top);
    exit->setObjectName(QStringLiteral("btnExit"));
    exit->setFixedSize(32, 37);
    IconHelper::setIcon(exit, 0xf00d, 16);
    topLayout->addWidget(style);
    topLayout->addWidget(scan);
    topLayout->addWidget(min);
    topLayout->addWidget(exit);
    right->addWidget(top);

    auto *tabs = new QTabWidget(page);
    auto *form = new QWidget;
    auto *formLayout = new QVBoxLayout(form);
    auto *title = new QLabel(QStringLiteral("设备信息"), form);
    title->setProperty("form", QStringLiteral("title"));
    formLayout->addWidget(title);

    auto *grid = new QGridLayout;
    grid->setContentsMargins(30, 0, 30, 0);
    grid->setHorizontalSpacing(12);
    auto *combo = new QComboBox(form);
    combo->addItems({QStringLiteral("简体中文"), QStringLiteral("English"), QStringLiteral("한국어")});
    grid->addWidget(new QLabel(QStringLiteral("界面语言"), form), 0, 0);
    grid->addWidget(combo, 0, 1);
    auto *keys = new KeyLineEdit(form);
    keys->setText(QStringLiteral("Ctrl+Q"));
    grid->addWidget(new QLabel(QStringLiteral("自定义快捷键"), form), 1, 0);
    grid->addWidget(keys, 1, 1);
    auto *search = new QLineEdit(form);
    search->setPlaceholderText(QStringLiteral("搜索语言"));
    grid->addWidget(new QLabel(QStringLiteral("搜索"), form), 2, 0);
    grid->addWidget(search, 2, 1);
    auto *item = new CheckBoxItem(form);
    item->setText(QStringLiteral("语音打字"));
    item->setLabel(QStringLiteral("<u>设置</u>"));
    item->checkBox()->setChecked(true);
    grid->addWidget(item, 0, 2);
    auto *autoStart = new QCheckBox(QStringLiteral("开机自启动"), form);
    grid->addWidget(autoStart, 1, 2);
    auto *radio = new QRadioButton(QStringLiteral("聚光灯"), form);
    radio->setChecked(true);
    grid->addWidget(radio, 2, 2);
    auto *info = new InfoLabel(form);
    info->setFixedSize(19, 19);
    info->setToolTip(QStringLiteral("说明"));
    grid->addWidget(info, 0, 3);
    auto *slider = new QSlider(Qt::Horizontal, form);
    slider->setValue(60);
    grid->addWidget(new QLabel(QStringLiteral("灵敏度"), form), 3, 0);
    grid->addWidget(slider, 3, 1);
    auto *progress = new QProgressBar(form);
    progress->setValue(45);
    grid->addWidget(progress, 3, 2);
    auto *volume = new BarVolume(form);
    volume->setStep(10);
    volume->setValue(6);
    volume->setFixedSize(220, 30);
    grid->addWidget(new QLabel(QStringLiteral("麦克风"), form), 4, 0);
    grid->addWidget(volume, 4, 1);
    formLayout->addLayout(grid);

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(30, 6, 30, 6);
    buttons->addWidget(new QPushButton(QStringLiteral("检查更新"), form));
    auto *checked = new QPushButton(QStringLiteral("已选中"), form);
    checked->setCheckable(true);
    checked->setChecked(true);
    buttons->addWidget(checked);
    auto *disabled = new QPushButton(QStringLiteral("停止更新"), form);
    disabled->setEnabled(false);
    buttons->addWidget(disabled);
    buttons->addStretch(1);
    formLayout->addLayout(buttons);

    auto *table = new QTableWidget(4, 3, form);
    table->setHorizontalHeaderLabels({QStringLiteral("名称"), QStringLiteral("类型"), QStringLiteral("时间")});
    table->setAlternatingRowColors(true);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    const QStringList names{QStringLiteral("会议纪要"), QStringLiteral("产品发布"), QStringLiteral("周报"),
                            QStringLiteral("访谈")};
    for (int r = 0; r < 4; ++r) {
        table->setItem(r, 0, new QTableWidgetItem(names.at(r)));
        table->setItem(r, 1, new QTableWidgetItem(QStringLiteral("录音")));
        table->setItem(r, 2, new QTableWidgetItem(QStringLiteral("2026-12-0%1 10:2%1").arg(r + 1)));
    }
    table->selectRow(1);
    formLayout->addWidget(table, 1);
    tabs->addTab(form, QStringLiteral("设备设置"));
    tabs->addTab(new QWidget, QStringLiteral("关于"));
    right->addWidget(tabs, 1);
    root->addLayout(right, 1);
    return page;
}

void TestGallery::themes()
{
    QScopedPointer<QWidget> page(samplePage());
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.data()));
    const QStringList names = QUIHelper::themeNames();
    // All themes side by side as well, to compare them at a glance.
    const QSize cell(410, 300);
    QImage sheet(cell.width() * 5, cell.height() * 3, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    for (int i = 0; i < names.size(); ++i) {
        QVERIFY(QUIHelper::setStyle(names.at(i)));
        save(page.data(), QStringLiteral("theme-%1-%2").arg(i + 1, 2, 10, QLatin1Char('0')).arg(QUIHelper::themeKey(names.at(i))));
        const QImage shot = page->grab().toImage().scaled(cell.width(), cell.height() - 20, Qt::KeepAspectRatio,
                                                           Qt::SmoothTransformation);
        const QPoint at((i % 5) * cell.width(), (i / 5) * cell.height());
        painter.setPen(Qt::black);
        painter.drawText(QRect(at, QSize(cell.width(), 20)), Qt::AlignCenter, names.at(i));
        painter.drawImage(at + QPoint(0, 20), shot);
    }
    painter.end();
    QVERIFY(sheet.save(m_dir.filePath(QStringLiteral("themes-overview.png"))));
}

void TestGallery::controls()
{
    QVERIFY(QUIHelper::setStyle(QStringLiteral("Vellobox")));

    InfoLabel info;
    info.setFixedSize(19, 19);
    save(&info, QStringLiteral("control-InfoLabel"));

    CheckBoxItem item;
    item.setText(QStringLiteral("截屏翻译"));
    item.setLabel(QStringLiteral("<u>设置</u>"));
    item.checkBox()->setChecked(true);
    item.resize(200, 30);
    save(&item, QStringLiteral("control-CheckBoxItem"));

    KeyLineEdit keys;
    keys.setText(QStringLiteral("Ctrl+Shift+Q"));
    keys.resize(160, 30);
    save(&keys, QStringLiteral("control-KeyLineEdit"));

    BarVolume bar;
    bar.setStep(10);
    bar.setValue(7);
    bar.setRadius(5);
    bar.setSpace(2);
    bar.setPadding(10);
    bar.setBarColorStart(QColor("#0000BD"));
    bar.setBarColorMid(QColor("#0000CD"));
    bar.setBarColorEnd(QColor("#0000FF"));
    bar.resize(220, 30);
    save(&bar, QStringLiteral("control-BarVolume-horizontal"));
    BarVolume level;
    level.setMode(false);
    level.setStep(20);
    level.setValue(13);
    level.setSpace(1);
    level.setPadding(1);
    level.setRadius(0);
    level.resize(10, 120);
    save(&level, QStringLiteral("control-BarVolume-vertical"));
    BarVolume meter;
    meter.setStep(20);
    meter.setValue(16);
    meter.resize(231, 24);
    save(&meter, QStringLiteral("control-BarVolume-default"));

    AnimationButton button;
    button.setText(QStringLiteral("上传日志"));
    button.resize(120, 32);
    button.setupAnimation();
    save(&button, QStringLiteral("control-AnimationButton"));

    SectionWidget section;
    section.setTitle(QStringLiteral("常用语言"));
    section.setColumnCount(4);
    section.addOptions({QStringLiteral("中文(普通话)"), QStringLiteral("English"), QStringLiteral("日本語"),
                        QStringLiteral("한국어"), QStringLiteral("Français"), QStringLiteral("Deutsch")});
    section.resize(460, 110);
    save(&section, QStringLiteral("control-SectionWidget"));

    QLabel qr;
    qr.resize(240, 240);
    QVERIFY(QrCodeHelper::setQrCode(QStringLiteral("http://127.0.0.1/record-share/index.html?code=demo"), &qr));
    save(&qr, QStringLiteral("control-QrCode"));

    Toast::instance().showMessage(1, QStringLiteral("快捷键需要包含 Ctrl、Alt 或 Win 键"), 5000);
    const auto tops = QApplication::topLevelWidgets();
    for (QWidget *w : tops) {
        if (w->objectName() == QLatin1String("toast"))
            save(w, QStringLiteral("control-Toast"));
    }
}

void TestGallery::questionBox()
{
    QVERIFY(QUIHelper::setStyle(QStringLiteral("Vellobox")));
    QuestionBox box;
    box.setText(QStringLiteral("修改生效需要重启程序，是否重启?"));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    save(&box, QStringLiteral("control-QuestionBox"));
    box.cancel();
}

void TestGallery::screenshotPicker()
{
    // A made-up desktop: a gradient with a window and some text on it.
    QImage desktop(960, 540, QImage::Format_RGB32);
    QPainter p(&desktop);
    QLinearGradient sky(0, 0, 960, 540);
    sky.setColorAt(0, QColor(0x3a, 0x7b, 0xd5));
    sky.setColorAt(1, QColor(0x00, 0xd2, 0xff));
    p.fillRect(desktop.rect(), sky);
    p.fillRect(QRect(120, 90, 560, 320), Qt::white);
    p.fillRect(QRect(120, 90, 560, 32), QColor(0xee, 0xee, 0xee));
    QFont font = p.font();
    font.setPixelSize(22);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(150, 160, 500, 200), Qt::TextWordWrap,
               QStringLiteral("The quick brown fox jumps over the lazy dog.\n敏捷的棕色狐狸跳过了懒狗。"));
    p.end();

    ScreenShotWidget picker;
    picker.startWith(desktop, QRect(0, 0, 960, 540));
    QTest::mousePress(&picker, Qt::LeftButton, Qt::NoModifier, QPoint(140, 150));
    QMouseEvent move(QEvent::MouseMove, QPoint(620, 300), picker.mapToGlobal(QPoint(620, 300)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&picker, &move);
    QTest::mouseRelease(&picker, Qt::LeftButton, Qt::NoModifier, QPoint(620, 300));
    save(&picker, QStringLiteral("screenshot-picker"));
    picker.cancel();

    picker.startWith(desktop, QRect(0, 0, 960, 540));
    save(&picker, QStringLiteral("screenshot-picker-empty"));
    picker.cancel();
}

QTEST_MAIN(TestGallery)
#include "test_gallery.moc"
