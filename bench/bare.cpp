// The floor for the start-up benchmark: a bare Qt Widgets program with one empty main window,
// built with the same flags. It logs the same line as the program when its event loop runs.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char *argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication app(argc, argv);
    QMainWindow window;
    if (!app.arguments().contains(QStringLiteral("-h")))
        window.show();
    QTimer::singleShot(0, &app, [&sinceStart] {
        const QString dir = qEnvironmentVariable("VELLOBOX_HOME") + QStringLiteral("/log");
        QDir().mkpath(dir);
        QFile log(dir + QStringLiteral("/log.txt"));
        if (log.open(QIODevice::WriteOnly | QIODevice::Append))
            log.write(QStringLiteral("event loop running after %1 ms\n").arg(sinceStart.elapsed()).toUtf8());
    });
    return app.exec();
}
