// The feedback dialog against the loopback TLS mail server.
#include "MailFixture.h"

#include "form/dialog/ButtonStateStyle.h"
#include "form/dialog/FeedbackDialog.h"
#include "form/dialog/LogAttachments.h"
#include "logic/businessLogic/login/LoginBL.h"
#include "platform/IKeySender.h"
#include "platform/VirtualKeys.h"
#include "qui/control/AnimationButton.h"
#include "qui/control/ImageSwitch.h"
#include "support/ReceivedMail.h"
#include "support/ToastRecorder.h"
#include "util/AppHelper.h"
#include "util/SmtpHelper.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTextEdit>
#include <QtTest>
#include <memory>

class TestFeedbackDialog : public QObject
{
    Q_OBJECT

    std::unique_ptr<MailFixture> m_mail;

    static QLineEdit *nameEdit(FeedbackDialog &d) { return d.findChild<QLineEdit *>("leUserName"); }
    static QLineEdit *phoneEdit(FeedbackDialog &d) { return d.findChild<QLineEdit *>("lePhone"); }
    static QTextEdit *contentEdit(FeedbackDialog &d) { return d.findChild<QTextEdit *>("teContent"); }
    static AnimationButton *submit(FeedbackDialog &d) { return d.findChild<AnimationButton *>("btnSubmit"); }
    static ImageSwitch *logSwitch(FeedbackDialog &d) { return d.findChild<ImageSwitch *>("switchLogUpload"); }

    void fill(FeedbackDialog &dialog, const QString &name, const QString &phone, const QString &content)
    {
        nameEdit(dialog)->setText(name);
        phoneEdit(dialog)->setText(phone);
        contentEdit(dialog)->setPlainText(content);
    }

    ReceivedMail sendOne(FeedbackDialog &dialog)
    {
        dialog.on_btnSubmit_clicked();
        if (m_mail->server.sessions.size() != 1)
            return {};
        return ReceivedMail::parse(m_mail->server.sessions.first().data);
    }

    void writeLogsAndDumps()
    {
        m_mail->home.write(QStringLiteral("log/log.txt"), "today");
        m_mail->home.write(QStringLiteral("log/log.txt.1"), "yesterday");
        m_mail->home.write(QStringLiteral("log/old/log.txt.9"), "in a subfolder");
        m_mail->home.write(QStringLiteral("crash-1.dmp"), "dump");
        m_mail->home.write(QStringLiteral("dumps/crash-2.dmp"), "dump in a subfolder");
        m_mail->home.write(QStringLiteral("notes.txt"), "not a dump");
    }

private slots:
    void initTestCase() { QCoreApplication::setApplicationVersion(QStringLiteral("3.1.4")); }

    void init() { m_mail = std::make_unique<MailFixture>(); }
    void cleanup() { m_mail.reset(); }

    void opensWithTheMachineIdAndTheSwitchOn()
    {
        FeedbackDialog dialog;
        const QString id = AppHelper::getMacAddress().remove(QLatin1Char(':'));
        QCOMPARE(dialog.findChild<QLabel *>("lbMac")->text(), QStringLiteral("机器标识: %1").arg(id));
        QVERIFY(logSwitch(dialog)->isChecked());
        QVERIFY(nameEdit(dialog)->text().isEmpty());
        QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
    }

    void loggedInUserIsTheContact()
    {
        m_mail->home.write(QStringLiteral("config/user"), R"({"id": 42, "name": "李四", "phone": "13800138000"})");
        LoginBL::instance().reloadFromDisk();
        FeedbackDialog dialog;
        QCOMPARE(nameEdit(dialog)->text(), QStringLiteral("李四"));
        QVERIFY(phoneEdit(dialog)->text().isEmpty());
    }

    void missingFieldsAreRefusedInOrder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("warning");
        QTest::newRow("both empty: the name first") << "" << "" << "请填写用户名, 方便售后沟通!";
        QTest::newRow("no name") << "" << "坏了" << "请填写用户名, 方便售后沟通!";
        QTest::newRow("no content") << "张三" << "" << "请填写反馈的意见";
    }

    void missingFieldsAreRefusedInOrder()
    {
        QFETCH(QString, name);
        QFETCH(QString, content);
        QFETCH(QString, warning);
        ToastRecorder toasts;
        FeedbackDialog dialog;
        fill(dialog, name, QString(), content);
        dialog.on_btnSubmit_clicked();
        QCOMPARE(toasts.texts(), QStringList{warning});
        QCOMPARE(toasts.entries.first().type, 1);
        QTest::qWait(50);
        QVERIFY(m_mail->server.sessions.isEmpty());
        QCOMPARE(nameEdit(dialog)->text(), name);
    }

    void subjectCarriesContactMachineAndVersion_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("phone");
        QTest::addColumn<QString>("first");
        QTest::newRow("name only") << "张三" << "" << "张三";
        QTest::newRow("name and number") << "张三" << "13800138000" << "张三-13800138000";
        QTest::newRow("%2 stays literal") << "a%2b%1" << "1%3" << "a%2b%1-1%3";
        QTest::newRow("line breaks cannot start a header") << "x\r\nBcc: evil@example.com" << ""
                                                           << "xBcc: evil@example.com";
    }

    void subjectCarriesContactMachineAndVersion()
    {
        QFETCH(QString, name);
        QFETCH(QString, phone);
        QFETCH(QString, first);
        ToastRecorder toasts;
        FeedbackDialog dialog;
        fill(dialog, name, phone, QStringLiteral("第一行\n第二行"));
        const ReceivedMail mail = sendOne(dialog);
        const QString id = AppHelper::getMacAddress().remove(QLatin1Char(':'));
        QCOMPARE(mail.subject, QStringLiteral("[%1] [%2] 用户反馈 - QtVellobox V3.1.4").arg(first, id));
        QCOMPARE(mail.body, QStringLiteral("第一行\n第二行"));
        QVERIFY(!m_mail->server.sessions.first().data.contains("\r\nBcc:"));
        QCOMPARE(toasts.texts(), QStringList{QStringLiteral("邮件发送成功!")});
        QCOMPARE(toasts.entries.first().type, 0);
        QCOMPARE(submit(dialog)->text(), QStringLiteral("提交"));
        QVERIFY(!submit(dialog)->isAnimating());
        QCOMPARE(contentEdit(dialog)->toPlainText(), QStringLiteral("第一行\n第二行"));
    }

    void attachmentsAreTopLevelLogsAndDumpsOnlyWhenAllowed_data()
    {
        QTest::addColumn<bool>("allowed");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("allowed") << true << QStringList{"crash-1.dmp", "log.txt", "log.txt.1"};
        QTest::newRow("switched off") << false << QStringList();
    }

    void attachmentsAreTopLevelLogsAndDumpsOnlyWhenAllowed()
    {
        QFETCH(bool, allowed);
        QFETCH(QStringList, names);
        writeLogsAndDumps();
        FeedbackDialog dialog;
        if (!allowed)
            QTest::mouseClick(logSwitch(dialog), Qt::LeftButton);
        QCOMPARE(logSwitch(dialog)->isChecked(), allowed);
        fill(dialog, QStringLiteral("张三"), QString(), QStringLiteral("内容"));
        const ReceivedMail mail = sendOne(dialog);
        QStringList got = mail.attachmentNames;
        got.sort();
        QCOMPARE(got, names);
        if (allowed)
            QCOMPARE(mail.attachments.value(QStringLiteral("log.txt")), QByteArray("today"));
        QCOMPARE(mail.body, QStringLiteral("内容"));
    }

    void filesBeyondTheCapAreNamedInTheText()
    {
        for (int i = 0; i < LogAttachments::MaxFiles + 2; ++i)
            m_mail->home.write(QStringLiteral("log/log.txt.%1").arg(i), "x");
        FeedbackDialog dialog;
        fill(dialog, QStringLiteral("张三"), QString(), QStringLiteral("内容"));
        const ReceivedMail mail = sendOne(dialog);
        QCOMPARE(mail.attachmentNames.size(), LogAttachments::MaxFiles);
        QVERIFY(mail.body.startsWith(QStringLiteral("内容\n\n")));
        const QStringList named = mail.body.section(QStringLiteral(": "), -1).split(QStringLiteral(", "));
        QCOMPARE(named.size(), 2);
        for (const QString &name : named)
            QVERIFY(name.startsWith(QStringLiteral("log.txt.")) && !mail.attachmentNames.contains(name));
    }

    void sizeCapLeavesOutWhatDoesNotFit()
    {
        m_mail->home.write(QStringLiteral("log/small.txt"), "small");
        m_mail->home.write(QStringLiteral("log/big.txt"), QByteArray(300, 'b'));
        const LogAttachments logs = LogAttachments::collect(m_mail->home.path(), 10, 100);
        QCOMPARE(logs.files, QStringList{m_mail->home.file(QStringLiteral("log/small.txt"))});
        QCOMPARE(logs.leftOut, QStringList{QStringLiteral("big.txt")});
        QVERIFY(logs.notice().contains(QStringLiteral("big.txt")));
    }

    void failedSendRestoresTheButton()
    {
        ToastRecorder toasts;
        m_mail->server.setCredentials(QStringLiteral("feedback@example.com"), QStringLiteral("another"));
        FeedbackDialog dialog;
        fill(dialog, QStringLiteral("张三"), QString(), QStringLiteral("内容"));
        dialog.on_btnSubmit_clicked();
        QCOMPARE(toasts.texts(), QStringList{QStringLiteral("邮件服务器验证失败!")});
        QCOMPARE(toasts.entries.first().type, 2);
        QCOMPARE(submit(dialog)->text(), QStringLiteral("提交"));
        QVERIFY(!submit(dialog)->isAnimating());
    }

    void secondPressWhileSendingIsRefused()
    {
        ToastRecorder toasts;
        FeedbackDialog dialog;
        fill(dialog, QStringLiteral("张三"), QString(), QStringLiteral("内容"));
        bool blinking = false;
        QString textWhileSending;
        // Runs inside the mail's own waiting, as a user's second click would.
        QTimer::singleShot(0, &dialog, [&] {
            blinking = submit(dialog)->isAnimating();
            textWhileSending = submit(dialog)->text();
            dialog.on_btnSubmit_clicked();
        });
        dialog.on_btnSubmit_clicked();
        QVERIFY(blinking);
        QCOMPARE(textWhileSending, QStringLiteral("提交中..."));
        QCOMPARE(toasts.texts(), (QStringList{QStringLiteral("邮件已经在发送中!"), QStringLiteral("邮件发送成功!")}));
        QTest::qWait(50);
        QCOMPARE(m_mail->server.sessions.size(), 1);
    }

    void enterSendsTheFormAndNeverClosesIt_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::newRow("in the contact") << "leUserName";
        QTest::newRow("in the mobile number") << "lePhone";
    }

    void enterSendsTheFormAndNeverClosesIt()
    {
        QFETCH(QString, focus);
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("presses a real key on the X server: runs as tst_feedbackdialog_x11");
        ToastRecorder toasts;
        FeedbackDialog dialog;
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        fill(dialog, QStringLiteral("张三"), QStringLiteral("13800138000"), QStringLiteral("坏了"));
        auto *target = dialog.findChild<QWidget *>(focus);
        target->setFocus();
        QTRY_VERIFY(target->hasFocus());
        QCOMPARE(IKeySender::instance()->send(IKeySender::taps(VirtualKeys::VK_RETURN, 1)), 2);
        QTRY_COMPARE(m_mail->server.sessions.size(), 1);
        QVERIFY(dialog.isVisible());
        QCOMPARE(nameEdit(dialog)->text(), QStringLiteral("张三"));
        QCOMPARE(phoneEdit(dialog)->text(), QStringLiteral("13800138000"));
        QCOMPARE(contentEdit(dialog)->toPlainText(), QStringLiteral("坏了"));
        QTRY_COMPARE(toasts.texts(), QStringList{QStringLiteral("邮件发送成功!")});
    }

    // A keyboard user who tabs to Cancel and presses Enter means Cancel: nothing is mailed.
    void enterOnTheFocusedCancelButtonClosesWithoutSending()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("presses a real key on the X server: runs as tst_feedbackdialog_x11");
        ToastRecorder toasts;
        FeedbackDialog dialog;
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        fill(dialog, QStringLiteral("张三"), QStringLiteral("13800138000"), QStringLiteral("坏了"));
        auto *cancel = dialog.findChild<QPushButton *>("btnCancel");
        cancel->setFocus();
        QTRY_VERIFY(cancel->hasFocus());
        QCOMPARE(IKeySender::instance()->send(IKeySender::taps(VirtualKeys::VK_RETURN, 1)), 2);
        QTRY_VERIFY(!dialog.isVisible());
        QTest::qWait(200);
        QVERIFY(m_mail->server.sessions.isEmpty());
        QVERIFY(toasts.entries.isEmpty());
    }

    // Tab leaves the feedback text as it leaves the one-line fields, so the buttons can be
    // reached, and the message gets no tab character.
    void tabInTheTextMovesOnAndTypesNoTab()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("presses a real key on the X server: runs as tst_feedbackdialog_x11");
        FeedbackDialog dialog;
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        fill(dialog, QStringLiteral("张三"), QString(), QStringLiteral("坏了"));
        QTextEdit *content = contentEdit(dialog);
        content->setFocus();
        content->moveCursor(QTextCursor::Start);
        QTRY_VERIFY(content->hasFocus());
        QCOMPARE(IKeySender::instance()->send(IKeySender::taps(VirtualKeys::VK_TAB, 1)), 2);
        QTRY_VERIFY(!content->hasFocus());
        QVERIFY(dialog.isAncestorOf(QApplication::focusWidget()));
        QCOMPARE(content->toPlainText(), QStringLiteral("坏了"));
    }

    void typingAtOnceGoesToTheFirstFieldThatMustBeFilled_data()
    {
        QTest::addColumn<bool>("signedIn");
        QTest::addColumn<QString>("field");
        QTest::newRow("signed in: the feedback text") << true << "teContent";
        QTest::newRow("nobody signed in: the contact") << false << "leUserName";
    }

    // The contact of a signed-in user is filled in; the mobile number may stay empty and is
    // passed over, so the words typed at once land in the feedback text.
    void typingAtOnceGoesToTheFirstFieldThatMustBeFilled()
    {
        QFETCH(bool, signedIn);
        QFETCH(QString, field);
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("presses real keys on the X server: runs as tst_feedbackdialog_x11");
        if (signedIn)
            m_mail->home.write(QStringLiteral("config/user"), R"({"id": 42, "name": "李四"})");
        LoginBL::instance().reloadFromDisk();
        // As the settings menu's entry opens it.
        QPointer<QDialog> dialog = settingsMenuInstance()->openSettingDialog(2);
        QVERIFY(dialog);
        auto &form = *qobject_cast<FeedbackDialog *>(dialog.data());
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog));

        QVector<KeyRecord> keys;
        for (const QChar c : QStringLiteral("BROKEN"))
            keys += IKeySender::taps(c.unicode(), 1);
        QCOMPARE(IKeySender::instance()->send(keys), keys.size());
        if (signedIn) {
            QTRY_COMPARE(contentEdit(form)->toPlainText(), QStringLiteral("broken"));
            QCOMPARE(nameEdit(form)->text(), QStringLiteral("李四"));
        } else {
            QTRY_COMPARE(nameEdit(form)->text(), QStringLiteral("broken"));
            QVERIFY(contentEdit(form)->toPlainText().isEmpty());
        }
        QVERIFY(phoneEdit(form)->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), dialog->findChild<QWidget *>(field));
        delete dialog.data();
    }

    void closingWhileSendingTouchesNothingAfterwards()
    {
        ToastRecorder toasts;
        m_mail->server.setSilent(true);
        SmtpHelper::setLimits({300, 300, 300});
        QPointer<FeedbackDialog> dialog = new FeedbackDialog;
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->show();
        fill(*dialog, QStringLiteral("张三"), QString(), QStringLiteral("内容"));
        QTimer::singleShot(50, dialog, [dialog] { dialog->findChild<QPushButton *>("btnCancel")->click(); });
        dialog->on_btnSubmit_clicked();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!dialog);
        QVERIFY(toasts.entries.isEmpty());
    }
};

QTEST_MAIN(TestFeedbackDialog)
#include "tst_feedbackdialog.moc"
