// Adds a hot word in a folder where nothing can be written and, once its background write has
// failed, quits as the program does.
#include "config/HotWordStore.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    HotwordVO word;
    word.hotword = QStringLiteral("kept");
    auto &list = HotWordStore::instance().hotwords();
    list.appendAll({word});
    QObject::connect(list.writer(), &ListWriter::written, &app, [] {
        std::fputs("quitting\n", stderr);
        std::fflush(stderr);
        QCoreApplication::quit();
    });
    return app.exec();
}
