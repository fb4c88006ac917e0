#include "form/panel/NavLogin.h"

#include "form/dialog/LoginDialog.h"
#include "form/panel/NavForm.h"
#include "logic/businessLogic/login/LoginBL.h"
#include "orm/data/UserVO.h"
#include "qui/QUIHelper.h"

#include <QMessageBox>

namespace NavLogin {

void connectSignals(NavForm *form)
{
    ILoginBL *login = &LoginBL::instance();
    QObject::connect(login, &ILoginBL::userLogin, form, QOverload<UserVO *>::of(&NavForm::updateUserInfo));
    QObject::connect(login, &ILoginBL::userLogout, form, &NavForm::userLogout);
}

bool isLogin()
{
    return LoginBL::instance().isLogin();
}

std::optional<QString> userName()
{
    if (UserVO *user = LoginBL::instance().getUser())
        return user->name;
    return std::nullopt;
}

bool askLogout(const QString &question)
{
    return QUIHelper::showMessageBoxQuestion(question) == QMessageBox::Yes;
}

void logout()
{
    LoginBL::instance().logout();
}

void openLoginDialog(NavForm *form)
{
    auto *dialog = new LoginDialog(form);
    dialog->show();
}

} // namespace NavLogin
