#include "support/TestHome.h"
#include "util/AppHelper.h"
#include "util/CrashHandler.h"
#include "util/MediaHelper.h"

#include <QApplication>
#include <QProcess>
#include <QtEndian>
#include <QtTest>
#include <csignal>
#include <cstring>

class TestAppHelper : public QObject
{
    Q_OBJECT
private slots:
    void programFolderFollowsTheEnvironment()
    {
        TestHome home;
        QCOMPARE(AppHelper::programDir(), QDir(home.path()).absolutePath());
    }

    void textBetween_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("middle") << "a=1&Expires=1700&b=2" << "Expires" << "1700";
        QTest::newRow("any case") << "x?EXPIRES=99" << "expires" << "99";
        QTest::newRow("to the end") << "code=abc" << "code" << "abc";
        QTest::newRow("absent") << "a=1&b=2" << "c" << "";
        QTest::newRow("empty value") << "a=&b=2" << "a" << "";
    }

    void textBetween()
    {
        QFETCH(QString, text);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QCOMPARE(AppHelper::textBetween(text, key), value);
    }

    void checkResource()
    {
        TestHome home;
        home.write("assets/help/help1.html", "<html/>");
        QCOMPARE(AppHelper::checkResource("/assets/help/help1.html"), home.file("assets/help/help1.html"));
        QCOMPARE(AppHelper::checkResource("/assets/help/help2.html"), QString());
    }

    void volumeDb_data()
    {
        QTest::addColumn<QVector<qint16>>("samples");
        QTest::addColumn<int>("db");
        QTest::newRow("silence") << QVector<qint16>(512, 0) << 0;
        QTest::newRow("full scale") << QVector<qint16>{32767, -32768, 32767, -32768} << 90;
        QTest::newRow("mean 100") << QVector<qint16>{100, -100, 100, -100} << 40;
        QTest::newRow("mean 1") << QVector<qint16>{1, -1} << 0;
        QTest::newRow("mean 10") << QVector<qint16>{20, 0} << 20;
    }

    void volumeDb()
    {
        QFETCH(QVector<qint16>, samples);
        QFETCH(int, db);
        QByteArray bytes(samples.size() * 2, Qt::Uninitialized);
        for (int i = 0; i < samples.size(); ++i)
            qToLittleEndian<qint16>(samples[i], bytes.data() + 2 * i);
        QCOMPARE(MediaHelper::volumeDb(bytes.constData(), bytes.size()), db);
    }

    void volumeDbOfNothing()
    {
        QCOMPARE(MediaHelper::volumeDb(nullptr, 100), 0);
        QCOMPARE(MediaHelper::volumeDb("\x01", 1), 0); // half a sample
    }

    void tableLayoutFromTheProgramFolder()
    {
        TestHome home;
        home.write("config/uiConfig/table/Sample.xml",
                   "<Table name=\"Sample\">"
                   "<Column Name=\"c1\" FieldName=\"keyword\" FieldDisplayName=\"指令词\" Edited=\"true\" Width=\"120\" Validation=\"Required\"/>"
                   "<Column Name=\"c2\" FieldName=\"content\" FieldDisplayName=\"内容\"/>"
                   "</Table>");
        const auto columns = AppHelper::loadDataConfig("Sample");
        QCOMPARE(columns.size(), 2);
        QCOMPARE(columns[0].fieldName, QStringLiteral("keyword"));
        QCOMPARE(columns[0].fieldDisplayName, QStringLiteral("指令词"));
        QCOMPARE(columns[0].edited, true);
        QCOMPARE(columns[0].width, 120);
        QCOMPARE(columns[0].validation, QStringLiteral("Required"));
        QCOMPARE(columns[1].edited, false);
        QCOMPARE(columns[1].width, 0);
    }

    void malformedOrMissingTableLayout()
    {
        TestHome home;
        home.write("config/uiConfig/table/Broken.xml", "<Table><Column Name=");
        QVERIFY(AppHelper::loadDataConfig("Broken").isEmpty());
        QVERIFY(AppHelper::loadDataConfig("NoSuchTable").isEmpty());
        QString error;
        AppHelper::parseDataConfig("<Table><Column", &error);
        QVERIFY(!error.isEmpty());
    }

    void hostileLayoutFallsBackToTheBuiltInOne_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QByteArray deep;
        for (int i = 0; i < 50000; ++i)
            deep += "<a>";
        QTest::newRow("50000 levels") << deep;
        QTest::newRow("too large") << QByteArray("<Table>") + QByteArray(AppHelper::MaxLayoutBytes, ' ') + "</Table>";
        QTest::newRow("malformed") << QByteArray("<Table><Column Name=");
    }
    void hostileLayoutFallsBackToTheBuiltInOne()
    {
        QFETCH(QByteArray, xml);
        TestHome home;
        const auto builtIn = AppHelper::loadDataConfig("AudioRecordVO");
        QVERIFY(!builtIn.isEmpty());
        home.write("config/uiConfig/table/AudioRecordVO.xml", xml);
        const auto columns = AppHelper::loadDataConfig("AudioRecordVO");
        QCOMPARE(columns.size(), builtIn.size());
        QCOMPARE(columns.first().fieldName, builtIn.first().fieldName);
        QString error;
        QVERIFY(AppHelper::parseDataConfig(xml, &error).isEmpty());
        QVERIFY(!error.isEmpty());
    }

    void keepAsideNeverOverwrites()
    {
        TestHome home;
        home.write("a.json", "1");
        QCOMPARE(AppHelper::keepAside(home.file("a.json")), home.file("a.json.bad"));
        home.write("a.json", "2");
        QCOMPARE(AppHelper::keepAside(home.file("a.json")), home.file("a.json.bad.2"));
        QCOMPARE(home.read("a.json.bad"), QByteArray("1"));
        QCOMPARE(home.read("a.json.bad.2"), QByteArray("2"));
    }

    void microphoneTestState()
    {
        QCOMPARE(AppHelper::instance().microphoneTestState(), 0);
        AppHelper::instance().setMicrophoneTestState(1);
        QCOMPARE(AppHelper::instance().microphoneTestState(), 1);
        AppHelper::instance().setMicrophoneTestState(0);
    }

    void crashWritesAReportAndKeepsEarlierOnes()
    {
        QTemporaryDir dir;
        QFile earlier(dir.filePath("vellobox-1-1.dmp"));
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
        earlier.close();

        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--crash", dir.path()});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        const QStringList dumps = QDir(dir.path()).entryList({"*.dmp"}, QDir::Files);
        QCOMPARE(dumps.size(), 2);
        QCOMPARE(earlier.open(QIODevice::ReadOnly), true);
        QCOMPARE(earlier.readAll(), QByteArray("earlier"));
        QString fresh = dumps[0] == "vellobox-1-1.dmp" ? dumps[1] : dumps[0];
        QFile report(dir.filePath(fresh));
        QVERIFY(report.open(QIODevice::ReadOnly));
        const QByteArray text = report.readAll();
        QVERIFY2(text.contains("signal: SIGSEGV"), text.constData());
        QVERIFY(text.contains("version: 9.9.9"));
        QVERIFY(text.contains("backtrace:"));
    }
};

int main(int argc, char *argv[])
{
    if (argc == 3 && std::strcmp(argv[1], "--crash") == 0) {
        CrashHandler::install(QString::fromLocal8Bit(argv[2]), QStringLiteral("9.9.9"));
        std::raise(SIGSEGV);
        return 0;
    }
    QApplication app(argc, argv);
    TestAppHelper test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_apphelper.moc"
