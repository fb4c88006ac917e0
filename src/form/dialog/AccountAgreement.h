#pragma once

#include <QString>

class QLabel;

// The agreement line of the account dialogs, with links to the user agreement and the
// privacy policy on the policy web server named in the ini file.
namespace AccountAgreement {
QString text();
// Shows the line in the label; a click on a link opens the page in the browser.
void install(QLabel *label);
// Opens a link of the line; without a configured server it says so instead.
void openLink(const QString &link);
} // namespace AccountAgreement
