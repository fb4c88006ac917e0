#include "DevicePageHome.h"

#include "config/PointerSetting.h"
#include "databinding/FormItem.h"
#include "databinding/ZComboBox.h"
#include "device/pointer/common/ui/VoiceTab.h"

#include <QtTest>

class TestVoiceTab : public QObject
{
    Q_OBJECT

private slots:
    void languageRowShowsAndStoresTheRecognitionLanguage()
    {
        DevicePageHome device(std::make_unique<PointerSetting>());
        VoiceTab page;
        page.setContext(&device.context);
        ZComboBox *combo = page.findChild<FormItem *>(QStringLiteral("fiLanguage"))->comboBox();
        QCOMPARE(combo->currentText(), QStringLiteral("中文"));

        combo->setCurrentIndex(combo->findText(QStringLiteral("英文")));
        QCOMPARE(device.stored().value(QStringLiteral("asr_identifyLanguage")).toString(), QStringLiteral("en"));
    }
};

QTEST_MAIN(TestVoiceTab)
#include "tst_voicetab.moc"
