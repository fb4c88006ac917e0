#pragma once

#include <QString>
#include <optional>

class NavForm;

// What the navigation column needs of the login logic, in one place.
namespace NavLogin {
// Follows the login logic's userLogin and userLogout.
void connectSignals(NavForm *form);
bool isLogin();
// The logged-in user's name; nothing when nobody is logged in.
std::optional<QString> userName();
// The modal question; true on the confirm answer.
bool askLogout(const QString &question);
void logout();
// Opens the login dialog with the form as parent.
void openLoginDialog(NavForm *form);
} // namespace NavLogin
