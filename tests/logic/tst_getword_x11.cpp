// Word pick on the real X server: another program's selections reach the translation.
#include "config/Configurations.h"
#include "config/MouseSetting.h"
#include "device/DeviceContext.h"
#include "logic/businessLogic/GetwordTranslateImpl.h"
#include "support/LoopbackHttpServer.h"
#include "support/LoopbackTranslation.h"
#include "support/StdinLines.h"
#include "support/TestHome.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>
#include <cstdio>

namespace {
// The program the user selects text in: this executable run with "--selector". On standard
// input "select <text>" makes it own the selection with that text and prints "ok".
int runSelector(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    StdinLines commands([](const QByteArray &line) {
        if (line.startsWith("select ")) {
            QGuiApplication::clipboard()->setText(QString::fromUtf8(line.mid(7)), QClipboard::Selection);
            std::printf("ok\n");
            std::fflush(stdout);
        }
    });
    return app.exec();
}
} // namespace

class TestGetwordX11 : public QObject
{
    Q_OBJECT
private slots:
    void sameWordSelectedAgainIsTranslatedAgain()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs the X server");
        TestHome home;
        LoopbackHttpServer server;
        server.setReply(QLatin1String(LoopbackTranslation::kPath), LoopbackTranslation::answer("apple", "苹果", "en", "zh"));
        LoopbackTranslation::configure(server);

        QProcess selector;
        selector.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        selector.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--selector")});
        QVERIFY(selector.waitForStarted());
        auto select = [&selector](const QByteArray &text) {
            selector.write("select " + text + '\n');
            return QTest::qWaitFor([&selector] { return selector.canReadLine(); }, 5000) && selector.readLine().trimmed() == "ok";
        };

        MouseSetting setting;
        DeviceContext context;
        context.setting = &setting;
        auto &getword = GetwordTranslateImpl::instance();
        getword.start(&context);
        QSignalSpy shown(&getword, &GetwordTranslateImpl::showResult);

        QVERIFY(select("apple"));
        QTRY_COMPARE_WITH_TIMEOUT(shown.size(), 1, 5000);
        // The popup has faded; the user selects the same word again.
        QVERIFY(select("apple"));
        QTRY_COMPARE_WITH_TIMEOUT(shown.size(), 2, 5000);
        QCOMPARE(shown[1][1].toString(), QStringLiteral("apple"));
        QCOMPARE(shown[1][2].toString(), QStringLiteral("苹果"));

        getword.stop();
        selector.closeWriteChannel();
        if (!selector.waitForFinished(5000))
            selector.kill();
    }
};

int main(int argc, char **argv)
{
    if (argc >= 2 && qstrcmp(argv[1], "--selector") == 0)
        return runSelector(argc, argv);
    QGuiApplication app(argc, argv);
    TestGetwordX11 test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_getword_x11.moc"
