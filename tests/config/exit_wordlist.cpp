// Ends the program at an awkward moment of its word lists, in a process of its own.
// Without arguments: adds a hot word in a folder where nothing can be written and, once its
// background write has failed, quits as the program does.
// "read": reads the hot words, says so and waits, without running the event loop, to be killed
// before anything else happens.
#include "config/HotWordStore.h"

#include <QApplication>
#include <QThread>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    auto &list = HotWordStore::instance().hotwords();
    if (app.arguments().value(1) == QLatin1String("read")) {
        std::fputs("hot words read\n", stderr);
        std::fflush(stderr);
        QThread::sleep(60);
        return 1;
    }
    HotwordVO word;
    word.hotword = QStringLiteral("kept");
    list.appendAll({word});
    QObject::connect(list.writer(), &ListWriter::written, &app, [] {
        std::fputs("quitting\n", stderr);
        std::fflush(stderr);
        QCoreApplication::quit();
    });
    return app.exec();
}
