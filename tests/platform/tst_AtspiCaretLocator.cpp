#include "platform/AtspiCaretLocator.h"

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <QWidget>
#include <QtTest>

#include <cstdio>
#include <unistd.h>

namespace {

class CaretEdit : public QLineEdit
{
public:
    using QLineEdit::QLineEdit;
    QRect caret() const { return cursorRect(); }
};

// Another application with a focused text field: this executable run with "--caret-window".
// Prints where its caret's right-bottom corner is on the screen; "password" on its standard
// input moves the focus to a password field; end of input quits.
int runCaretWindow(int argc, char **argv)
{
    qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    QApplication app(argc, argv);
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *edit = new CaretEdit(QStringLiteral("hello"), &window);
    auto *password = new QLineEdit(QStringLiteral("secret"), &window);
    password->setEchoMode(QLineEdit::Password);
    layout->addWidget(edit);
    layout->addWidget(password);
    window.setGeometry(200, 150, 300, 100);
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        return 2;
    edit->setFocus();
    edit->setCursorPosition(5);
    QCoreApplication::processEvents();
    // The caret sits after the last character; where Qt draws it is where AT-SPI should say.
    const QRect caret = edit->caret();
    const QPoint bottom = edit->mapToGlobal(QPoint(caret.center().x(), caret.bottom()));
    std::printf("%d %d\n", bottom.x(), bottom.y());
    std::fflush(stdout);

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buf[64];
        const ssize_t n = ::read(STDIN_FILENO, buf, sizeof buf);
        if (n <= 0)
            app.quit();
        else
            password->setFocus();
    });
    QTimer::singleShot(60000, &app, &QCoreApplication::quit);
    return app.exec();
}

} // namespace

// The caret of another application found over a private accessibility bus, and nothing for
// a password field.
class tst_AtspiCaretLocator : public QObject
{
    Q_OBJECT

    QProcess m_bus;
    QProcess m_window;
    QPoint m_expected;

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X server");
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty() || !QFile::exists(QStringLiteral("/usr/libexec/at-spi-bus-launcher")))
            QSKIP("needs dbus-daemon and the AT-SPI bus launcher");
        m_bus.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"),
                             QStringLiteral("--print-address=1")});
        QVERIFY(m_bus.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(m_bus.canReadLine(), 5000);
        const QByteArray address = m_bus.readLine().trimmed();
        QVERIFY(!address.isEmpty());
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        qunsetenv("AT_SPI_BUS_ADDRESS");

        m_window.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--caret-window")});
        QVERIFY(m_window.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(m_window.canReadLine(), 10000);
        const QList<QByteArray> xy = m_window.readLine().trimmed().split(' ');
        QCOMPARE(xy.size(), 2);
        m_expected = QPoint(xy.at(0).toInt(), xy.at(1).toInt());
    }

    void cleanupTestCase()
    {
        if (m_window.state() != QProcess::NotRunning) {
            m_window.closeWriteChannel();
            if (!m_window.waitForFinished(5000))
                m_window.kill();
        }
        if (m_bus.state() != QProcess::NotRunning) {
            m_bus.terminate();
            m_bus.waitForFinished(5000);
        }
    }

    void caretOfTheFocusedFieldIsFound()
    {
        AtspiCaretLocator locator;
        QVERIFY(AtspiCaretLocator::busAvailable());
        std::optional<QPoint> found;
        QElapsedTimer t;
        t.start();
        // The accessibility bus and the other program's registration take a moment.
        while (!found && t.elapsed() < 15000) {
            QElapsedTimer call;
            call.start();
            found = locator.caretPosition();
            QVERIFY2(call.elapsed() < 400, "the caller waited past the time limit");
            if (!found)
                QTest::qWait(200);
        }
        QVERIFY2(found, "no caret found");
        qDebug() << "caret" << *found << "expected" << m_expected << "after" << t.elapsed() << "ms";
        QVERIFY2((*found - m_expected).manhattanLength() <= 6,
                 qPrintable(QStringLiteral("caret at %1,%2, expected near %3,%4")
                                .arg(found->x()).arg(found->y()).arg(m_expected.x()).arg(m_expected.y())));

        // A password field gives nothing.
        m_window.write("password\n");
        QTRY_VERIFY_WITH_TIMEOUT(!locator.caretPosition(), 5000);
        for (int i = 0; i < 3; ++i) {
            QTest::qWait(100);
            QVERIFY(!locator.caretPosition());
        }
    }
};

int main(int argc, char **argv)
{
    if (argc >= 2 && qstrcmp(argv[1], "--caret-window") == 0)
        return runCaretWindow(argc, argv);
    QApplication app(argc, argv);
    tst_AtspiCaretLocator test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_AtspiCaretLocator.moc"
