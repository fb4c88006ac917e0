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

QString openFileName(QWidget *parent, const QString &caption, const QString &startDir, const QString &filter)
{
    if (handler())
        return handler()(OpenFile, caption, startDir);
    return QFileDialog::getOpenFileName(parent, caption, startDir, filter);
}

QString saveFileName(QWidget *parent, const QString &caption, const QString &startDir, const QString &filter)
{
    if (handler())
        return handler()(SaveFile, caption, startDir);
    return QFileDialog::getSaveFileName(parent, caption, startDir, filter);
}

QString existingDirectory(QWidget *parent, const QString &caption, const QString &startDir)
{
    if (handler())
        return handler()(Folder, caption, startDir);
    return QFileDialog::getExistingDirectory(parent, caption, startDir, QFileDialog::ShowDirsOnly);
}

} // namespace FileChooser
