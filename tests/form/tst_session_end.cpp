// The session ending (SIGTERM) or Ctrl+C (SIGINT) takes the program through its orderly exit:
// settings saved, exit status 0.
#include "support/TestHome.h"

#include <QProcess>
#include <QtTest>

#include <signal.h>

class TestSessionEnd : public QObject
{
    Q_OBJECT

private slots:
    void signalEndsTheProgramInOrder_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
    }

    void signalEndsTheProgramInOrder()
    {
        QFETCH(int, signalNumber);
        TestHome home;
        QTemporaryDir runtime;
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VELLOBOX_HOME"), home.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.start(QStringLiteral(VB_PROGRAM), {QStringLiteral("-h")});
        QVERIFY(program.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(home.read(QStringLiteral("log/log.txt")).contains("event loop running"), 20000);

        ::kill(pid_t(program.processId()), signalNumber);
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        const QByteArray log = home.read(QStringLiteral("log/log.txt"));
        QVERIFY(log.contains("quitting: saving the device settings"));
        QVERIFY(log.contains("exits with 0"));
    }
};

QTEST_MAIN(TestSessionEnd)
#include "tst_session_end.moc"
