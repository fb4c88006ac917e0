#include "DevicePageHome.h"

#include "config/language/Languages.h"
#include "databinding/FormItem.h"
#include "databinding/ZButtonGroup.h"
#include "databinding/ZComboBox.h"
#include "device/common/ui/DevicePages.h"
#include "device/mouse/mirel/MirelMouseDevice.h"
#include "device/mouse/mirel/ui/MirelTypingTab.h"
#include "logic/businessLogic/FunctionImpl.h"
#include "logic/businessLogic/GetwordTranslateImpl.h"
#include "qui/control/ImageSwitch.h"
#include "support/ToastRecorder.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QtTest>

class TestMirelTypingTab : public QObject
{
    Q_OBJECT

    static std::unique_ptr<BaseSetting> brandedRecord()
    {
        MirelMouseDevice logic(nullptr);
        return logic.createSetting();
    }
    static ZComboBox *combo(MirelTypingTab &page, const char *name) { return page.findChild<ZComboBox *>(name); }
    static QCheckBox *mode(MirelTypingTab &page, int n)
    {
        return page.findChild<QCheckBox *>(QStringLiteral("cbMode%1").arg(n));
    }

private slots:
    void newRecordShowsItsDefaults()
    {
        DevicePageHome device(brandedRecord());
        MirelTypingTab page;
        page.setContext(&device.context);

        QCOMPARE(page.nativeLanguageRowCombo()->currentData().toString(), QStringLiteral("zh_cn"));
        QCOMPARE(combo(page, "cbTranLangFrom")->currentData().toString(), QStringLiteral("zh_cn"));
        QCOMPARE(combo(page, "cbTranLangTo")->currentData().toString(), QStringLiteral("en"));
        // The word-pick fields hold translation codes ("cn"): their combos list that type.
        QCOMPARE(combo(page, "cbGetWordLangFrom")->currentData().toString(), QStringLiteral("cn"));
        QCOMPARE(combo(page, "cbGetWordLangTo")->currentData().toString(), QStringLiteral("en"));
        QCOMPARE(combo(page, "cbGetWordLangFrom")->count(),
                 Languages::instance().sections(Languages::SpeechTranslation).size());
        QVERIFY(page.findChild<FormItem *>(QStringLiteral("fiSmartPunctuation"))->imageSwitch()->isChecked());
        QVERIFY(mode(page, 1)->isChecked());
        QVERIFY(!mode(page, 2)->isChecked() && !mode(page, 3)->isChecked());
        QVERIFY(!page.findChild<ImageSwitch *>(QStringLiteral("cboxEnableGetword"))->isChecked());
    }

    void speechCombosStayInStepAndSetTheTranslationSource_data()
    {
        QTest::addColumn<bool>("fromRow");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("source");
        QTest::newRow("row: English") << true << QStringLiteral("en_us") << QStringLiteral("en");
        QTest::newRow("lower: Japanese") << false << QStringLiteral("ja_jp") << QStringLiteral("ja");
    }

    void speechCombosStayInStepAndSetTheTranslationSource()
    {
        QFETCH(bool, fromRow);
        QFETCH(QString, code);
        QFETCH(QString, source);
        DevicePageHome device(brandedRecord());
        MirelTypingTab page;
        page.setContext(&device.context);
        ToastRecorder toasts;
        ZComboBox *changed = fromRow ? page.nativeLanguageRowCombo() : combo(page, "cbTranLangFrom");
        ZComboBox *other = fromRow ? combo(page, "cbTranLangFrom") : page.nativeLanguageRowCombo();

        changed->setCurrentIndex(changed->findValue(code));

        QCOMPARE(other->currentData().toString(), code);
        QCOMPARE(device.stored().value("asr_languageAndAccent").toString(), code);
        QCOMPARE(device.stored().value("translation_fromLanguage").toString(), source);
        QVERIFY(toasts.entries.isEmpty());
    }

    void languageWithoutCounterpartWarnsOnceAndKeepsTheSource()
    {
        DevicePageHome device(brandedRecord());
        MirelTypingTab page;
        page.setContext(&device.context);
        ZComboBox *lower = combo(page, "cbTranLangFrom");
        QStringList texts, values;
        for (int i = 0; i < lower->count(); ++i) {
            texts << lower->itemText(i);
            values << lower->itemData(i).toString();
        }
        lower->setItems(texts << QStringLiteral("克林贡语"), values << QStringLiteral("tlh_tlh"));
        ToastRecorder toasts;

        lower->setCurrentIndex(lower->count() - 1);

        QCOMPARE(toasts.texts(), QStringList({"翻译语言不支持克林贡语,设置会导致翻译无法生效!"}));
        QCOMPARE(device.stored().value("translation_fromLanguage").toString(), QStringLiteral("cn"));
        QCOMPARE(page.nativeLanguageRowCombo()->currentIndex(), -1);
    }

    void typedTextIsNeverStored_data()
    {
        QTest::addColumn<QString>("comboName");
        QTest::newRow("word pick from") << QStringLiteral("cbGetWordLangFrom");
        QTest::newRow("word pick to") << QStringLiteral("cbGetWordLangTo");
        QTest::newRow("translation to") << QStringLiteral("cbTranLangTo");
    }

    void typedTextIsNeverStored()
    {
        QFETCH(QString, comboName);
        DevicePageHome device(brandedRecord());
        MirelTypingTab page;
        page.setContext(&device.context);
        auto *box = page.findChild<ZComboBox *>(comboName);
        QCOMPARE(box->insertPolicy(), QComboBox::NoInsert);
        const QByteArray before = device.fileBytes();
        const int count = box->count();
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), "xyz");
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        QCOMPARE(device.fileBytes(), before);
        QCOMPARE(box->count(), count);
    }

    void modeThreeIsStoredAndTheDeviceStepsBackToModeOne()
    {
        DevicePageHome device(brandedRecord());
        std::unique_ptr<QWidget> widget(DevicePages::create(QStringLiteral("MirelTypingTab")));
        auto *page = qobject_cast<MirelTypingTab *>(widget.get());
        QVERIFY(page);
        page->setContext(&device.context);
        MirelMouseDevice logic(&device.context);
        DevicePages::connectDevice(page, &logic);

        mode(*page, 3)->click();
        QCOMPARE(device.stored().value("mKey_functionIndex").toInt(), 2);
        QVERIFY(!mode(*page, 1)->isChecked());

        // A double click of the voice key steps to the next mode: after 2 comes 0.
        logic.handleKeyEvent(Action_MKeySwitch, Flag_Press, QString());
        logic.handleKeyEvent(Action_MKeySwitch, Flag_Press, QString());
        QTRY_VERIFY(mode(*page, 1)->isChecked());
        QVERIFY(!mode(*page, 3)->isChecked());
        QCOMPARE(device.stored().value("mKey_functionIndex").toInt(), 0);
    }

    void wordPickSwitchStartsAndStopsWithoutStoringAnything()
    {
        DevicePageHome device(brandedRecord());
        auto *hub = new FunctionImpl(nullptr, &device.context);
        MirelTypingTab page;
        page.setContext(&device.context);
        const QByteArray before = device.fileBytes();
        auto *sw = page.findChild<ImageSwitch *>(QStringLiteral("cboxEnableGetword"));

        QTest::mouseClick(sw, Qt::LeftButton);
        QVERIFY(GetwordTranslateImpl::instance().isRunning());
        QCOMPARE(GetwordTranslateImpl::instance().context(), &device.context);
        QTest::mouseClick(sw, Qt::LeftButton);
        QVERIFY(!GetwordTranslateImpl::instance().isRunning());
        QCOMPARE(device.fileBytes(), before);
        delete hub;
    }
};

QTEST_MAIN(TestMirelTypingTab)
#include "tst_mireltypingtab.moc"
