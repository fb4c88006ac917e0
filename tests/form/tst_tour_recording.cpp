#include "DevicePageHome.h"
#include "TourPicture.h"

#include "config/Configurations.h"
#include "config/PointerSetting.h"
#include "databinding/PageNavigator.h"
#include "databinding/ZTableWidget.h"
#include "device/DeviceHardwareInfo.h"
#include "device/pointer/common/ui/AiSubtitleTab.h"
#include "device/pointer/common/ui/VoiceTab.h"
#include "form/dialog/ContainerDialog.h"
#include "form/tab/QRCodeTab.h"
#include "form/tab/RecordTab.h"
#include "logic/businessLogic/login/LoginBL.h"
#include "orm/data/UserVO.h"
#include "qui/control/ClickableLabel.h"
#include "support/LoopbackHttpServer.h"

#include <QApplication>
#include <QDateTime>
#include <QJsonArray>
#include <QPushButton>
#include <QtTest>

// Pictures of the presenter's recording pages and the share pop-up, under
// build/ui-tour/recording/.
class TestTourRecording : public QObject
{
    Q_OBJECT

    static void save(QWidget *widget, const QString &name, const QSize &size = QSize(860, 600))
    {
        TourPicture::save(widget, name, size);
    }

    // The largest luminance difference between the inside of a widget and its background
    // (the colour just inside its border).
    static int strongestContrast(QWidget *widget)
    {
        if (!widget)
            return 0;
        const QImage image = widget->grab().toImage();
        const int background = qGray(image.pixel(3, image.height() / 2));
        int strongest = 0;
        for (int y = 3; y < image.height() - 3; ++y) {
            for (int x = 3; x < image.width() - 3; ++x)
                strongest = qMax(strongest, qAbs(qGray(image.pixel(x, y)) - background));
        }
        return strongest;
    }

    static QJsonObject record(qint64 id, int minutesAgo, const QString &content, const QString &translation,
                              qint64 expires)
    {
        const qint64 created = QDateTime(QDate(2026, 12, 1), QTime(9, 30)).toMSecsSinceEpoch() - minutesAgo * 60000LL;
        return {{"id", id},
                {"createTime", created},
                {"duration", 95 + id * 7},
                {"content", content},
                {"translatedText", translation},
                {"attr1", QStringLiteral("https://vb-records.oss.example.com/rec%1.wav?Expires=%2&Signature=x")
                              .arg(id)
                              .arg(expires)}};
    }

    static void share(RecordTab &tab, int row)
    {
        QWidget *cell = tab.table()->cellWidget(row, tab.table()->columnOf(QStringLiteral("action")));
        QVERIFY(cell);
        auto *link = cell->findChild<ClickableLabel *>(QStringLiteral("lbShare"));
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(600, 300), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(link, &release);
        QTRY_VERIFY(tab.qrDialog()->isVisible());
    }

private slots:
    void initTestCase()
    {
        TourPicture::useProgramStyle();
    }

    void voiceTab()
    {
        DevicePageHome device(std::make_unique<PointerSetting>(), {{"asr_identifyLanguage", "en"}});
        VoiceTab page;
        page.setContext(&device.context);
        save(&page, QStringLiteral("VoiceTab"));
    }

    void aiSubtitleTab()
    {
        DevicePageHome device(std::make_unique<PointerSetting>(),
                              {{"subtitle_ui_fontSize", 36}, {"subtitle_ui_identify_fontColor", "yellow"},
                               {"subtitle_ui_identify_disable", true}});
        AiSubtitleTab page;
        page.setContext(&device.context);
        save(&page, QStringLiteral("AiSubtitleTab"));
    }

    void recordTabAndSharePopUp()
    {
        DevicePageHome device(std::make_unique<PointerSetting>(), {{"serialNumber", "VB-P1-000123"}});
        DeviceHardwareInfo info;
        info.serialNumber = QStringLiteral("VB-P1-000123");
        device.context.hardwareInfo = &info;
        LoopbackHttpServer server;
        Configurations::instance().setValue(QStringLiteral("/Server/ApiBaseUrl"), server.url(QStringLiteral("/v1")));
        const qint64 later = QDateTime::currentSecsSinceEpoch() + 3600;
        QJsonArray list;
        list.append(record(31, 0, QStringLiteral("今天我们讨论第四季度的产品路线图。"), QStringLiteral("Today we discuss the Q4 roadmap."), later));
        list.append(record(30, 60, QStringLiteral("欢迎各位参加本次发布会。"), QStringLiteral("Welcome to the launch."), 1000));
        for (int i = 1; i <= 7; ++i)
            list.append(record(i, 120 + i * 30, QStringLiteral("第%1段录音的内容").arg(i), QString(), later));
        server.setEnvelope(QStringLiteral("/v1/getRecords.json"), 0, QStringLiteral("ok"), list);
        server.setEnvelope(QStringLiteral("/v1/generateRecordShareKey"), 0, QStringLiteral("ok"), QStringLiteral("k7Yq2"));
        UserVO user;
        user.id = 77;
        device.home.write(QStringLiteral("config/user"), user.toJsonText());
        LoginBL::instance().reloadFromDisk();

        RecordTab tab;
        tab.setContext(&device.context);
        QTRY_COMPARE(tab.table()->rowCount(), RecordTab::PageSize);
        tab.table()->setRowChecked(1, true);
        save(&tab, QStringLiteral("RecordTab"));
        QVERIFY2(strongestContrast(tab.pager()->findChild<QPushButton *>(QStringLiteral("btnPage1"))) > 80,
                 "the current page's number is hard to read on the pager's strip");

        share(tab, 0);
        save(tab.qrDialog(), QStringLiteral("QRCodeTab-code"), QSize());
        QCOMPARE(tab.qrCodeTab()->currentPage(), int(QRCodeTab::QrCodePage));
        tab.qrDialog()->hide();
        share(tab, 1);
        QCOMPARE(tab.qrCodeTab()->currentPage(), int(QRCodeTab::ExpiredPage));
        save(tab.qrDialog(), QStringLiteral("QRCodeTab-expired"), QSize());

        device.context.hardwareInfo = nullptr;
        LoginBL::instance().reloadFromDisk();
    }
};

QTEST_MAIN(TestTourRecording)
#include "tst_tour_recording.moc"
