#include "form/dialog/LanguageDialog.h"
#include "qui/control/ClickableLabel.h"
#include "qui/ui/SectionWidget.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class TestLanguageDialog : public QObject
{
    Q_OBJECT

    static Languages::Records records(int type, const QStringList &codes)
    {
        return Languages::instance().sections(type, codes);
    }

private slots:
    void onlyTheLastSectionHasNoLine()
    {
        LanguageDialog dialog;
        dialog.addSection(QStringLiteral("常用"), records(Languages::TextTranslation, {"zh", "en"}));
        dialog.addSection(QStringLiteral("亚洲"), records(Languages::TextTranslation, {"jp", "kor"}));
        dialog.addSection(QStringLiteral("欧洲"), records(Languages::TextTranslation, {"fra", "de"}));
        QCOMPARE(dialog.sections().size(), 3);
        QVERIFY(!dialog.sections()[0]->isLineHidden());
        QVERIFY(!dialog.sections()[1]->isLineHidden());
        QVERIFY(dialog.sections()[2]->isLineHidden());
        QCOMPARE(dialog.sections()[0]->columnCount(), 4);
        QCOMPARE(dialog.sections()[0]->visibleLabels(), QStringList({"英语", "中文"}));
    }

    void sectionsByCodesFollowTheGivenType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("names");
        QTest::newRow("text translation") << int(Languages::TextTranslation) << 2;
        QTest::newRow("no engine") << int(Languages::NoEngine) << 0;
    }
    void sectionsByCodesFollowTheGivenType()
    {
        QFETCH(int, type);
        QFETCH(int, names);
        LanguageDialog dialog;
        dialog.addSectionByCodes(QStringLiteral("常用"), {"zh", "en"}, type);
        QCOMPARE(dialog.sections().size(), 1);
        QCOMPARE(dialog.sections()[0]->title(), QStringLiteral("常用"));
        QCOMPARE(dialog.sections()[0]->labels().size(), names);
    }

    void keywordFilterIsCaseSensitiveInEverySection_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<QStringList>("second");
        QTest::newRow("empty shows all") << "" << QStringList{"英语", "中文"} << QStringList{"English", "日语"};
        QTest::newRow("中") << "中" << QStringList{"中文"} << QStringList{};
        QTest::newRow("lower case en") << "en" << QStringList{} << QStringList{};
        QTest::newRow("capital En") << "En" << QStringList{} << QStringList{"English"};
    }
    void keywordFilterIsCaseSensitiveInEverySection()
    {
        QFETCH(QString, keyword);
        QFETCH(QStringList, first);
        QFETCH(QStringList, second);
        LanguageDialog dialog;
        dialog.addSection(QStringLiteral("一"), records(Languages::TextTranslation, {"zh", "en"}));
        dialog.addSection(QStringLiteral("二"), {});
        dialog.sections()[1]->addOptions({"English", "日语"}, {"en", "jp"});
        auto *edit = dialog.findChild<QLineEdit *>("leKeyword");
        edit->setText(QStringLiteral("x"));
        edit->setText(keyword);
        QCOMPARE(dialog.sections()[0]->visibleLabels(), first);
        QCOMPARE(dialog.sections()[1]->visibleLabels(), second);
    }

    void choosingANameReportsItAndCloses_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("known");
        QTest::newRow("in the table") << "en" << true;
        QTest::newRow("not in the table") << "xx" << false;
    }
    void choosingANameReportsItAndCloses()
    {
        QFETCH(QString, code);
        QFETCH(bool, known);
        LanguageDialog dialog;
        dialog.addSection(QStringLiteral("一"), {});
        dialog.sections()[0]->addOptions({"Name"}, {code});
        dialog.show();
        QString key;
        const Languages::LangugeSection *chosen = nullptr;
        int calls = 0;
        connect(&dialog, &LanguageDialog::lanuageSelected, this,
                [&](const QString &k, const Languages::LangugeSection *lang) {
                    ++calls;
                    key = k;
                    chosen = lang;
                });
        QTest::mouseClick(dialog.sections()[0]->labels().first(), Qt::LeftButton);
        QCOMPARE(calls, 1);
        QCOMPARE(key, code);
        QCOMPARE(chosen != nullptr, known);
        if (chosen)
            QCOMPARE(chosen->code, code);
        QVERIFY(!dialog.isVisible());
    }

    void aNameReportsTheRecordOfItsOwnSection_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("code");
        QTest::newRow("text translation en") << int(Languages::TextTranslation) << "en";
        QTest::newRow("recognition in pictures auto") << int(Languages::Ocr) << "auto";
        QTest::newRow("speech synthesis zh") << int(Languages::SpeechSynthesis) << "zh";
    }
    // The same code stands for records of several engine types.
    void aNameReportsTheRecordOfItsOwnSection()
    {
        QFETCH(int, type);
        QFETCH(QString, code);
        LanguageDialog dialog;
        dialog.addSection(QStringLiteral("一"), records(type, {code}));
        dialog.show();
        QStringList keys;
        const Languages::LangugeSection *lang = nullptr;
        connect(&dialog, &LanguageDialog::lanuageSelected, this,
                [&](const QString &k, const Languages::LangugeSection *l) {
                    keys << k;
                    lang = l;
                });
        QTest::mouseClick(dialog.sections()[0]->labels().first(), Qt::LeftButton);
        QCOMPARE(keys, QStringList{code});
        QVERIFY(lang);
        QCOMPARE(lang->type, type);
        QCOMPARE(lang->code, code);
    }

    void theCloseButtonHidesTheDialog()
    {
        LanguageDialog dialog;
        dialog.show();
        dialog.findChild<QPushButton *>("btnClose")->click();
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(TestLanguageDialog)
#include "tst_languagedialog.moc"
