#include "util/UserPrompt.h"

#include "util/AppHelper.h"
#include "util/TrContexts.h"

#include <QMessageBox>

namespace {
UserPrompt::Handler &handler()
{
    static UserPrompt::Handler h;
    return h;
}
} // namespace

void UserPrompt::setHandler(Handler h)
{
    handler() = std::move(h);
}

bool UserPrompt::hasHandler()
{
    return bool(handler());
}

int UserPrompt::ask(Kind kind, const QString &text)
{
    if (handler())
        return handler()(kind, text);
    QWidget *parent = AppHelper::instance().mainWindow();
    if (kind == Warning)
        return QMessageBox::warning(parent, TUI::tr("提示"), text);
    return QMessageBox::question(parent, TUI::tr("提示"), text, QMessageBox::Yes | QMessageBox::No);
}

void UserPrompt::warning(const QString &text)
{
    ask(Warning, text);
}

int UserPrompt::question(const QString &text)
{
    return ask(Question, text);
}
