#pragma once

#include "util/TableColumnConfig.h"

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QVector>
#include <QWidget>
#include <atomic>
#include <functional>
#include <optional>

class QScreen;

// Application paths and files, the main window, screens, identity and auto start.
class AppHelper : public QObject
{
    Q_OBJECT
public:
    static AppHelper &instance();

    static QString appName() { return QStringLiteral("Vellobox"); }
    // The program folder: $VELLOBOX_HOME when set, else the executable's folder.
    static QString programDir();
    static qint64 nowSeconds();

    void setMainWindow(QWidget *window) { m_mainWindow = window; }
    QWidget *mainWindow() const { return m_mainWindow.data(); }

    // The screen holding the point, or the one under the pointer; null when none holds it.
    static QScreen *currentScreen(std::optional<QPoint> point = std::nullopt);
    // Grabs a window or an area of the screen under the pointer; window 0 with
    // (0, 0, -1, -1) is that whole screen.
    static QImage grabScreen(WId window, int x, int y, int width, int height);
    // Tests give their own screen picture: the offscreen platform grabs nothing.
    using Grabber = std::function<QImage(WId window, int x, int y, int width, int height)>;
    static void setGrabber(Grabber grabber);

    static void openLocalFile(const QString &path);
    // Absolute path of a file below the program folder, or empty (logged) when it is missing.
    static QString checkResource(const QString &relativePath);
    // The value after "key=" (any letter case) up to the next "&" or the end.
    static QString textBetween(const QString &text, const QString &key);
    static QString getMacAddress();

    static bool isAutoStart();
    static bool setAutoStart(bool on);

    // Layout files larger or deeper than this are refused unparsed.
    static constexpr int MaxLayoutBytes = 256 * 1024;
    static constexpr int MaxLayoutDepth = 32;
    // Columns of the table layout config/uiConfig/table/<name>.xml; the built-in layout when
    // the program folder has none or its file is refused (logged). Empty (logged) when there
    // is no usable layout at all.
    static QVector<TableColumnConfig> loadDataConfig(const QString &tableName);
    static QVector<TableColumnConfig> parseDataConfig(const QByteArray &xml, QString *error);

    int microphoneTestState() const { return m_micTest.load(); }
    void setMicrophoneTestState(int state) { m_micTest.store(state); }

    // Moves an unreadable file aside as <name>.bad (or .bad.N when that exists already)
    // and returns the new path; empty when it could not be moved.
    static QString keepAside(const QString &path);

private:
    AppHelper() = default;

    QPointer<QWidget> m_mainWindow;
    std::atomic<int> m_micTest{0};
};
