#include "logic/businessLogic/FunctionCatalog.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QtTest>

class TestFunctionCatalog : public QObject
{
    Q_OBJECT
private slots:
    void names_data()
    {
        QTest::addColumn<int>("base");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("name");
        const struct { int base, id; const char *name; } rows[] = {
            {0, 0, "聚光灯"}, {0, 1, "放大镜"}, {0, 2, "数码光"}, {0, 3, "飞鼠"},
            {1000, 7, "语音打字"}, {1000, 8, "翻译打字"}, {1000, 9, "截屏翻译"}, {1000, 11, "回车"},
            {1000, 12, "回退"}, {1000, 14, "返回桌面"}, {1000, 15, "自定义快捷键"}, {1000, 16, "语音搜索"},
            {1000, 17, "一键百度"}, {1000, 18, "切换窗口"}, {1000, 19, "一键打开网页"},
            {2000, 0, "程序/文件"}, {2000, 1, "文件夹"}, {2000, 2, "网址"},
        };
        for (const auto &r : rows)
            QTest::addRow("%d+%d", r.base, r.id) << r.base << r.id << QString::fromUtf8(r.name);
    }
    void names()
    {
        QFETCH(int, base);
        QFETCH(int, id);
        QFETCH(QString, name);
        QCOMPARE(FunctionCatalog::name(base, id), name);
        // The key is base + id: the same key reached from base 0 gives the same name.
        QCOMPARE(FunctionCatalog::name(0, base + id), name);
    }

    void unknownKeysHaveNoName_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("presenter 4") << 4;
        QTest::newRow("recording") << 1000;
        QTest::newRow("air mouse") << 1013;
        QTest::newRow("auto keyword") << 2003;
    }
    void unknownKeysHaveNoName()
    {
        QFETCH(int, key);
        QVERIFY(FunctionCatalog::name(0, key).isEmpty());
        QVERIFY(!FunctionCatalog::contains(0, key));
    }

    void fillComboBoxKeepsListOrderAndIds()
    {
        QComboBox combo;
        combo.addItem(QStringLiteral("existing"), -1);
        FunctionCatalog::fillComboBox(&combo, 1000, {11, 8, 16, 7, 14, 15});
        QCOMPARE(combo.count(), 7);
        const QStringList texts{"回车", "翻译打字", "语音搜索", "语音打字", "返回桌面", "自定义快捷键"};
        const QList<int> ids{11, 8, 16, 7, 14, 15};
        for (int i = 0; i < ids.size(); ++i) {
            QCOMPARE(combo.itemText(i + 1), texts[i]);
            QCOMPARE(combo.itemData(i + 1, Qt::UserRole).toInt(), ids[i]);
        }
        FunctionCatalog::fillComboBox(nullptr, 0, {1}); // no combo: nothing happens
    }

    void fillingAnEmptyComboAnnouncesNoChoice()
    {
        // A bound combo writes its record on these signals: filling is not a choice.
        QComboBox combo;
        QSignalSpy index(&combo, QOverload<int>::of(&QComboBox::currentIndexChanged));
        QSignalSpy text(&combo, &QComboBox::currentTextChanged);
        FunctionCatalog::fillComboBox(&combo, 1000, {7, 8});
        QCOMPARE(combo.count(), 2);
        QCOMPARE(index.count(), 0);
        QCOMPARE(text.count(), 0);
        QVERIFY(!combo.signalsBlocked());
    }
};

QTEST_MAIN(TestFunctionCatalog)
#include "tst_functioncatalog.moc"
