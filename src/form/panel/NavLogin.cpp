#include "form/panel/NavLogin.h"

#include "form/panel/NavForm.h"
#include "logging/QsLog.h"
#include "qui/QUIHelper.h"

#include <QMessageBox>

namespace NavLogin {

// The login logic is not linked into the forms yet: nobody is ever logged in.
void connectSignals(NavForm *)
{
}

bool isLogin()
{
    return false;
}

std::optional<QString> userName()
{
    return std::nullopt;
}

bool askLogout(const QString &question)
{
    return QUIHelper::showMessageBoxQuestion(question) == QMessageBox::Yes;
}

void logout()
{
}

void openLoginDialog(NavForm *)
{
    // GAP: the login dialog is built by a later step; until then the click only logs.
    QLOG_INFO() << "login dialog not available yet";
}

} // namespace NavLogin
