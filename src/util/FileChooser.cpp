#include "util/FileChooser.h"

#include <QFileDialog>

namespace {
FileChooser::Handler &handler()
{
    static FileChooser::Handler h;
    return h;
}
} // namespace

QString FileChooser::openFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    if (handler())
        return handler()(Open, caption, filter);
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString FileChooser::saveFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    if (handler())
        return handler()(Save, caption, filter);
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}

void FileChooser::setHandler(Handler h)
{
    handler() = std::move(h);
}
