#include "DevicePageHome.h"

#include "config/Configurations.h"
#include "config/MouseSetting.h"
#include "databinding/ZComboBox.h"
#include "form/DeviceHub.h"
#include "form/TranslationLink.h"
#include "form/dialog/TranslationDialog.h"
#include "logic/businessLogic/FunctionImpl.h"
#include "logic/businessLogic/GetwordTranslateImpl.h"
#include "logic/businessLogic/workflow/device/AudioDeviceFactory.h"
#include "logic/businessLogic/workflow/device/InjectedAudioDevice.h"
#include "qui/control/ClickableLabel.h"
#include "support/LoopbackHttpServer.h"
#include "support/LoopbackTranslation.h"
#include "screenshot/ScreenShotWidget.h"
#include "support/ToastRecorder.h"
#include "util/AppHelper.h"

#include <QClipboard>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

namespace {
const QString kPath = QLatin1String(LoopbackTranslation::kPath);

LoopbackHttpServer::Reply answer(const QByteArray &dst, const QByteArray &from = "zh", const QByteArray &to = "en")
{
    return LoopbackTranslation::answer("x", dst, from, to);
}

// An answer that trickles in, 8 bytes at a time.
LoopbackHttpServer::Reply slowAnswer(const QByteArray &dst, int chunkDelayMs)
{
    LoopbackHttpServer::Reply slow = answer(dst);
    slow.mode = LoopbackHttpServer::Mode::Slow;
    slow.chunkSize = 8;
    slow.chunkDelayMs = chunkDelayMs;
    return slow;
}
} // namespace

// The translation window against a loopback translation service and a real settings file.
class TestTranslationDialog : public QObject
{
    Q_OBJECT
    InjectedAudioDevice m_source;

    static void configure(const LoopbackHttpServer &server) { LoopbackTranslation::configure(server); }
    static QTextEdit *pane(TranslationDialog &d, const char *name) { return d.findChild<QTextEdit *>(name); }
    static ZComboBox *combo(TranslationDialog &d, const char *name) { return d.findChild<ZComboBox *>(name); }
    static QMap<QString, QVariant> snapshotFields(const QString &ocr, const QString &to = QStringLiteral("en"))
    {
        return {{"snapshot_ocrLanguage", ocr}, {"snapshot_tranToLanguage", to}};
    }

private slots:
    void init()
    {
        AudioDeviceFactory::setOverride([this](DeviceContext *) { return &m_source; });
    }
    void cleanup()
    {
        AudioDeviceFactory::setOverride({});
    }

    void requestCarriesTheTextAndTheMappedLanguages_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("sent");
        QTest::newRow("screenshot, automatic") << 1 << "auto" << "auto";
        QTest::newRow("screenshot, Chinese and English") << 1 << "CHN_ENG" << "auto";
        QTest::newRow("screenshot, English") << 1 << "ENG" << "en";
        QTest::newRow("screenshot, Japanese") << 1 << "JAP" << "jp";
        QTest::newRow("word pick") << 0 << "auto" << "auto";
    }
    void requestCarriesTheTextAndTheMappedLanguages()
    {
        QFETCH(int, mode);
        QFETCH(QString, stored);
        QFETCH(QString, sent);
        DevicePageHome device(std::make_unique<MouseSetting>(),
                              {{"snapshot_ocrLanguage", stored}, {"snapshot_tranToLanguage", "en"},
                               {"getword_tranFromLanguage", stored}, {"getword_tranToLanguage", "en"}});
        LoopbackHttpServer server;
        configure(server);
        server.setReply(kPath, answer("Hello <b>world</b>"));
        TranslationDialog dialog(mode, &device.context, mode ? "snapshot_ocrLanguage" : "getword_tranFromLanguage",
                                 mode ? "snapshot_tranToLanguage" : "getword_tranToLanguage");
        dialog.setSourceText(QStringLiteral("你好 <b>世界</b>"));
        dialog.toTranslateText(QString(), QString());
        QTRY_COMPARE(dialog.translationText(), QStringLiteral("Hello <b>world</b>"));
        QCOMPARE(pane(dialog, "teTranslation")->toPlainText(), QStringLiteral("Hello <b>world</b>")); // plain text
        const auto request = server.last(kPath);
        QCOMPARE(request.param("q"), QStringLiteral("你好 <b>世界</b>"));
        QCOMPARE(request.param("from"), sent);
        QCOMPARE(request.param("to"), QStringLiteral("en"));
    }

    void aSlowAnswerToAnOlderRequestIsDropped()
    {
        DevicePageHome device(std::make_unique<MouseSetting>(), snapshotFields("auto"));
        LoopbackHttpServer server;
        configure(server);
        server.setReply(kPath, slowAnswer("first", 40));
        TranslationDialog dialog(1, &device.context, "snapshot_ocrLanguage", "snapshot_tranToLanguage");
        dialog.setSourceText(QStringLiteral("你好"));
        dialog.toTranslateText(QString(), QString());
        QVERIFY(server.waitForRequests(1));
        server.setReply(kPath, answer("second"));
        dialog.toTranslateText(QString(), QString());
        QTRY_COMPARE(dialog.translationText(), QStringLiteral("second"));
        QTest::qWait(800); // the first answer has arrived by now
        QCOMPARE(dialog.translationText(), QStringLiteral("second"));
    }

    void aFailedAnswerToAnOlderRequestShowsNothing()
    {
        DevicePageHome device(std::make_unique<MouseSetting>(), snapshotFields("auto"));
        LoopbackHttpServer server;
        configure(server);
        LoopbackHttpServer::Reply failing = LoopbackHttpServer::raw(500, QByteArray(64, 'x'));
        failing.mode = LoopbackHttpServer::Mode::Slow;
        failing.chunkSize = 8;
        failing.chunkDelayMs = 40;
        server.setReply(kPath, failing);
        TranslationDialog dialog(1, &device.context, "snapshot_ocrLanguage", "snapshot_tranToLanguage");
        dialog.setSourceText(QStringLiteral("你好"));
        ToastRecorder toasts;
        dialog.toTranslateText(QString(), QString());
        QVERIFY(server.waitForRequests(1));
        server.setReply(kPath, answer("second"));
        dialog.toTranslateText(QString(), QString());
        QTRY_COMPARE(dialog.translationText(), QStringLiteral("second"));
        QTest::qWait(800); // the first answer has failed by now
        QCOMPARE(dialog.translationText(), QStringLiteral("second"));
        QCOMPARE(toasts.texts(), QStringList());
        QCOMPARE(pane(dialog, "teTranslation")->placeholderText(), QString());
    }

    void anAnswerForAnotherTextIsDropped()
    {
        DevicePageHome device(std::make_unique<MouseSetting>(), snapshotFields("auto"));
        LoopbackHttpServer server;
        configure(server);
        server.setReply(kPath, answer("Hello"));
        TranslationDialog dialog(1, &device.context, "snapshot_ocrLanguage", "snapshot_tranToLanguage");
        dialog.setSourceText(QStringLiteral("你好"));
        dialog.toTranslateText(QString(), QString());
        dialog.setSourceText(QStringLiteral("再见"));
        QVERIFY(server.waitForRequests(1));
        QTest::qWait(300);
        QCOMPARE(dialog.translationText(), QString());
    }

    void aMalformedAnswerShowsAnErrorAndNoStaleText()
    {
        DevicePageHome device(std::make_unique<MouseSetting>(), snapshotFields("auto"));
        LoopbackHttpServer server;
        configure(server);
        server.setReply(kPath, answer("Hello"));
        TranslationDialog dialog(1, &device.context, "snapshot_ocrLanguage", "snapshot_tranToLanguage");
        dialog.setSourceText(QStringLiteral("你好"));
        dialog.toTranslateText(QString(), QString());
        QTRY_COMPARE(dialog.translationText(), QStringLiteral("Hello"));

        ToastRecorder toasts;
        server.setReply(kPath, LoopbackHttpServer::raw(200, "<html>not json</html>", "text/html"));
        dialog.setSourceText(QStringLiteral("再见"));
        dialog.toTranslateText(QString(), QString());
        QCOMPARE(dialog.translationText(), QString()); // cleared at once
        QTRY_VERIFY(!pane(dialog, "teTranslation")->placeholderText().isEmpty());
        QCOMPARE(dialog.translationText(), QString());
        QCOMPARE(toasts.entries.size(), 1);
        QCOMPARE(toasts.entries[0].type, 2);
    }

    void chosenLanguagesReachTheSettingsFile()
    {
        DevicePageHome device(std::make_unique<MouseSetting>(), snapshotFields("auto"));
        LoopbackHttpServer server;
        configure(server);
        server.setReply(kPath, answer("Hello"));
        TranslationDialog dialog(1, &device.context, "snapshot_ocrLanguage", "snapshot_tranToLanguage");
        QCOMPARE(combo(dialog, "cbTranslationLangTo")->currentData().toString(), QStringLiteral("en"));
        QCOMPARE(combo(dialog, "cbTranslationLangFrom")->currentData().toString(), QStringLiteral("auto"));
        dialog.setSourceText(QStringLiteral("你好"));

        // The source language translates at once, mapped to the translation service's code.
        ZComboBox *from = combo(dialog, "cbTranslationLangFrom");
        from->setCurrentIndex(from->findValue(QStringLiteral("GER")));
        QCOMPARE(device.stored().value("snapshot_ocrLanguage").toString(), QStringLiteral("GER"));
        QVERIFY(server.waitForRequests(1));
        QCOMPARE(server.last(kPath).param("from"), QStringLiteral("de"));

        // The target language asks for a new recognition and sends nothing itself.
        QSignalSpy again(&dialog, &TranslationDialog::reSnapShotTranslation);
        ZComboBox *to = combo(dialog, "cbTranslationLangTo");
        to->setCurrentIndex(to->findValue(QStringLiteral("jp")));
        QCOMPARE(device.stored().value("snapshot_tranToLanguage").toString(), QStringLiteral("jp"));
        QCOMPARE(again.size(), 1);
        QTest::qWait(200);
        QCOMPARE(server.count(kPath), 1);
    }

    void wordPickSourceHoldsOnlyAuto()
    {
        TranslationDialog dialog(0, nullptr, "getword_tranFromLanguage", "getword_tranToLanguage");
        ZComboBox *from = combo(dialog, "cbTranslationLangFrom");
        QCOMPARE(from->count(), 1);
        QCOMPARE(from->itemData(0).toString(), QStringLiteral("auto"));
        QVERIFY(combo(dialog, "cbTranslationLangTo")->findValue(QStringLiteral("kor")) >= 0);
    }

    void textSizeIsAppliedAndStored_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("size");
        QTest::newRow("small") << 0 << "小" << 9;
        QTest::newRow("medium") << 1 << "中" << 12;
        QTest::newRow("large") << 2 << "大" << 14;
    }
    void textSizeIsAppliedAndStored()
    {
        QFETCH(int, entry);
        QFETCH(QString, name);
        QFETCH(int, size);
        DevicePageHome device(std::make_unique<MouseSetting>(), {{"translation_fontSize", 10}});
        TranslationDialog dialog(1, &device.context, "snapshot_ocrLanguage", "snapshot_tranToLanguage");
        QCOMPARE(pane(dialog, "teText")->font().pointSize(), 10);
        dialog.setSourceText(QStringLiteral("source"));
        dialog.setTranslationText(QStringLiteral("translation"));
        QAction *action = dialog.findChild<QToolButton *>("btnTextSize")->menu()->actions().value(entry);
        QCOMPARE(action->text(), name);
        action->trigger();
        QCOMPARE(pane(dialog, "teText")->font().pointSize(), size);
        QCOMPARE(pane(dialog, "teTranslation")->font().pointSize(), size);
        QCOMPARE(dialog.sourceText(), QStringLiteral("source"));
        QCOMPARE(dialog.translationText(), QStringLiteral("translation"));
        QCOMPARE(device.stored().value("translation_fontSize").toInt(), size);
    }

    void speakingNeedsATextAndASpokenLanguage()
    {
        DevicePageHome device(std::make_unique<MouseSetting>(), snapshotFields("auto"));
        TranslationDialog dialog(1, &device.context, "snapshot_ocrLanguage", "snapshot_tranToLanguage");
        ToastRecorder toasts;
        dialog.findChild<QPushButton *>("btnPlay")->click();
        pane(dialog, "teTranslation")->setPlainText(QStringLiteral("Hello")); // no result has arrived
        dialog.findChild<QPushButton *>("btnPlay")->click();
        QCOMPARE(toasts.texts(), QStringList({"没有播报的文本", "当前翻译语言不支持播报"}));
        QCOMPARE(toasts.entries[1].type, 1);
    }

    void copyingAnEmptyPaneStillConfirms()
    {
        TranslationDialog dialog(1, nullptr, "snapshot_ocrLanguage", "snapshot_tranToLanguage");
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        ToastRecorder toasts;
        dialog.findChild<QPushButton *>("btnCopy")->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString());
        dialog.setSourceText(QStringLiteral("源文"));
        dialog.findChild<QPushButton *>("btnCopySource")->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("源文"));
        QCOMPARE(toasts.texts(), QStringList({"复制成功", "复制成功"}));
    }

    void unpluggingTheDeviceWhileShownForgetsIt()
    {
        DevicePageHome device(std::make_unique<MouseSetting>(), snapshotFields("auto"));
        LoopbackHttpServer server;
        configure(server);
        server.setReply(kPath, slowAnswer("late", 30));
        auto *context = new DeviceContext;
        context->setting = device.setting();
        new FunctionImpl(nullptr, context);
        TranslationDialog dialog(1, nullptr, "snapshot_ocrLanguage", "snapshot_tranToLanguage");
        dialog.useContext(context);
        dialog.show();
        dialog.setSourceText(QStringLiteral("你好"));
        dialog.toTranslateText(QString(), QString());
        QVERIFY(server.waitForRequests(1));

        DeviceHub::release(context); // the device goes: hub first, then its context
        delete context;
        QCOMPARE(dialog.context(), nullptr);
        dialog.toTranslateText(QString(), QString()); // logs, sends nothing
        dialog.findChild<QToolButton *>("btnTextSize")->menu()->actions().at(2)->trigger();
        combo(dialog, "cbTranslationLangTo")->setCurrentIndex(3);
        QTest::qWait(600);
        QCOMPARE(server.count(kPath), 1);
        QCOMPARE(dialog.translationText(), QStringLiteral("late"));
    }

    void wordPickResultShowsTheIconThenTheDialog()
    {
        DevicePageHome device(std::make_unique<MouseSetting>(), {{"getword_tranToLanguage", "jp"}});
        LoopbackHttpServer server;
        configure(server);
        server.setReply(kPath, answer("konnichiwa", "zh", "jp"));
        auto &wordPick = GetwordTranslateImpl::instance();
        wordPick.start(&device.context);
        TranslationLink link;
        wordPick.onResult(100, 100, QStringLiteral("你好"), QStringLiteral("こんにちは"));
        TranslationDialog *dialog = link.wordPickDialog();
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->isCollapsed());
        QCOMPARE(dialog->pos(), QPoint(110, 110));
        QCOMPARE(dialog->sourceText(), QStringLiteral("你好"));
        QCOMPARE(dialog->translationText(), QStringLiteral("こんにちは"));
        QCOMPARE(combo(*dialog, "cbTranslationLangTo")->currentData().toString(), QStringLiteral("jp"));

        QTest::mouseClick(dialog->findChild<ClickableLabel *>("lbToTranslate"), Qt::LeftButton);
        QVERIFY(!dialog->isCollapsed());
        QVERIFY(!wordPick.fadeOutAllowed());
        QVERIFY(server.waitForRequests(1));
        QCOMPARE(server.last(kPath).param("to"), QStringLiteral("jp"));
        QTRY_COMPARE(dialog->translationText(), QStringLiteral("konnichiwa"));
        wordPick.stop();
    }

    void aHubsScreenshotRequestRecognisesTheRegionAndTranslatesIt()
    {
        DevicePageHome device(std::make_unique<MouseSetting>(), snapshotFields("auto", "en"));
        LoopbackHttpServer server;
        configure(server);
        server.setReply(kPath, answer("Hello world, hello world"));
        QImage screen(800, 600, QImage::Format_RGB32);
        screen.fill(Qt::white);
        {
            QPainter painter(&screen);
            QFont font(QStringLiteral("Noto Sans CJK SC"));
            font.setPixelSize(30);
            painter.setFont(font);
            painter.setPen(Qt::black);
            painter.drawText(QPoint(120, 160), QStringLiteral("Hello world"));
            painter.drawText(QPoint(120, 220), QStringLiteral("你好世界"));
        }
        AppHelper::setGrabber([screen](WId, int, int, int, int) { return screen; });
        auto *context = new DeviceContext;
        context->setting = device.setting();
        auto *hub = new FunctionImpl(nullptr, context);
        TranslationLink link;
        link.attach(hub);

        hub->invokeFunction(Action_SnapshotTranslation, Flag_Press, QStringLiteral("Start Snapshot Translation"));
        ScreenShotWidget *tool = link.regionTool();
        QVERIFY(tool && tool->isVisible());
        QTest::mousePress(tool, Qt::LeftButton, {}, QPoint(100, 120));
        QTest::mouseMove(tool, QPoint(400, 240));
        QTest::mouseRelease(tool, Qt::LeftButton, {}, QPoint(400, 240));
        tool->capture();
        TranslationDialog *dialog = link.snapshotDialog();
        QVERIFY(dialog && dialog->isVisible());
        QVERIFY(!dialog->isCollapsed());
        QTRY_COMPARE_WITH_TIMEOUT(dialog->sourceText(), QStringLiteral("Hello world,你好世界"), 30000);
        QTRY_COMPARE(dialog->translationText(), QStringLiteral("Hello world, hello world"));
        QCOMPARE(server.last(kPath).param("q"), QStringLiteral("Hello world,你好世界"));

        // The device goes while its dialog is shown; a later translation finds no device.
        DeviceHub::release(context);
        delete context;
        QCOMPARE(dialog->context(), nullptr);
        dialog->toTranslateText(QString(), QString());
        QCOMPARE(server.count(kPath), 1);
        AppHelper::setGrabber({});
    }
};

QTEST_MAIN(TestTranslationDialog)
#include "tst_translationdialog.moc"
