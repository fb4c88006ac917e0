#include "form/SaveFailureNotice.h"
#include "form/dialog/ProgressDialog.h"
#include "form/dialog/TypingMicDialog.h"
#include "form/floating/TextWidget.h"
#include "form/panel/NavForm.h"
#include "qui/Toast.h"
#include "support/ToastRecorder.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QtTest>

Q_DECLARE_METATYPE(std::function<QWidget *()>)
#include <functional>
#include <memory>

namespace {
// Markup that would change the look (and could load a remote picture) if taken as rich text.
const QString Marked = QStringLiteral("<b>vb-mark</b><img src=\"http://127.0.0.1:1/x.png\">");

// Every label under root that shows the marked text, and whether each shows it as plain text.
QStringList richLabelsShowing(QWidget *root)
{
    QStringList rich;
    int showing = 0;
    const auto labels = root->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        if (!label->text().contains(QStringLiteral("vb-mark")))
            continue;
        ++showing;
        if (label->textFormat() != Qt::PlainText)
            rich << label->objectName();
    }
    if (showing == 0)
        rich << QStringLiteral("<no label shows the text>");
    return rich;
}
} // namespace

// Text from servers, users and recognition reaches labels in the windows: each must take it
// as plain text.
class TestPlainTextLabels : public QObject
{
    Q_OBJECT
private slots:
    void labelsShowOutsideTextPlainly_data()
    {
        QTest::addColumn<std::function<QWidget *()>>("show");
        QTest::newRow("voice tip, recognised text") << std::function<QWidget *()>([] {
            auto *tip = new TypingMicDialog(16, false);
            tip->setText(Marked);
            return tip;
        });
        QTest::newRow("progress status") << std::function<QWidget *()>([] {
            auto *dialog = new ProgressDialog;
            dialog->setStatusText(Marked);
            return dialog;
        });
    }
    void labelsShowOutsideTextPlainly()
    {
        QFETCH(std::function<QWidget *()>, show);
        std::unique_ptr<QWidget> window(show());
        QCOMPARE(richLabelsShowing(window.get()), QStringList());
    }

    void toastShowsServerMessagesPlainly()
    {
        Toast::instance().showMessage(2, Marked, 2000);
        QWidget *toast = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (!w->findChildren<QLabel *>().isEmpty() && w->isVisible())
                toast = w;
        }
        QVERIFY(toast);
        QCOMPARE(richLabelsShowing(toast), QStringList());
    }

    void textBoxKeepsMarkupAsText()
    {
        TextWidget box;
        box.setText(Marked);
        QCOMPARE(box.text(), Marked);
        TypingMicDialog tip(16, false);
        tip.setMessage(Marked);
        QCOMPARE(richLabelsShowing(&tip), QStringList{QStringLiteral("<no label shows the text>")});
    }

    void userLineIsPlainText()
    {
        // The user's name comes from the server.
        NavForm nav;
        auto *line = nav.findChild<QLabel *>(QStringLiteral("lbUserName"));
        QVERIFY(line);
        QCOMPARE(line->textFormat(), Qt::PlainText);
    }

    void saveFailureIsToldOncePerDeviceAndReason()
    {
        SaveFailureNotice::reset();
        ToastRecorder toasts;
        QVERIFY(SaveFailureNotice::notify(QStringLiteral("mouse"), QStringLiteral("No space left on device")));
        QVERIFY(!SaveFailureNotice::notify(QStringLiteral("mouse"), QStringLiteral("No space left on device")));
        QVERIFY(SaveFailureNotice::notify(QStringLiteral("mouse"), QStringLiteral("Permission denied")));
        QVERIFY(SaveFailureNotice::notify(QStringLiteral("presenter"), QStringLiteral("No space left on device")));
        QCOMPARE(toasts.texts().size(), 3);
        QVERIFY(toasts.texts().first().contains(QStringLiteral("No space left on device")));
    }
};

QTEST_MAIN(TestPlainTextLabels)
#include "tst_plaintext_labels.moc"
