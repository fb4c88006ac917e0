// The attributes the program sets before its application object, checked in a process that
// starts as the program does.
#include "form/StartupSequence.h"
#include "form/tab/SharedGlContext.h"

#include <QApplication>
#include <QFile>
#include <QtTest>

class TestStartAttributes : public QObject
{
    Q_OBJECT
private slots:
    void webPagesShareOpenGLContextsWithoutLoadingTheWebEngine()
    {
        QVERIFY(QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts));
        QVERIFY(QCoreApplication::testAttribute(Qt::AA_EnableHighDpiScaling));
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QVERIFY(!maps.readAll().contains("libQt5WebEngine"));
        QVERIFY(!SharedGlContext::isCreated()); // made with the first web page, not at start
    }
};

int main(int argc, char *argv[])
{
    StartupSequence::setApplicationAttributes(); // as main does, before the application object
    QApplication app(argc, argv);
    TestStartAttributes test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startattributes.moc"
