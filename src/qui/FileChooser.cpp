#include "qui/FileChooser.h"

#include <QFileDialog>

namespace FileChooser {

namespace {
Handler &handler()
{
    static Handler h;
    return h;
}
} // namespace

void setHandler(Handler h)
{
    handler() = std::move(h);
}

QString openFileName(QWidget *parent, const QString &caption, const QString &startDir)
{
    if (handler())
        return handler()(false, caption, startDir);
    return QFileDialog::getOpenFileName(parent, caption, startDir);
}

QString existingDirectory(QWidget *parent, const QString &caption, const QString &startDir)
{
    if (handler())
        return handler()(true, caption, startDir);
    return QFileDialog::getExistingDirectory(parent, caption, startDir, QFileDialog::ShowDirsOnly);
}

} // namespace FileChooser
