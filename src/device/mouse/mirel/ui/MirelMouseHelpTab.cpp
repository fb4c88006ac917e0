#include "device/mouse/mirel/ui/MirelMouseHelpTab.h"
#include "ui_MirelMouseHelpTab.h"

#include "form/tab/LazyWebView.h"
#include "logging/QsLog.h"
#include "util/AppHelper.h"
#include "util/AtomicFile.h"
#include "util/TrContexts.h"

#include <QButtonGroup>
#include <QDir>
#include <QFile>
#include <QFileInfo>

MirelMouseHelpTab::MirelMouseHelpTab(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::MirelMouseHelpTab)
    , m_pages(new QButtonGroup(this))
{
    ui->setupUi(this);
    for (QToolButton *button : {ui->btnPage1, ui->btnPage2, ui->btnPage3}) {
        connect(button, &QToolButton::clicked, this, &MirelMouseHelpTab::onBtnClicked);
        button->setCheckable(true);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        m_pages->addButton(button);
    }
    ui->lbTitleHelp->setText(TUI::tr("使用帮助"));
    installHelpPages();
    ui->webView->loadProgramFile(helpPath(1));
}

MirelMouseHelpTab::~MirelMouseHelpTab()
{
    delete ui;
}

QString MirelMouseHelpTab::helpPath(int page)
{
    return QStringLiteral("/assets/mirel/help/help%1.html").arg(page);
}

void MirelMouseHelpTab::installHelpPages()
{
    QStringList files;
    for (int page = 1; page <= PageCount; ++page)
        files << helpPath(page);
    // The pages share one style sheet beside them.
    files << QStringLiteral("/assets/mirel/help/help.css");
    for (const QString &file : qAsConst(files)) {
        const QString target = AppHelper::programDir() + file;
        if (QFileInfo::exists(target))
            continue; // a file edited beside the program stays as it is
        QFile shipped(QLatin1Char(':') + file);
        QString error;
        if (!shipped.open(QIODevice::ReadOnly) || !AtomicFile::write(target, shipped.readAll(), &error))
            QLOG_ERROR() << "cannot install the help file" << target << error;
    }
}

LazyWebView *MirelMouseHelpTab::webView() const
{
    return ui->webView;
}

void MirelMouseHelpTab::onBtnClicked(bool)
{
    const int page = m_pages->buttons().indexOf(qobject_cast<QAbstractButton *>(sender())) + 1;
    if (page < 1)
        return;
    ui->webView->loadProgramFile(helpPath(page));
    ui->webView->show();
}
