#include "orm/data/BaseVO.h"
#include "orm/data/DatacoreUtil.h"
#include "orm/data/NotifyData.h"
#include "orm/reflection/Reflection.h"
#include "support/TestHome.h"
#include "support/ToastRecorder.h"

#include <QJsonDocument>
#include <QtTest>

namespace {

// A record with one field of every kind.
class SampleRecord : public NotifyData
{
    VB_RECORD(SampleRecord)
public:
    int count = 7;
    qint64 big = 0;
    double ratio = 2.0;
    bool enabled = true;
    QString title = QStringLiteral("标题");
    QString encoded;
    QString when;
};

VB_FIELDS(SampleRecord, nullptr,
          VB_FIELD(SampleRecord, count),
          VB_FIELD(SampleRecord, big),
          VB_FIELD(SampleRecord, ratio),
          VB_FIELD(SampleRecord, enabled),
          VB_FIELD(SampleRecord, title),
          VB_FIELD(SampleRecord, encoded)->percentEncoded(),
          VB_DATETIME_FIELD(SampleRecord, when))

class NamedVO : public BaseVO
{
    VB_RECORD(NamedVO)
public:
    QString name;
};
VB_FIELDS(NamedVO, &BaseVO::staticFieldTable(), VB_FIELD(NamedVO, name))

std::shared_ptr<NamedVO> named(const QString &name)
{
    auto r = std::make_shared<NamedVO>();
    r->name = name;
    return r;
}

} // namespace

class TestRecords : public QObject
{
    Q_OBJECT
private slots:
    void jsonRoundTripKeepsEveryKind()
    {
        SampleRecord a;
        a.count = -42;
        a.big = (qint64(1) << 60) + 3; // beyond a double's exact range
        a.ratio = 0.125;
        a.enabled = false;
        a.title = QStringLiteral("line \"quoted\"\n新行");
        a.encoded = QStringLiteral("a b/c?d=é&中");
        a.when = QStringLiteral("2024-02-29 23:59:58");

        const QJsonObject json = a.toJson();
        QCOMPARE(json.value("entityType").toString(), QStringLiteral("SampleRecord"));
        QVERIFY(!json.value("encoded").toString().contains(QLatin1Char(' ')));

        SampleRecord b;
        QStringList bad;
        b.fromJson(QJsonDocument::fromJson(QJsonDocument(json).toJson()).object(), &bad);
        QVERIFY(bad.isEmpty());
        QCOMPARE(b.count, a.count);
        QCOMPARE(b.big, a.big);
        QCOMPARE(b.ratio, a.ratio);
        QCOMPARE(b.enabled, a.enabled);
        QCOMPARE(b.title, a.title);
        QCOMPARE(b.encoded, a.encoded);
        QCOMPARE(b.when, a.when);
    }

    void malformedJsonValuesAreSkippedOthersKept()
    {
        const QJsonObject json = QJsonDocument::fromJson(R"({"count":"abc","big":1.5,"ratio":"2.5",
            "enabled":"maybe","title":"ok","when":"2024-13-45 99:00:00","entityType":"SampleRecord"})")
                                     .object();
        SampleRecord r;
        QStringList bad;
        r.fromJson(json, &bad);
        bad.sort();
        QCOMPARE(bad, QStringList({"big", "count", "enabled", "when"}));
        QCOMPARE(r.count, 7);
        QCOMPARE(r.ratio, 2.5);
        QCOMPARE(r.title, QStringLiteral("ok"));
        QVERIFY(r.when.isEmpty());
    }

    void setValueConverts_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("input");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("text");

        QTest::newRow("int from text") << "count" << QVariant("25") << true << "25";
        QTest::newRow("int from whole text double") << "count" << QVariant("2.0") << true << "2";
        QTest::newRow("int refuses fraction") << "count" << QVariant(2.5) << false << "7";
        QTest::newRow("int refuses overflow") << "count" << QVariant("99999999999") << false << "7";
        QTest::newRow("int refuses words") << "count" << QVariant("abc") << false << "7";
        QTest::newRow("double from text") << "ratio" << QVariant("3.5") << true << "3.5";
        QTest::newRow("double refuses nan") << "ratio" << QVariant("nan") << false << "2";
        QTest::newRow("double refuses bool") << "ratio" << QVariant(true) << false << "2";
        QTest::newRow("bool from text") << "enabled" << QVariant("false") << true << "false";
        QTest::newRow("bool from 0") << "enabled" << QVariant(0) << true << "false";
        QTest::newRow("bool refuses 2") << "enabled" << QVariant(2) << false << "true";
        QTest::newRow("text from number") << "title" << QVariant(12) << true << "12";
        QTest::newRow("datetime valid") << "when" << QVariant("2023-01-02 03:04:05") << true
                                        << "2023-01-02 03:04:05";
        QTest::newRow("datetime invalid") << "when" << QVariant("yesterday") << false << "";
        QTest::newRow("missing field") << "nope" << QVariant(1) << false << "";
    }

    void setValueConverts()
    {
        QFETCH(QString, field);
        QFETCH(QVariant, input);
        QFETCH(bool, accepted);
        QFETCH(QString, text);
        SampleRecord r;
        int calls = 0;
        r.addNotifyHandler([&](const QString &, const QVariant &, const QVariant &) { ++calls; });
        QCOMPARE(r.setValue(field, input), accepted);
        QCOMPARE(r.text(field), text);
        QCOMPARE(calls, accepted && field != QLatin1String("nope") ? 1 : 0);
    }

    void handlersSeeOldAndNewInOrderAndOnlyOnChange()
    {
        SampleRecord r;
        QStringList log;
        r.addNotifyHandler([&](const QString &f, const QVariant &o, const QVariant &n) {
            log << QStringLiteral("A %1 %2->%3").arg(f, o.toString(), n.toString());
        });
        r.addNotifyHandler([&](const QString &f, const QVariant &, const QVariant &) { log << "B " + f; });
        QVERIFY(r.setValueFromString("count", "8"));
        QVERIFY(r.setValue("count", 8)); // unchanged: nobody is told
        QVERIFY(r.setValue("ratio", "2")); // 2 == 2.0: unchanged
        QCOMPARE(log, QStringList({"A count 7->8", "B count"}));
    }

    void removedHandlersAreNotCalled()
    {
        SampleRecord r;
        int a = 0, b = 0;
        int idB = 0;
        // A removes B while the record is notifying: B must not run on a dead owner.
        const int idA = r.addNotifyHandler([&](const QString &, const QVariant &, const QVariant &) {
            ++a;
            r.removeNotifyHandler(idB);
        });
        idB = r.addNotifyHandler([&](const QString &, const QVariant &, const QVariant &) { ++b; });
        r.setValue("count", 1);
        QCOMPARE(a, 1);
        QCOMPARE(b, 0);
        QVERIFY(r.removeNotifyHandler(idA));
        QVERIFY(!r.removeNotifyHandler(idA));
        r.setValue("count", 2);
        QCOMPARE(a, 1);
        QCOMPARE(r.notifyHandlerCount(), 0);
    }

    void copiesCarryValuesNotHandlers()
    {
        SampleRecord r;
        int calls = 0;
        r.addNotifyHandler([&](const QString &, const QVariant &, const QVariant &) { ++calls; });
        r.setValue("count", 3);
        SampleRecord copy(r);
        QCOMPARE(copy.count, 3);
        copy.setValue("count", 4);
        QCOMPARE(calls, 1);
        QCOMPARE(copy.notifyHandlerCount(), 0);
        r = copy; // assignment keeps r's own handler
        QCOMPARE(r.count, 4);
        r.setValue("count", 5);
        QCOMPARE(calls, 2);
    }

    void findFieldAndValue()
    {
        SampleRecord r;
        QVERIFY(Reflection::findField(r.fieldTable(), "ratio"));
        QVERIFY(!Reflection::findField(r.fieldTable(), "missing"));
        QVERIFY(!r.value("missing").isValid());
        QCOMPARE(r.value("ratio").toDouble(), 2.0);
        QCOMPARE(NamedVO::staticFieldTable().names(), QStringList({"id", "name"}));
    }

    void sortByField_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<bool>("ascending");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("case-insensitive") << QStringList{"b", "A", "c"} << true << QStringList{"A", "b", "c"};
        QTest::newRow("empty last") << QStringList{"", "z", "a"} << true << QStringList{"a", "z", ""};
        QTest::newRow("Default first") << QStringList{"b", "Default", "a"} << true
                                       << QStringList{"Default", "a", "b"};
        QTest::newRow("descending reverses") << QStringList{"b", "Default", "a"} << false
                                             << QStringList{"b", "a", "Default"};
        QTest::newRow("stable for equal keys") << QStringList{"X", "x"} << true << QStringList{"X", "x"};
    }

    void sortByField()
    {
        QFETCH(QStringList, names);
        QFETCH(bool, ascending);
        QFETCH(QStringList, expected);
        QVector<std::shared_ptr<NamedVO>> list;
        for (const QString &n : names)
            list << named(n);
        DatacoreUtil::sortByField(list, "name", ascending);
        QStringList got;
        for (const auto &r : list)
            got << r->name;
        QCOMPARE(got, expected);
    }

    void saveToFileWritesOneArray()
    {
        TestHome home;
        QVector<std::shared_ptr<NamedVO>> list{named("a"), named("b")};
        QCOMPARE(DatacoreUtil::saveToFile(list, home.file("out/list.json")), 0);
        const QJsonArray array = QJsonDocument::fromJson(home.read("out/list.json")).array();
        QCOMPARE(array.size(), 2);
        QCOMPARE(array.at(1).toObject().value("name").toString(), QStringLiteral("b"));
        QCOMPARE(array.at(0).toObject().value("entityType").toString(), QStringLiteral("NamedVO"));
    }

    void saveToFileReportsUnwritablePath()
    {
        TestHome home;
        home.write("blocker", "x"); // a file where a folder is needed
        ToastRecorder toasts;
        QVector<std::shared_ptr<NamedVO>> list{named("a")};
        QCOMPARE(DatacoreUtil::saveToFile(list, home.file("blocker/list.json")), 1);
        QCOMPARE(toasts.entries.size(), 1);
        QCOMPARE(toasts.entries[0].type, 2);
        QCOMPARE(toasts.entries[0].text,
                 QStringLiteral("创建或写入文件失败, 请修改文件权限或者将程序安装到非系统盘!"));
    }
};

QTEST_MAIN(TestRecords)
#include "tst_records.moc"
