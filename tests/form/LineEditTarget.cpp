#include "LineEditTarget.h"

#include "support/StdinLines.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QThread>
#include <QTimer>
#include <QtTest>
#include <cstdio>

namespace {

// Holds up a Ctrl+V before the line edit sees it, as a busy program would.
class SlowPaste : public QObject
{
public:
    int delayMs = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (delayMs > 0 && event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_V && (key->modifiers() & Qt::ControlModifier))
                QThread::msleep(ulong(delayMs));
        }
        return false;
    }
};

} // namespace

int runLineEditTarget(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLineEdit edit;
    SlowPaste slow;
    edit.installEventFilter(&slow);
    edit.setGeometry(300, 300, 400, 40);
    edit.show();
    edit.activateWindow();
    if (!QTest::qWaitForWindowActive(&edit))
        return 2;
    edit.setFocus();
    std::printf("ready\n");
    std::fflush(stdout);
    StdinLines commands([&](const QByteArray &line) {
        if (line == "text") {
            std::printf("%s\n", edit.text().toUtf8().toPercentEncoding().constData());
        } else if (line.startsWith("slow ")) {
            slow.delayMs = line.mid(5).toInt();
            std::printf("ok\n");
        } else if (line.startsWith("set ")) {
            edit.setText(QString::fromUtf8(QByteArray::fromPercentEncoding(line.mid(4))));
            edit.setCursorPosition(edit.text().size());
            std::printf("ok\n");
        }
        std::fflush(stdout);
    });
    QTimer::singleShot(120000, &app, &QCoreApplication::quit);
    return app.exec();
}


void LineEditTarget::start()
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--line-edit")});
    QVERIFY(m_process.waitForStarted());
    QVERIFY(QTest::qWaitFor([this] { return m_process.canReadLine(); }, 15000));
    QCOMPARE(m_process.readLine().trimmed(), QByteArray("ready"));
}

void LineEditTarget::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.closeWriteChannel();
    if (!m_process.waitForFinished(5000))
        m_process.kill();
}

QByteArray LineEditTarget::ask(const QByteArray &command)
{
    m_process.write(command + '\n');
    if (!QTest::qWaitFor([this] { return m_process.canReadLine(); }, 5000))
        return QByteArray("<no answer>");
    return m_process.readLine().trimmed();
}
