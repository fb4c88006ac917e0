#include "util/AppHelper.h"

#include "logging/QsLog.h"
#include "platform/IOsHelper.h"
#include "util/Clock.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QXmlStreamReader>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QNetworkInterface>
#include <QPixmap>
#include <QScreen>
#include <QUrl>

namespace {
AppHelper::Grabber &grabber()
{
    static AppHelper::Grabber g;
    return g;
}
} // namespace

AppHelper &AppHelper::instance()
{
    static AppHelper helper;
    return helper;
}

QString AppHelper::programDir()
{
    const QByteArray home = qgetenv("VELLOBOX_HOME");
    if (!home.isEmpty())
        return QDir(QString::fromLocal8Bit(home)).absolutePath();
    return QCoreApplication::applicationDirPath();
}

qint64 AppHelper::nowSeconds()
{
    return Clock::nowSeconds();
}

QScreen *AppHelper::currentScreen(std::optional<QPoint> point)
{
    if (!point && QGuiApplication::screens().size() == 1)
        return QGuiApplication::primaryScreen();
    return QGuiApplication::screenAt(point ? *point : QCursor::pos());
}

void AppHelper::setGrabber(Grabber g)
{
    grabber() = std::move(g);
}

QImage AppHelper::grabScreen(WId window, int x, int y, int width, int height)
{
    if (grabber())
        return grabber()(window, x, y, width, height);
    QScreen *screen = currentScreen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QImage();
    return screen->grabWindow(window, x, y, width, height).toImage();
}

void AppHelper::openLocalFile(const QString &path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QString AppHelper::checkResource(const QString &relativePath)
{
    const QString path = programDir() + relativePath;
    if (QFileInfo::exists(path))
        return QFileInfo(path).absoluteFilePath();
    QLOG_ERROR() << "资源不存在!:" << path;
    return QString();
}

QString AppHelper::textBetween(const QString &text, const QString &key)
{
    const int at = text.indexOf(key + QLatin1Char('='), 0, Qt::CaseInsensitive);
    if (at < 0)
        return QString();
    const int start = at + key.size() + 1;
    const int end = text.indexOf(QLatin1Char('&'), start);
    return end < 0 ? text.mid(start) : text.mid(start, end - start);
}

QString AppHelper::getMacAddress()
{
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &nif : interfaces) {
        const auto flags = nif.flags();
        if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning)
            || (flags & QNetworkInterface::IsLoopBack))
            continue;
        const QString name = nif.humanReadableName().toLower();
        if (name.contains(QLatin1String("vmware network adapter"))
            || name.contains(QLatin1String("npcap loopback adapter")))
            continue;
        bool loopbackAddress = false;
        for (const QNetworkAddressEntry &entry : nif.addressEntries())
            loopbackAddress |= entry.ip().toString() == QLatin1String("127.0.0.1");
        const QString mac = nif.hardwareAddress();
        if (loopbackAddress || mac.isEmpty() || mac == QLatin1String("00:00:00:00:00:00"))
            continue;
        return mac;
    }
    QLOG_WARN() << "没有获取到有效的mac地址";
    return QString();
}

bool AppHelper::isAutoStart()
{
    return IOsHelper::instance()->isAutoStart();
}

bool AppHelper::setAutoStart(bool on)
{
    const bool ok = IOsHelper::instance()->setAutoStart(on);
    QLOG_INFO() << "[setAutoStart] setting:" << on << QCoreApplication::applicationFilePath()
                << (ok ? "" : "(failed)");
    return ok;
}

QVector<TableColumnConfig> AppHelper::parseDataConfig(const QByteArray &xml, QString *error)
{
    QVector<TableColumnConfig> columns;
    // Read in one pass with the streaming reader: its memory does not grow with the nesting,
    // and size and depth are bounded all the same.
    if (xml.size() > MaxLayoutBytes) {
        if (error)
            *error = QStringLiteral("file larger than %1 bytes").arg(MaxLayoutBytes);
        return columns;
    }
    QXmlStreamReader reader(xml);
    int depth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::EndElement)
            --depth;
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (++depth > MaxLayoutDepth) {
            if (error)
                *error = QStringLiteral("elements nested deeper than %1 levels").arg(MaxLayoutDepth);
            return {};
        }
        // Every Column below the root element, at any depth.
        if (depth < 2 || reader.name() != QLatin1String("Column"))
            continue;
        const QXmlStreamAttributes a = reader.attributes();
        TableColumnConfig c;
        c.name = a.value(QLatin1String("Name")).toString();
        c.fieldName = a.value(QLatin1String("FieldName")).toString();
        c.fieldDisplayName = a.value(QLatin1String("FieldDisplayName")).toString();
        c.edited = a.value(QLatin1String("Edited")).compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
        c.width = a.value(QLatin1String("Width")).toInt();
        c.validation = a.value(QLatin1String("Validation")).toString();
        columns.append(c);
    }
    if (reader.hasError()) {
        if (error)
            *error = QStringLiteral("%1 (line %2)").arg(reader.errorString()).arg(reader.lineNumber());
        return {};
    }
    return columns;
}

QVector<TableColumnConfig> AppHelper::loadDataConfig(const QString &tableName)
{
    const QString rel = QStringLiteral("/config/uiConfig/table/%1.xml").arg(tableName);
    QFile own(programDir() + rel);
    if (own.exists()) {
        QString error;
        QVector<TableColumnConfig> columns;
        if (own.size() > MaxLayoutBytes)
            error = QStringLiteral("file larger than %1 bytes").arg(MaxLayoutBytes);
        else if (!own.open(QIODevice::ReadOnly))
            error = own.errorString();
        else
            columns = parseDataConfig(own.readAll(), &error);
        if (error.isEmpty())
            return columns;
        QLOG_ERROR() << "table layout" << own.fileName() << "refused:" << error << "- using the built-in one";
    }
    QFile builtIn(QStringLiteral(":") + rel);
    if (!builtIn.open(QIODevice::ReadOnly)) {
        QLOG_ERROR() << "table layout not found:" << tableName;
        return {};
    }
    QString error;
    const auto columns = parseDataConfig(builtIn.readAll(), &error);
    if (!error.isEmpty())
        QLOG_ERROR() << "table layout" << builtIn.fileName() << "is malformed:" << error;
    return columns;
}

QString AppHelper::keepAside(const QString &path)
{
    QString target = path + QStringLiteral(".bad");
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = path + QStringLiteral(".bad.") + QString::number(n);
    if (!QFile::rename(path, target)) {
        QLOG_ERROR() << "cannot move" << path << "aside";
        return QString();
    }
    return target;
}
