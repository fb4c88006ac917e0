#pragma once

#include <QString>

class QLabel;

// The agreement line of the account dialogs, with links to the user agreement and the
// privacy policy on the policy web server named in the ini file.
namespace AccountAgreement {
// The step the user accepts the agreement by: other languages name it in the line.
enum class Step { SignIn, Register };
QString text(Step step = Step::SignIn);
// Shows the line in the label; a click on a link opens the page in the browser.
void install(QLabel *label, Step step = Step::SignIn);
// Opens a link of the line; without a configured server it says so instead.
void openLink(const QString &link);
} // namespace AccountAgreement
