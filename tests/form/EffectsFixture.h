#pragma once

#include "config/PointerSetting.h"
#include "device/DeviceContext.h"
#include "form/floating/PointerScreen.h"
#include "logging/QsLog.h"
#include "util/AppHelper.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

// A presenter with its settings record, a screen arrangement and a screen picture for the
// floating windows. The picture's pixel (x, y) is (x % 256, y % 256, 77), so a test can tell
// which screen pixel ended up where.
struct EffectsFixture {
    PointerSetting setting;
    DeviceContext context;
    int notifications = 0;
    int grabs = 0;

    EffectsFixture()
    {
        context.setting = &setting;
        setting.addNotifyHandler([this](const QString &, const QVariant &, const QVariant &) { ++notifications; });
        useScreens({QRect(0, 0, 1920, 1080)}, QPoint(500, 400));
        AppHelper::setGrabber([this](WId, int, int, int, int) {
            ++grabs;
            return screenPicture(PointerScreen::underPointer().geometry.size());
        });
    }
    ~EffectsFixture()
    {
        context.setting = nullptr;
        AppHelper::setGrabber({});
        PointerScreen::setArrangement(std::nullopt);
    }

    static QImage screenPicture(const QSize &size)
    {
        QImage image(size, QImage::Format_RGB32);
        for (int y = 0; y < size.height(); ++y) {
            QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < size.width(); ++x)
                line[x] = qRgb(x % 256, y % 256, 77);
        }
        return image;
    }

    // Screens with their whole area available, except a 40 px task bar at the bottom when asked.
    static void useScreens(const QVector<QRect> &screens, QPoint pointer, int taskBar = 0)
    {
        PointerScreen::Arrangement a;
        for (const QRect &g : screens) {
            PointerScreen::Area area;
            area.geometry = g;
            area.available = g.adjusted(0, 0, 0, -taskBar);
            a.screens.append(area);
        }
        a.pointer = pointer;
        PointerScreen::setArrangement(a);
    }
};

// Collects the log lines written while it lives.
class LogCapture
{
public:
    LogCapture()
    {
        QsLogging::Logger::instance().setConsoleEnabled(false);
        QsLogging::Logger::instance().setLoggingLevel(QsLogging::TraceLevel);
        QsLogging::Logger::instance().setFileDestination(path(), 16 * 1024 * 1024, 1);
    }
    ~LogCapture()
    {
        QsLogging::Logger::instance().setFileDestination(QString(), 0, 0);
        QsLogging::Logger::instance().setLoggingLevel(QsLogging::InfoLevel);
    }
    QString text() const
    {
        QsLogging::Logger::instance().flush();
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    // Lines holding every one of the parts.
    QStringList lines(const QStringList &parts) const
    {
        QStringList found;
        const QStringList all = text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (const QString &line : all) {
            bool ok = true;
            for (const QString &p : parts)
                ok = ok && line.contains(p);
            if (ok)
                found.append(line);
        }
        return found;
    }

private:
    QString path() const { return m_dir.path() + QStringLiteral("/log.txt"); }
    QTemporaryDir m_dir;
};
