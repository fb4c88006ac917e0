#include "DevicePageHome.h"

#include "config/MouseSetting.h"
#include "databinding/FormItem.h"
#include "databinding/ZComboBox.h"
#include "device/mouse/common/ui/MouseTextTranslationTab.h"
#include "logic/businessLogic/FunctionImpl.h"
#include "logic/businessLogic/GetwordTranslateImpl.h"
#include "logic/businessLogic/workflow/device/AudioDeviceFactory.h"
#include "logic/businessLogic/workflow/device/InjectedAudioDevice.h"
#include "qui/control/ImageSwitch.h"
#include "qui/control/KeyLineEdit.h"
#include "qui/control/TranSettingItem.h"
#include "support/ToastRecorder.h"

#include <QtTest>

class TestMouseTextTranslationTab : public QObject
{
    Q_OBJECT

    static KeyLineEdit *keyEdit(MouseTextTranslationTab &page) { return page.findChild<KeyLineEdit *>("keyEdit"); }
    static TranSettingItem *row(MouseTextTranslationTab &page, const char *name)
    {
        return page.findChild<TranSettingItem *>(name);
    }

private slots:
    void bindingShowsTheStoredCombinationAndWritesNothing()
    {
        DevicePageHome device(std::make_unique<MouseSetting>(),
                              {{"snapshot_shortcut", "Ctrl+Alt+T"}, {"snapshot_ocrLanguage", "JAP"}});
        const QByteArray before = device.fileBytes();
        ToastRecorder toasts;
        MouseTextTranslationTab page;
        page.setContext(&device.context);
        QCOMPARE(keyEdit(page)->text(), QStringLiteral("Ctrl+Alt+T"));
        QCOMPARE(row(page, "langSnapshot")->fromComboBox()->currentData().toString(), QStringLiteral("JAP"));
        QCOMPARE(row(page, "langSnapshot")->toComboBox()->currentData().toString(), QStringLiteral("en"));
        QTest::qWait(MouseTextTranslationTab::ShortcutWriteDelayMs + 100);
        QCOMPARE(device.fileBytes(), before);
        QVERIFY(toasts.entries.isEmpty());
        // The word-pick source language can only be automatic.
        ZComboBox *wordPickSource = row(page, "langGetWord")->fromComboBox();
        QCOMPARE(wordPickSource->count(), 1);
        QCOMPARE(wordPickSource->itemData(0).toString(), QStringLiteral("auto"));
        QVERIFY(page.findChild<QWidget *>("fm3")->isHidden());
    }

    void typedCombinationsAreWrittenInOrderAndTheLastWins()
    {
        DevicePageHome device(std::make_unique<MouseSetting>());
        MouseTextTranslationTab page;
        page.setContext(&device.context);
        QStringList written;
        device.setting()->addNotifyHandler([&](const QString &field, const QVariant &, const QVariant &value) {
            if (field == QLatin1String("snapshot_shortcut"))
                written << value.toString();
        });
        ToastRecorder toasts;
        QSignalSpy keys(keyEdit(page), &KeyLineEdit::sigKeyChange);
        QTest::keyClick(keyEdit(page), Qt::Key_1, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(keyEdit(page), Qt::Key_T, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(keys.size(), 2);
        QCOMPARE(toasts.texts(), QStringList({"快捷键设置成功", "快捷键设置成功"}));
        QVERIFY(written.isEmpty()); // not before the delay
        const QString first = keys[0][2].toString();
        const QString last = keys[1][2].toString();
        QTRY_COMPARE(written, QStringList({first, last}));
        QCOMPARE(device.stored().value("snapshot_shortcut").toString(), last);
    }

    void partialOrClearedTextIsNeverStored()
    {
        DevicePageHome device(std::make_unique<MouseSetting>());
        MouseTextTranslationTab page;
        page.setContext(&device.context);
        keyEdit(page)->setText(QString());
        keyEdit(page)->setText(QStringLiteral("Ctrl+"));
        QTest::keyClick(keyEdit(page), Qt::Key_A); // a lone letter is refused
        QTest::qWait(MouseTextTranslationTab::ShortcutWriteDelayMs + 100);
        QCOMPARE(device.setting()->text("snapshot_shortcut"), QStringLiteral("Ctrl+Q"));
    }

    void aPendingWriteDiesWithTheTab()
    {
        DevicePageHome device(std::make_unique<MouseSetting>());
        const int handlers = device.setting()->notifyHandlerCount();
        auto *page = new MouseTextTranslationTab;
        page->setContext(&device.context);
        QCOMPARE(device.setting()->notifyHandlerCount(), handlers + 1);
        QTest::keyClick(keyEdit(*page), Qt::Key_1, Qt::ControlModifier | Qt::ShiftModifier);
        delete page;
        QCOMPARE(device.setting()->notifyHandlerCount(), handlers);
        QTest::qWait(MouseTextTranslationTab::ShortcutWriteDelayMs + 100);
        QCOMPARE(device.setting()->text("snapshot_shortcut"), QStringLiteral("Ctrl+Q"));
    }

    void languageChangedElsewhereShowsAtOnce_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("rowName");
        QTest::addColumn<bool>("target");
        QTest::newRow("word-pick target") << "getword_tranToLanguage" << "jp" << "langGetWord" << true;
        QTest::newRow("screenshot target") << "snapshot_tranToLanguage" << "kor" << "langSnapshot" << true;
        QTest::newRow("screenshot OCR") << "snapshot_ocrLanguage" << "GER" << "langSnapshot" << false;
    }
    void languageChangedElsewhereShowsAtOnce()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, rowName);
        QFETCH(bool, target);
        DevicePageHome device(std::make_unique<MouseSetting>());
        MouseTextTranslationTab page;
        page.setContext(&device.context);
        device.setting()->setValue(field, value);
        TranSettingItem *item = row(page, rowName.toLatin1().constData());
        QCOMPARE((target ? item->toComboBox() : item->fromComboBox())->currentData().toString(), value);
    }

    void theSwitchStartsAndStopsWordPick()
    {
        InjectedAudioDevice source;
        AudioDeviceFactory::setOverride([&source](DeviceContext *) { return &source; });
        DevicePageHome device(std::make_unique<MouseSetting>());
        auto *hub = new FunctionImpl(nullptr, &device.context);
        MouseTextTranslationTab page;
        page.setContext(&device.context);
        ImageSwitch *toggle = page.getwordSwitchRow()->imageSwitch();
        QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(device.context.lastAction, Action_GetwordTranslation);
        QVERIFY(GetwordTranslateImpl::instance().isRunning());
        QCOMPARE(GetwordTranslateImpl::instance().context(), &device.context);
        QTest::mouseClick(toggle, Qt::LeftButton);
        QVERIFY(!GetwordTranslateImpl::instance().isRunning());
        delete hub;
        AudioDeviceFactory::setOverride({});
    }
};

QTEST_MAIN(TestMouseTextTranslationTab)
#include "tst_mousetexttranslationtab.moc"
