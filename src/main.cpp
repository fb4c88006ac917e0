#include "config/Configurations.h"
#include "config/DeviceConfigHelper.h"
#include "device/VelloboxTypes.h"
#include "form/AppExit.h"
#include "form/MainWindow.h"
#include "form/StartupSequence.h"
#include "logic/businessLogic/AsrEngine/AsrTypes.h"
#include "logging/QsLog.h"
#include "platform/SessionBus.h"
#include "platform/SingleInstanceGuard.h"
#include "platform/UnixSignalWatcher.h"
#include "qui/AppInit.h"
#include "qui/AppWindowIcon.h"
#include "qui/DeferredIconEngine.h"
#include "qui/QUIHelper.h"
#include "util/AppHelper.h"
#include "util/CrashHandler.h"
#include "util/InterfaceTranslation.h"
#include "util/TrContexts.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDir>
#include <QIcon>
#include <QLocale>
#include <QMessageBox>
#include <QElapsedTimer>
#include <QThreadPool>
#include <QTimer>

namespace {

void logQtMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    QsLogging::Level level = QsLogging::DebugLevel;
    switch (type) {
    case QtDebugMsg: level = QsLogging::DebugLevel; break;
    case QtInfoMsg: level = QsLogging::InfoLevel; break;
    case QtWarningMsg: level = QsLogging::WarnLevel; break;
    case QtCriticalMsg: level = QsLogging::ErrorLevel; break;
    case QtFatalMsg: level = QsLogging::FatalLevel; break;
    }
    if (QsLogging::Logger::instance().loggingLevel() > level)
        return;
    const QString where = context.file ? QStringLiteral("%1@%2 ").arg(QString::fromUtf8(context.file)).arg(context.line)
                                       : QStringLiteral("qt ");
    QsLogging::Logger::instance().write(level, where + message);
}

void setUpLog(const Configurations &config)
{
    auto &logger = QsLogging::Logger::instance();
    logger.setLoggingLevel(QsLogging::Logger::levelFromInt(config.logLevel()));
    logger.setFileDestination(AppHelper::programDir() + QStringLiteral("/log/log.txt"),
                              qint64(config.logFileMaxSizeM()) * 1024 * 1024, config.logFileMaxNumber());
    qInstallMessageHandler(logQtMessage);
}

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    StartupSequence::setApplicationAttributes();
    QApplication app(argc, argv);
    // The tray icon and the accessibility bridge both ask the session bus first thing; the
    // connection is made meanwhile on a pool thread instead of while the GUI thread waits.
    // Only where there is a bus to connect to: without one, libdbus would fork its launcher
    // from that thread.
    if (SessionBus::known())
        QThreadPool::globalInstance()->start([] { QDBusConnection::sessionBus(); });
    QApplication::setApplicationName(AppHelper::appName());
    QApplication::setApplicationVersion(QStringLiteral(VELLOBOX_VERSION));
    AppWindowIcon::setWhenFirstShown(DeferredIconEngine::icon(QStringLiteral(":/image/logo.svg")));
    // The program lives in the tray: it ends only through its orderly exit.
    QApplication::setQuitOnLastWindowClosed(false);

    CrashHandler::install(AppHelper::programDir(), QStringLiteral(VELLOBOX_VERSION));

    Configurations &config = Configurations::instance();
    setUpLog(config);
    QLOG_INFO() << "Vellobox" << VELLOBOX_VERSION << "starting in" << AppHelper::programDir();
    if (!config.fileProblem().isEmpty())
        QLOG_ERROR() << config.fileProblem();

    const InterfaceTranslation translation(config.languageInEffect());

    const bool startHidden = app.arguments().contains(QStringLiteral("-h"));

    // The product catalogues are read by the first device scan, which needs them first.
    DeviceConfigHelper::instance().load();
    // Frameless windows marked "canMove" are dragged by the user.
    AppInit::instance().start();
    QUIHelper::applyAtFirstPolish();
    QUIHelper::setStyleSheetFile(QStringLiteral(":/customization.css"));

    // The lock lives beside the files it keeps to one copy.
    SingleInstanceGuard guard(QStringLiteral("vellobox"), AppHelper::programDir());
    if (!guard.tryAcquire()) {
        const QString folder = QDir::toNativeSeparators(guard.folder());
        if (guard.folderFault() == SingleInstanceGuard::FolderFault::CannotMake) {
            QMessageBox::critical(nullptr, AppHelper::appName(),
                                  TNotify::tr("无法创建文件夹 %1 (%2), 无法在其中确认程序只运行一份, 程序无法启动。")
                                      .arg(folder, guard.failure()));
        } else if (!guard.failure().isEmpty()) {
            QMessageBox::critical(nullptr, AppHelper::appName(),
                                  TNotify::tr("无法确认程序只运行一份, 程序无法启动: %1").arg(guard.failure()));
        } else {
            QLOG_WARN() << "refusing a second instance";
            QMessageBox::warning(nullptr, AppHelper::appName(), TNotify::tr("程序已经在运行中!"));
        }
        return 1;
    }

    // A restart lets the lock go before the new copy asks for it.
    AppExit::setLockRelease([&guard] { guard.release(); });
    StartupSequence::removeUnfinishedSaves();

    // Enumerations that travel in queued signals between listener threads and the GUI.
    registerVelloboxMetaTypes();
    registerAsrMetaTypes();

    MainWindow window;
    AppHelper::instance().setMainWindow(&window);
    StartupSequence::wakeWindowOn(&guard, &SingleInstanceGuard::anotherInstanceStarted, &window);

    // The session ending (SIGTERM) or Ctrl+C leaves through the same exit as the tray's.
    UnixSignalWatcher terminations;
    QObject::connect(&terminations, &UnixSignalWatcher::terminationRequested, &window,
                     [&window] { window.quitApplication(); });
    terminations.watch();

    StartupSequence::showWindow(&window, startHidden);
    if (!window.isVisible()) // polishing the hidden windows with the style sheet waits until they are first shown
        QCoreApplication::removePostedEvents(nullptr, QEvent::PolishRequest);
    StartupSequence::connectMonitors(&window);
    StartupSequence::startDeferred(&window);

    QTimer::singleShot(0, &app, [&sinceStart] {
        QLOG_INFO() << "event loop running after" << sinceStart.elapsed() << "ms";
        QsLogging::Logger::instance().flush();
    });
    const int rc = AppExit::execUntilSaved();
    AppExit::setLockRelease({});
    QLOG_INFO() << "Vellobox exits with" << rc;
    QsLogging::Logger::instance().flush();
    return rc;
}
