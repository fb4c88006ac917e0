#include "form/dialog/AccountAgreement.h"

#include "config/Configurations.h"
#include "logic/businessLogic/Launcher.h"
#include "qui/Toast.h"
#include "util/TrContexts.h"

#include <QLabel>
#include <QUrl>

namespace {
const char *const kPolicyUrlKey = "/Server/PolicyUrl";
const char *const kLinkStyle = "color: #6092FF; text-decoration: none";

QString link(const QString &page, const QString &caption)
{
    QString base = Configurations::instance().value(QLatin1String(kPolicyUrlKey)).toString().trimmed();
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return QStringLiteral("<a style=\"%1\" href=\"%2\">%3</a>")
        .arg(QLatin1String(kLinkStyle), (base + page).toHtmlEscaped(), caption.toHtmlEscaped());
}
} // namespace

namespace AccountAgreement {

QString text(Step step)
{
    // One sentence with the links as markers: other languages need blanks and another order.
    // The Chinese line is the same in both dialogs; the register dialog's own entry lets the
    // other languages say "register" there.
    const QString sentence = step == Step::Register ? TUI::tr("登录后代表您已同意%1和%2", "register")
                                                    : TUI::tr("登录后代表您已同意%1和%2");
    return sentence.arg(link(QStringLiteral("/user-policy.html"), TUI::tr("《用户协议》")),
             link(QStringLiteral("/privacy-agreement.html"), TUI::tr("《隐私政策》")));
}

void install(QLabel *label, Step step)
{
    label->setTextFormat(Qt::RichText);
    label->setText(text(step));
    // Opened here rather than by the label, so that only web pages are handed to the browser.
    label->setOpenExternalLinks(false);
    QObject::connect(label, &QLabel::linkActivated, label, &openLink);
}

void openLink(const QString &link)
{
    const QUrl url(link);
    if (url.isRelative()) {
        Toast::instance().showMessage(2, TMsg::tr("服务器地址未配置 (%1)").arg(QLatin1String(kPolicyUrlKey)), 2000);
        return;
    }
    Launcher::openUrl(url);
}

} // namespace AccountAgreement
