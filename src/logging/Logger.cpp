#include "logging/Logger.h"

#include "logging/FileDestination.h"

#include <QDateTime>
#include <cstdio>
#include <cstring>

namespace QsLogging {

namespace {
// Keeps log lines short: the path from the source tree's "src/" on.
const char *shortPath(const char *file)
{
    const char *p = std::strstr(file, "/src/");
    return p ? p + 1 : file;
}
} // namespace

Logger &Logger::instance()
{
    static Logger logger;
    return logger;
}

Logger::Logger() = default;
Logger::~Logger() = default;

void Logger::setLoggingLevel(Level level)
{
    m_level.store(level, std::memory_order_relaxed);
}

Level Logger::levelFromInt(int value)
{
    if (value < TraceLevel || value > OffLevel)
        return InfoLevel;
    return static_cast<Level>(value);
}

QString Logger::levelName(Level level)
{
    switch (level) {
    case TraceLevel: return QStringLiteral("TRACE");
    case DebugLevel: return QStringLiteral("DEBUG");
    case InfoLevel: return QStringLiteral("INFO ");
    case WarnLevel: return QStringLiteral("WARN ");
    case ErrorLevel: return QStringLiteral("ERROR");
    case FatalLevel: return QStringLiteral("FATAL");
    case OffLevel: break;
    }
    return QStringLiteral("OFF  ");
}

void Logger::setFileDestination(const QString &path, qint64 maxSizeBytes, int maxBackups)
{
    QMutexLocker lock(&m_mutex);
    m_file.reset();
    if (!path.isEmpty())
        m_file = std::make_unique<FileDestination>(path, maxSizeBytes, maxBackups);
}

QString Logger::filePath() const
{
    QMutexLocker lock(&m_mutex);
    return m_file ? m_file->path() : QString();
}

void Logger::setConsoleEnabled(bool enabled)
{
    QMutexLocker lock(&m_mutex);
    m_console = enabled;
}

// One statement is one line: a line break inside a message (a server's text, say) would let it
// forge log lines of its own.
QString Logger::escapeLineBreaks(const QString &message)
{
    QString out;
    out.reserve(message.size());
    for (const QChar c : message) {
        if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (c == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else if (c == QChar(0x2028) || c == QChar(0x2029) || c == QChar(0x85) || c == QChar(0x0b) || c == QChar(0x0c))
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

void Logger::write(Level level, const QString &message)
{
    const QString line = levelName(level) + QLatin1Char(' ')
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddThh:mm:ss.zzz"))
        + QLatin1Char(' ') + escapeLineBreaks(message);
    const QByteArray utf8 = line.toUtf8();
    QMutexLocker lock(&m_mutex);
    if (m_console) {
        std::fwrite(utf8.constData(), 1, size_t(utf8.size()), stderr);
        std::fputc('\n', stderr);
    }
    if (m_file)
        m_file->write(utf8);
}

void Logger::flush()
{
    QMutexLocker lock(&m_mutex);
    if (m_file)
        m_file->flush();
    std::fflush(stderr);
}

Logger::Helper::Helper(Level level, const char *file, int line)
    : m_level(level)
    , m_buffer(QString::fromUtf8(shortPath(file)) + QLatin1Char('@') + QString::number(line) + QLatin1Char(' '))
    , m_debug(&m_buffer)
{
    m_debug.noquote();
}

Logger::Helper::~Helper()
{
    // QDebug leaves a space after the last item.
    if (m_buffer.endsWith(QLatin1Char(' ')))
        m_buffer.chop(1);
    Logger::instance().write(m_level, m_buffer);
}

} // namespace QsLogging
