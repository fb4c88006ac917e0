#include "DevicePageHome.h"

#include "config/MouseSetting.h"
#include "config/language/Languages.h"
#include "databinding/FormItem.h"
#include "databinding/ZComboBox.h"
#include "device/mouse/common/ui/TypingTab.h"
#include "qui/control/ImageSwitch.h"
#include "support/ToastRecorder.h"
#include "support/InterfaceLanguage.h"
#include "util/InterfaceTranslation.h"

#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

class TestTypingTab : public QObject
{
    Q_OBJECT

    static ZComboBox *combo(TypingTab &page, const char *name) { return page.findChild<ZComboBox *>(name); }
    static ZComboBox *outputMode(TypingTab &page)
    {
        return page.findChild<FormItem *>(QStringLiteral("fiOutputMode"))->comboBox();
    }
    static int indexOf(ZComboBox *box, const QString &value) { return box->findValue(value); }

private slots:
    void newRecordShowsTheDefaults()
    {
        DevicePageHome device(std::make_unique<MouseSetting>());
        TypingTab page;
        page.setContext(&device.context);

        QCOMPARE(page.nativeLanguageRowCombo()->currentData().toString(), QStringLiteral("zh_cn"));
        QCOMPARE(combo(page, "cbNativeLang")->currentData().toString(), QStringLiteral("zh_cn"));
        QCOMPARE(outputMode(page)->currentText(), QStringLiteral("动态模式"));
        auto *ptt = page.findChild<FormItem *>(QStringLiteral("fiSmartPunctuation"));
        QVERIFY(ptt->imageSwitch()->isChecked());
        QCOMPARE(ptt->height(), 48);
        QCOMPARE(combo(page, "cbTranLang")->currentData().toString(), QStringLiteral("en"));
        QCOMPARE(outputMode(page)->count(), 3);
        QCOMPARE(combo(page, "cbNativeLang")->count(),
                 Languages::instance().sections(Languages::SpeechRecognition).size());
        QCOMPARE(combo(page, "cbTranLang")->count(),
                 Languages::instance().sections(Languages::SpeechTranslation).size());
    }

    void outputModeIsStored_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("stored");
        QTest::newRow("兼容模式") << QStringLiteral("兼容模式") << 0;
        QTest::newRow("浮框模式") << QStringLiteral("浮框模式") << 2;
        QTest::newRow("动态模式 again") << QStringLiteral("动态模式") << 1;
    }

    void outputModeIsStored()
    {
        QFETCH(QString, text);
        QFETCH(int, stored);
        DevicePageHome device(std::make_unique<MouseSetting>(), {{QStringLiteral("asr_typingOutputMode"), 2}});
        TypingTab page;
        page.setContext(&device.context);
        outputMode(page)->setCurrentIndex(outputMode(page)->findText(text));
        QCOMPARE(device.stored().value(QStringLiteral("asr_typingOutputMode")).toInt(), stored);
    }

    void smartPunctuationSwitchIsStored()
    {
        DevicePageHome device(std::make_unique<MouseSetting>());
        TypingTab page;
        page.setContext(&device.context);
        ImageSwitch *sw = page.findChild<FormItem *>(QStringLiteral("fiSmartPunctuation"))->imageSwitch();
        QTest::mouseClick(sw, Qt::LeftButton);
        QCOMPARE(device.stored().value(QStringLiteral("asr_enablePtt")).toBool(), false);
    }

    // Whichever recognition combo the user changes, the other follows, the translation source
    // follows the language, and nothing is toasted for a language that can be translated.
    void recognitionCombosStayInStep_data()
    {
        QTest::addColumn<bool>("fromRow");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("source");
        QTest::newRow("row: English") << true << QStringLiteral("en_us") << QStringLiteral("en");
        QTest::newRow("row: Cantonese") << true << QStringLiteral("zh_cn,cantonese") << QStringLiteral("cn");
        QTest::newRow("lower: Japanese") << false << QStringLiteral("ja_jp") << QStringLiteral("ja");
        QTest::newRow("lower: Turkish") << false << QStringLiteral("tr_tr") << QStringLiteral("tr");
    }

    void recognitionCombosStayInStep()
    {
        QFETCH(bool, fromRow);
        QFETCH(QString, code);
        QFETCH(QString, source);
        DevicePageHome device(std::make_unique<MouseSetting>());
        TypingTab page;
        page.setContext(&device.context);
        ToastRecorder toasts;

        ZComboBox *changed = fromRow ? page.nativeLanguageRowCombo() : combo(page, "cbNativeLang");
        ZComboBox *other = fromRow ? combo(page, "cbNativeLang") : page.nativeLanguageRowCombo();
        changed->setCurrentIndex(indexOf(changed, code));

        QCOMPARE(other->currentData().toString(), code);
        QCOMPARE(other->currentText(), changed->currentText());
        const QJsonObject stored = device.stored();
        QCOMPARE(stored.value(QStringLiteral("asr_languageAndAccent")).toString(), code);
        QCOMPARE(stored.value(QStringLiteral("translation_fromLanguage")).toString(), source);
        QVERIFY(toasts.entries.isEmpty());
    }

    void languageWithoutTranslationWarnsOnceAndKeepsTheSource()
    {
        DevicePageHome device(std::make_unique<MouseSetting>(),
                              {{QStringLiteral("translation_fromLanguage"), QStringLiteral("ja")}});
        TypingTab page;
        page.setContext(&device.context);
        // A recognition language that the translation engine does not know.
        ZComboBox *lower = combo(page, "cbNativeLang");
        QStringList texts, values;
        for (int i = 0; i < lower->count(); ++i) {
            texts << lower->itemText(i);
            values << lower->itemData(i).toString();
        }
        texts << QStringLiteral("克林贡语");
        values << QStringLiteral("tlh_tlh");
        lower->setItems(texts, values);
        ToastRecorder toasts;

        lower->setCurrentIndex(lower->count() - 1);

        QCOMPARE(toasts.entries.size(), 1);
        QCOMPARE(toasts.entries.at(0).type, 1);
        QCOMPARE(toasts.entries.at(0).msec, 2000);
        QCOMPARE(toasts.entries.at(0).text, QStringLiteral("翻译语言不支持克林贡语,设置会导致翻译无法生效!"));
        const QJsonObject stored = device.stored();
        QCOMPARE(stored.value(QStringLiteral("asr_languageAndAccent")).toString(), QStringLiteral("tlh_tlh"));
        QCOMPARE(stored.value(QStringLiteral("translation_fromLanguage")).toString(), QStringLiteral("ja"));
        // The row combo has no such item: it shows none rather than a wrong language.
        QCOMPARE(page.nativeLanguageRowCombo()->currentIndex(), -1);
    }

    // Editable language combos store listed languages only, and only on an index change.
    void typedTextIsNeverStored_data()
    {
        QTest::addColumn<QString>("comboName");
        QTest::addColumn<QString>("typed");
        QTest::newRow("row, unknown") << QString() << QStringLiteral("xyz");
        QTest::newRow("lower, unknown") << QStringLiteral("cbNativeLang") << QStringLiteral("xyz");
        QTest::newRow("lower, part of a name") << QStringLiteral("cbNativeLang") << QStringLiteral("语");
        QTest::newRow("target, unknown") << QStringLiteral("cbTranLang") << QStringLiteral("xyz");
    }

    void typedTextIsNeverStored()
    {
        QFETCH(QString, comboName);
        QFETCH(QString, typed);
        DevicePageHome device(std::make_unique<MouseSetting>());
        TypingTab page;
        page.setContext(&device.context);
        ZComboBox *box = comboName.isEmpty() ? page.nativeLanguageRowCombo()
                                             : page.findChild<ZComboBox *>(comboName);
        QVERIFY(box->isEditable());
        QCOMPARE(box->insertPolicy(), QComboBox::NoInsert);
        const QByteArray before = device.fileBytes();
        const int count = box->count();
        ToastRecorder toasts;

        box->lineEdit()->selectAll();
        for (const QChar c : typed) // keyClicks takes ASCII only
            QTest::sendKeyEvent(QTest::Click, box->lineEdit(), Qt::Key_unknown, QString(c), Qt::NoModifier);
        QCOMPARE(box->lineEdit()->text(), typed);
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);

        QCOMPARE(device.fileBytes(), before);
        QCOMPARE(box->count(), count);
        QVERIFY(toasts.entries.isEmpty());
    }

    void completionOffersEveryLanguageContainingTheText_data()
    {
        QTest::addColumn<QString>("comboName");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("typed");
        QTest::newRow("row, 中文") << QString() << int(Languages::SpeechRecognition) << QStringLiteral("中文");
        QTest::newRow("lower, 语") << QStringLiteral("cbNativeLang") << int(Languages::SpeechRecognition)
                                  << QStringLiteral("语");
        QTest::newRow("target, 兰") << QStringLiteral("cbTranLang") << int(Languages::SpeechTranslation)
                                   << QStringLiteral("兰");
    }

    void completionOffersEveryLanguageContainingTheText()
    {
        QFETCH(QString, comboName);
        QFETCH(int, type);
        QFETCH(QString, typed);
        TypingTab page;
        ZComboBox *box = comboName.isEmpty() ? page.nativeLanguageRowCombo()
                                             : page.findChild<ZComboBox *>(comboName);
        QStringList expected;
        const QStringList all = Languages::displayNames(Languages::instance().sections(type)).first;
        for (const QString &name : all) {
            if (name.contains(typed))
                expected << name;
        }
        QVERIFY(expected.size() > 1);
        QCompleter *completer = box->completer();
        QVERIFY(completer);
        completer->setCompletionPrefix(typed);
        QStringList offered;
        for (int i = 0; completer->setCurrentRow(i); ++i)
            offered << completer->currentCompletion();
        QCOMPARE(offered, expected);
    }

    void bindingWritesNothingAndToastsNothing()
    {
        DevicePageHome device(std::make_unique<MouseSetting>(),
                              {{QStringLiteral("asr_languageAndAccent"), QStringLiteral("fr_fr")},
                               {QStringLiteral("translation_fromLanguage"), QStringLiteral("cn")}});
        const QByteArray before = device.fileBytes();
        ToastRecorder toasts;
        TypingTab page;
        page.setContext(&device.context);
        QCOMPARE(page.nativeLanguageRowCombo()->currentData().toString(), QStringLiteral("fr_fr"));
        QCOMPARE(device.fileBytes(), before);
        QVERIFY(toasts.entries.isEmpty());
    }

    void pageWithoutDeviceStoresNothing()
    {
        ToastRecorder toasts;
        TypingTab page;
        page.setContext(nullptr);
        page.nativeLanguageRowCombo()->setCurrentIndex(3);
        QVERIFY(toasts.entries.isEmpty());
    }

    // The smart-punctuation row is 48 px high: its title and description each keep to one line.
    void smartPunctuationRowShowsItsWholeText_data()
    {
        InterfaceLanguage::addRows();
    }

    void smartPunctuationRowShowsItsWholeText()
    {
        QFETCH(QString, lang);
        InterfaceLanguage language(lang);
        QVERIFY(language.isReady());
        DevicePageHome device(std::make_unique<MouseSetting>());
        TypingTab page;
        language.uninstall();
        page.setContext(&device.context);
        page.resize(860, 600);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        auto *row = page.findChild<FormItem *>(QStringLiteral("fiSmartPunctuation"));
        QCOMPARE(row->height(), 48);
        QLabel *text = row->label();
        QVERIFY2(text->heightForWidth(text->width()) <= text->height(),
                 qPrintable(QStringLiteral("%1 px wide, needs %2 px of %3").arg(text->width())
                                .arg(text->heightForWidth(text->width())).arg(text->height())));
    }

    // Turkish ships without translations of its own: it shows what Chinese shows, never the
    // key that stands as the description's source.
    void aLanguageWithoutItsOwnCatalogueShowsTheChineseDescription()
    {
        const auto rowShown = [](const QString &language) {
            const InterfaceTranslation translation(language);
            TypingTab page;
            return page.findChild<FormItem *>(QStringLiteral("fiSmartPunctuation"))->label()->text();
        };
        const QString chinese = rowShown(QStringLiteral("zh"));
        QVERIFY2(chinese.contains(QStringLiteral("说话时自动添加标点符号")), qPrintable(chinese));
        QCOMPARE(rowShown(QStringLiteral("tr")), chinese);
    }

    void rowTextHasTitleAndGreyDescription()
    {
        const QString text = TypingTab::rowText(QStringLiteral("智能标点"), QStringLiteral("<b>说明</b>"));
        QVERIFY(text.contains(QStringLiteral("color:#000000; background-color:#ffffff;\"> 智能标点</span>")));
        QVERIFY(text.contains(QStringLiteral("color:#a6a6a6; background-color:#ffffff;\"> &lt;b&gt;说明&lt;/b&gt; </span>")));
    }
};

QTEST_MAIN(TestTypingTab)
#include "tst_typingtab.moc"
