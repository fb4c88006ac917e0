#include "form/tab/GuideTab.h"
#include "ui_GuideTab.h"

#include "config/Configurations.h"
#include "form/dialog/FeedbackDialog.h"
#include "form/dialog/LogAttachments.h"
#include "logging/QsLog.h"
#include "logic/businessLogic/login/LoginBL.h"
#include "orm/data/UserVO.h"
#include "qui/Toast.h"
#include "util/AppHelper.h"
#include "util/SmtpHelper.h"
#include "util/TrContexts.h"

#include <QPixmap>

GuideTab::GuideTab(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::GuideTab)
{
    ui->setupUi(this);
    // The stored code as written: "ZH" counts as Chinese here too. With nothing stored, the
    // language the program runs in.
    const Configurations &config = Configurations::instance();
    QString language = config.value(QStringLiteral("/Setting/Language")).toString().trimmed();
    if (language.isEmpty())
        language = config.languageInEffect();
    const QString path = AppHelper::checkResource(pictureFor(language));
    const QPixmap picture = path.isEmpty() ? QPixmap() : QPixmap(path);
    if (!picture.isNull())
        ui->lbCustomerService->setPixmap(picture);
    else
        // No empty box and no invitation to scan a code that is not there.
        ui->guideFrame->hide();
    ui->btnUploadLog->setupAnimation();
}

GuideTab::~GuideTab()
{
    delete ui;
}

QString GuideTab::pictureFor(const QString &languageCode)
{
    if (languageCode.compare(QLatin1String("zh"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("/assets/vellobox/image/customer_service_zh.png");
    return QStringLiteral("/assets/vellobox/image/customer_service.png");
}

QString GuideTab::subject(const QString &userName, const QString &machineId)
{
    return QStringLiteral("[%1] [%2] 日志上传 - QtVellobox V%3")
        .arg(userName, machineId, QCoreApplication::applicationVersion());
}

void GuideTab::on_btnUploadLog_clicked(bool)
{
    // The mail waits in nested event loops, where a second press would start a second mail.
    if (ui->btnUploadLog->isAnimating()) {
        Toast::instance().showMessage(1, TUI::tr("邮件已经在发送中!"), ToastMs);
        return;
    }
    QString userName;
    if (UserVO *user = LoginBL::instance().getUser())
        userName = user->name;
    const LogAttachments logs = LogAttachments::collect(AppHelper::programDir());
    if (logs.files.isEmpty() && logs.leftOut.isEmpty()) {
        Toast::instance().showMessage(0, TUI::tr("无日志生成, 请确定后上传!"), ToastMs);
        return;
    }
    ui->btnUploadLog->start(BlinkMs);
    ui->btnUploadLog->setText(TUI::tr("上传中..."));
    SmtpHelper::sendMail(subject(userName, FeedbackDialog::machineId()), logs.notice(), logs.files,
                         [this](int code, const QString &message) {
                             QLOG_DEBUG() << "log upload:" << message;
                             if (code != 0)
                                 Toast::instance().showMessage(2, message, ToastMs);
                             else
                                 Toast::instance().showMessage(0, TUI::tr("日志上传成功"), ToastMs);
                             ui->btnUploadLog->setText(TUI::tr("上传日志"));
                             ui->btnUploadLog->stop();
                             // After a failure the button stays, for another try once the cause
                             // is mended.
                             if (code == 0)
                                 ui->btnUploadLog->hide();
                         },
                         this);
}
