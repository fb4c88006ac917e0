#include "form/tab/SoftwareSettingTab.h"
#include "ui_SoftwareSettingTab.h"

#include "config/Configurations.h"
#include "databinding/FormItem.h"
#include "databinding/ZComboBox.h"
#include "form/AppExit.h"
#include "form/UpgradeLink.h"
#include "logging/QsLog.h"
#include "qui/QUIHelper.h"
#include "qui/Toast.h"
#include "qui/control/ImageSwitch.h"
#include "util/AppHelper.h"
#include "util/TrContexts.h"

#include <QMessageBox>

SoftwareSettingTab::SoftwareSettingTab(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::SoftwareSettingTab)
{
    ui->setupUi(this);
    addAutoStartRow();
    addLanguageRow();
    ui->lbVersion->setText(QCoreApplication::applicationVersion());
    ui->lbTitle2->hide();
    ui->frame2->hide();
}

SoftwareSettingTab::~SoftwareSettingTab()
{
    delete ui;
}

void SoftwareSettingTab::addAutoStartRow()
{
    auto *row = new FormItem(this);
    row->setObjectName(QStringLiteral("fiAutoStart"));
    row->addLabel(TUI::tr("开机启动"));
    m_autoStart = row->addImageSwitch();
    // Set before connecting: opening the page writes nothing.
    m_autoStart->setChecked(AppHelper::isAutoStart());
    connect(m_autoStart, &ImageSwitch::checkedChanged, this, &SoftwareSettingTab::autoStartChanged);
    ui->vlayout1->addWidget(row);
}

void SoftwareSettingTab::addLanguageRow()
{
    auto *row = new FormItem(this);
    row->setObjectName(QStringLiteral("fiLanguage"));
    m_language = row->addLabeledComboBox(TUI::tr("界面语言"),
                                         {QStringLiteral("简体中文"), QStringLiteral("English"),
                                          QStringLiteral("한국어"), QStringLiteral("Türkçe")},
                                         {QStringLiteral("zh"), QStringLiteral("en"), QStringLiteral("ko"),
                                          QStringLiteral("tr")});
    {
        const QSignalBlocker blocker(m_language);
        // With nothing stored the program runs in the system's language: show that one.
        m_language->selectByData(Configurations::instance().languageInEffect());
    }
    connect(m_language, &QComboBox::currentTextChanged, this, &SoftwareSettingTab::lanuageSwitch_currentTextChanged);
    ui->vlayout1->addWidget(row);
}

void SoftwareSettingTab::autoStartChanged(bool on)
{
    if (AppHelper::setAutoStart(on))
        return;
    // The switch shows what the session will do, not what was asked for.
    m_autoStart->setChecked(!on);
    Toast::instance().showMessage(2, TNotify::tr("开机启动设置失败!"), FailureToastMs);
}

void SoftwareSettingTab::lanuageSwitch_currentTextChanged(const QString &text)
{
    // Error level so that the choice shows in the log whatever the configured level.
    QLOG_ERROR() << "text" << text;
    const QString code = m_language->currentData(Qt::UserRole).toString();
    QLOG_ERROR() << "lang:" << code;
    Configurations &config = Configurations::instance();
    if (code.isEmpty() || code == config.languageInEffect())
        return;
    const QString previous = config.languageInEffect();
    if (!config.setLanguage(code)) {
        // The box shows the language the program keeps, not the one that could not be saved.
        const QSignalBlocker blocker(m_language);
        m_language->selectByData(previous);
        Toast::instance().showMessage(2, TNotify::tr("界面语言保存失败!"), FailureToastMs);
        return;
    }
    if (QUIHelper::showMessageBoxQuestion(TUI::tr("修改生效需要重启程序，是否重启?")) != QMessageBox::Yes)
        return;
    AppExit::restart();
}

void SoftwareSettingTab::on_btnCheckUpdate_clicked(bool)
{
    UpgradeLink::checkUpdate(false, false);
}
