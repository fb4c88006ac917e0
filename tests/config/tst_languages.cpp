#include "config/language/Languages.h"
#include "logging/Logger.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

using Section = Languages::LangugeSection;

namespace {

// Translates a few names of the Languages context, as an installed .qm file would.
class EnglishNames : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "Languages") != 0)
            return QString();
        const QString text = QString::fromUtf8(sourceText);
        if (text == QStringLiteral("英语"))
            return QStringLiteral("English");
        if (text == QStringLiteral("中文(普通话)"))
            return QStringLiteral("Chinese (Mandarin)");
        return QString();
    }
    bool isEmpty() const override { return false; }
};

QStringList fullCodes(const Languages::Records &records)
{
    QStringList codes;
    for (const Section *record : records)
        codes << record->fullCode();
    return codes;
}

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT
private slots:
    void everyTypeIsOrderedByKey_data();
    void everyTypeIsOrderedByKey();
    void typeFourAndUnknownTypesAreEmpty();
    void filterKeepsKeyOrderAndMatchesCodes_data();
    void filterKeepsKeyOrderAndMatchesCodes();
    void fullCode_data();
    void fullCode();
    void displayNamesAreParallel();
    void displayFollowsInstalledTranslator();
    void switchLanguage_data();
    void switchLanguage();
    void switchLanguageLogsOutcome();
    void everySpeechLanguageCanBeTranslated();
    void namesAgreeWithTextTranslation();
    void findByKey_data();
    void findByKey();
    void everyRecordIsFoundUnderItsKey();
    void recordDefaultsExist_data();
    void recordDefaultsExist();
};

void TestLanguages::everyTypeIsOrderedByKey_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("minimum");
    QTest::newRow("speech recognition") << 0 << 15;
    QTest::newRow("speech translation") << 1 << 15;
    QTest::newRow("text translation") << 2 << 15;
    QTest::newRow("ocr") << 3 << 15;
    QTest::newRow("speech synthesis") << 5 << 10;
}

void TestLanguages::everyTypeIsOrderedByKey()
{
    QFETCH(int, type);
    QFETCH(int, minimum);
    const Languages::Records records = Languages::instance().sections(type);
    QVERIFY(records.size() >= minimum);
    QSet<QString> seen;
    for (int i = 0; i < records.size(); ++i) {
        const Section *record = records.at(i);
        QCOMPARE(record->type, type);
        QVERIFY(!record->code.isEmpty());
        QVERIFY(!record->name.isEmpty());
        QVERIFY(!record->display.isEmpty());
        QVERIFY2(!seen.contains(record->fullCode()), qPrintable(record->fullCode()));
        seen.insert(record->fullCode());
        if (i > 0)
            QVERIFY2(records.at(i - 1)->key() < record->key(), qPrintable(record->key()));
    }
    // The same pointers every time: callers keep them.
    QCOMPARE(Languages::instance().sections(type), records);
}

void TestLanguages::typeFourAndUnknownTypesAreEmpty()
{
    Languages &languages = Languages::instance();
    QVERIFY(languages.sections(4).isEmpty());
    QVERIFY(languages.sections(4, {QStringLiteral("zh"), QStringLiteral("en"), QStringLiteral("zh_cn")}).isEmpty());
    QVERIFY(languages.sections(-1).isEmpty());
    QVERIFY(languages.sections(6).isEmpty());
    QVERIFY(languages.sections(10).isEmpty());
}

void TestLanguages::filterKeepsKeyOrderAndMatchesCodes_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("order of the table, not of the filter")
        << 2 << QStringList{"zh", "en", "auto"} << QStringList{"auto", "en", "zh"};
    QTest::newRow("unknown codes are ignored")
        << 1 << QStringList{"nosuch", "cn", ""} << QStringList{"cn"};
    QTest::newRow("the code keeps every accent of it")
        << 0 << QStringList{"zh_cn"}
        << QStringList{"zh_cn", "zh_cn,cantonese", "zh_cn,henanese", "zh_cn,lmz"};
    QTest::newRow("a full code is no code") << 0 << QStringList{"zh_cn,lmz"} << QStringList{};
    QTest::newRow("codes of another type") << 3 << QStringList{"en", "zh"} << QStringList{};
    QTest::newRow("codes are case sensitive") << 3 << QStringList{"eng", "ENG"} << QStringList{"ENG"};
}

void TestLanguages::filterKeepsKeyOrderAndMatchesCodes()
{
    QFETCH(int, type);
    QFETCH(QStringList, codes);
    QFETCH(QStringList, expected);
    QCOMPARE(fullCodes(Languages::instance().sections(type, codes)), expected);
}

void TestLanguages::fullCode_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("accent");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no accent") << "en_us" << "" << "en_us";
    QTest::newRow("accent") << "zh_cn" << "cantonese" << "zh_cn,cantonese";
    QTest::newRow("empty") << "" << "" << "";
}

void TestLanguages::fullCode()
{
    QFETCH(QString, code);
    QFETCH(QString, accent);
    QFETCH(QString, expected);
    Section record;
    record.code = code;
    record.accent = accent;
    QCOMPARE(record.fullCode(), expected);
}

void TestLanguages::displayNamesAreParallel()
{
    Languages &languages = Languages::instance();
    const auto chinese = Languages::displayNames(languages.sections(0, {QStringLiteral("zh_cn")}));
    QCOMPARE(chinese.first, (QStringList{"中文(普通话)", "中文(粤语)", "中文(河南话)", "中文(四川话)"}));
    QCOMPARE(chinese.second, (QStringList{"zh_cn", "zh_cn,cantonese", "zh_cn,henanese", "zh_cn,lmz"}));

    for (int type : {0, 1, 2, 3, 5}) {
        const Languages::Records records = languages.sections(type);
        const auto names = Languages::displayNames(records);
        QCOMPARE(names.first.size(), records.size());
        QCOMPARE(names.second.size(), records.size());
        for (int i = 0; i < records.size(); ++i) {
            QCOMPARE(names.first.at(i), records.at(i)->display);
            QCOMPARE(names.second.at(i), records.at(i)->fullCode());
        }
    }

    const auto none = Languages::displayNames({});
    QVERIFY(none.first.isEmpty());
    QVERIFY(none.second.isEmpty());
}

void TestLanguages::displayFollowsInstalledTranslator()
{
    Languages &languages = Languages::instance();
    const Section *english = languages.sections(2, {QStringLiteral("en")}).value(0);
    QVERIFY(english);
    QCOMPARE(english->display, QStringLiteral("英语"));

    EnglishNames translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QCOMPARE(languages.sections(2, {QStringLiteral("en")}).value(0)->display, QStringLiteral("English"));
    QCOMPARE(languages.findByKey(QStringLiteral("0_zh_cn"))->display, QStringLiteral("Chinese (Mandarin)"));
    const auto names = Languages::displayNames(languages.sections(0, {QStringLiteral("zh_cn"), QStringLiteral("en_us")}));
    QCOMPARE(names.first.value(0), QStringLiteral("English"));
    QCOMPARE(names.first.value(1), QStringLiteral("Chinese (Mandarin)"));
    QCOMPARE(names.first.value(2), QStringLiteral("中文(粤语)"));
    QCOMPARE(languages.switchLanguage(1, QStringLiteral("en"), 5)->display, QStringLiteral("English"));

    QVERIFY(QCoreApplication::removeTranslator(&translator));
    QCOMPARE(languages.sections(2, {QStringLiteral("en")}).value(0)->display, QStringLiteral("英语"));
    QCOMPARE(english->display, QStringLiteral("英语"));
}

void TestLanguages::switchLanguage_data()
{
    QTest::addColumn<int>("fromType");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("toType");
    QTest::addColumn<QString>("expected"); // full code; empty for none

    QTest::newRow("mandarin to speech translation") << 0 << "zh_cn" << 1 << "cn";
    QTest::newRow("english to speech translation") << 0 << "en_us" << 1 << "en";
    QTest::newRow("japanese to speech translation") << 0 << "ja_jp" << 1 << "ja";
    QTest::newRow("dialect falls back to the language") << 0 << "zh_cn,cantonese" << 1 << "cn";
    QTest::newRow("dialect keeps its accent where it exists") << 0 << "zh_cn,cantonese" << 5 << "yue";
    QTest::newRow("other dialect falls back to the standard variety") << 0 << "zh_cn,lmz" << 5 << "zh";
    QTest::newRow("speech translation back to mandarin") << 1 << "cn" << 0 << "zh_cn";
    QTest::newRow("translation to speech: english") << 2 << "en" << 5 << "en";
    QTest::newRow("translation to speech: japanese") << 2 << "jp" << 5 << "ja";
    QTest::newRow("translation to speech: korean") << 2 << "kor" << 5 << "ko";
    QTest::newRow("translation to speech: chinese") << 2 << "zh" << 5 << "zh";
    QTest::newRow("translation to speech: cantonese") << 2 << "yue" << 5 << "yue";
    QTest::newRow("traditional chinese is spoken as the standard variety") << 2 << "cht" << 5 << "zh";
    QTest::newRow("classical chinese cannot be spoken") << 2 << "wyw" << 5 << "";
    QTest::newRow("auto cannot be spoken") << 2 << "auto" << 5 << "";
    QTest::newRow("ocr auto to translation auto") << 3 << "auto" << 2 << "auto";
    QTest::newRow("ocr chinese to translation") << 3 << "CHN_ENG" << 2 << "zh";
    QTest::newRow("ocr english to translation") << 3 << "ENG" << 2 << "en";
    QTest::newRow("unknown code") << 0 << "xx_yy" << 1 << "";
    QTest::newRow("empty code") << 0 << "" << 1 << "";
    QTest::newRow("code of another type") << 1 << "zh_cn" << 0 << "";
    QTest::newRow("unknown accent") << 0 << "zh_cn,klingon" << 1 << "";
    QTest::newRow("to type four") << 0 << "zh_cn" << 4 << "";
    QTest::newRow("from type four") << 4 << "zh" << 2 << "";
    QTest::newRow("same type") << 2 << "fra" << 2 << "fra";
}

void TestLanguages::switchLanguage()
{
    QFETCH(int, fromType);
    QFETCH(QString, code);
    QFETCH(int, toType);
    QFETCH(QString, expected);
    const Section *target = Languages::instance().switchLanguage(fromType, code, toType);
    if (expected.isEmpty()) {
        QVERIFY2(!target, target ? qPrintable(target->key()) : "");
        return;
    }
    QVERIFY(target);
    QCOMPARE(target->type, toType);
    QCOMPARE(target->fullCode(), expected);
}

void TestLanguages::switchLanguageLogsOutcome()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("languages.log"));
    QsLogging::Logger &logger = QsLogging::Logger::instance();
    const QString previous = logger.filePath();
    logger.setFileDestination(path, 1024 * 1024, 1);
    Languages::instance().switchLanguage(0, QStringLiteral("en_us"), 1);
    Languages::instance().switchLanguage(2, QStringLiteral("wyw"), 5);
    logger.flush();
    logger.setFileDestination(previous, 1024 * 1024, 1);

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString log = QString::fromUtf8(file.readAll());
    QVERIFY2(log.contains(QStringLiteral("0_en_us")) && log.contains(QStringLiteral("1_en")), qPrintable(log));
    QVERIFY2(log.contains(QStringLiteral("2_wyw")), qPrintable(log));
}

void TestLanguages::everySpeechLanguageCanBeTranslated()
{
    // Voice typing derives the translation source from the speech language and warns when
    // there is none; every language it offers must have one.
    Languages &languages = Languages::instance();
    for (const Section *speech : languages.sections(0)) {
        const Section *translation = languages.switchLanguage(0, speech->fullCode(), 1);
        QVERIFY2(translation, qPrintable(speech->fullCode()));
        QCOMPARE(translation->name, speech->name);
    }
}

void TestLanguages::namesAgreeWithTextTranslation()
{
    // Names carry a language from one engine to another; a misspelt one silently breaks that.
    Languages &languages = Languages::instance();
    QSet<QString> names;
    for (const Section *record : languages.sections(2))
        names.insert(record->name);
    for (int type : {0, 1, 3, 5}) {
        for (const Section *record : languages.sections(type))
            QVERIFY2(names.contains(record->name), qPrintable(record->key() + QLatin1Char(' ') + record->name));
    }
}

void TestLanguages::findByKey_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("type"); // -1: none
    QTest::addColumn<QString>("fullCode");
    QTest::newRow("stored key") << "2_en" << 2 << "en";
    QTest::newRow("stored key with accent") << "0_zh_cn,lmz" << 0 << "zh_cn,lmz";
    QTest::newRow("ocr key") << "3_auto" << 3 << "auto";
    QTest::newRow("bare speech code") << "zh_cn" << 0 << "zh_cn";
    QTest::newRow("bare full code") << "zh_cn,cantonese" << 0 << "zh_cn,cantonese";
    QTest::newRow("bare code of one type") << "CHN_ENG" << 3 << "CHN_ENG";
    QTest::newRow("bare code of several types: first by key") << "en" << 1 << "en";
    QTest::newRow("empty") << "" << -1 << "";
    QTest::newRow("unknown") << "nosuch" << -1 << "";
    QTest::newRow("unknown type") << "9_en" << -1 << "";
    QTest::newRow("code not of that type") << "1_zh_cn" << -1 << "";
    QTest::newRow("keys are case sensitive") << "2_EN" << -1 << "";
}

void TestLanguages::findByKey()
{
    QFETCH(QString, key);
    QFETCH(int, type);
    QFETCH(QString, fullCode);
    const Section *record = Languages::instance().findByKey(key);
    if (type < 0) {
        QVERIFY2(!record, record ? qPrintable(record->key()) : "");
        return;
    }
    QVERIFY(record);
    QCOMPARE(record->type, type);
    QCOMPARE(record->fullCode(), fullCode);
}

void TestLanguages::everyRecordIsFoundUnderItsKey()
{
    Languages &languages = Languages::instance();
    for (int type : {0, 1, 2, 3, 5}) {
        for (const Section *record : languages.sections(type)) {
            QCOMPARE(record->key(), Languages::makeKey(type, record->fullCode()));
            QCOMPARE(languages.findByKey(record->key()), record);
            QCOMPARE(languages.find(type, record->fullCode()), record);
        }
    }
}

void TestLanguages::recordDefaultsExist_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("display");
    QTest::newRow("asr_languageAndAccent") << 0 << "zh_cn" << "中文(普通话)";
    QTest::newRow("translation_fromLanguage") << 1 << "cn" << "中文";
    QTest::newRow("translation_toLanguage") << 1 << "en" << "英语";
    QTest::newRow("getword_tranFromLanguage") << 2 << "auto" << "自动";
    QTest::newRow("getword_tranToLanguage") << 2 << "en" << "英语";
    QTest::newRow("snapshot_tranToLanguage") << 2 << "en" << "英语";
    QTest::newRow("subtitle_identifyLanguage") << 2 << "zh" << "中文";
    QTest::newRow("snapshot_ocrLanguage") << 3 << "auto" << "自动";
}

void TestLanguages::recordDefaultsExist()
{
    QFETCH(int, type);
    QFETCH(QString, code);
    QFETCH(QString, display);
    const Section *record = Languages::instance().find(type, code);
    QVERIFY(record);
    QCOMPARE(record->fullCode(), code);
    QCOMPARE(record->display, display);
    QCOMPARE(Languages::instance().sections(type, {code}).value(0), record);
}

QTEST_GUILESS_MAIN(TestLanguages)
#include "tst_languages.moc"
