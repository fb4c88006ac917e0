#pragma once

#include <QDebug>
#include <QMutex>
#include <QString>
#include <atomic>
#include <memory>

namespace QsLogging {

enum Level {
    TraceLevel = 0,
    DebugLevel = 1,
    InfoLevel = 2,
    WarnLevel = 3,
    ErrorLevel = 4,
    FatalLevel = 5,
    OffLevel = 6
};

class FileDestination;

// The process-wide logger. Thread safe: listener threads log too.
class Logger
{
public:
    static Logger &instance();

    Level loggingLevel() const { return m_level.load(std::memory_order_relaxed); }
    void setLoggingLevel(Level level);
    // Levels outside 0..6 fall back to info.
    static Level levelFromInt(int value);
    static QString levelName(Level level);
    // The message with CR, LF and the other line separators written as escapes.
    static QString escapeLineBreaks(const QString &message);

    // An empty path turns the file log off.
    void setFileDestination(const QString &path, qint64 maxSizeBytes, int maxBackups);
    QString filePath() const;
    void setConsoleEnabled(bool enabled);

    // Writes one finished line: level name, time and message.
    void write(Level level, const QString &message);
    void flush();

    // Collects one statement and writes it when destroyed.
    class Helper
    {
    public:
        Helper(Level level, const char *file, int line);
        ~Helper();
        QDebug &stream() { return m_debug; }

    private:
        Level m_level;
        QString m_buffer;
        QDebug m_debug;
    };

private:
    Logger();
    ~Logger();
    Logger(const Logger &) = delete;
    Logger &operator=(const Logger &) = delete;

    std::atomic<Level> m_level{InfoLevel};
    mutable QMutex m_mutex;
    std::unique_ptr<FileDestination> m_file;
    bool m_console = true;
};

} // namespace QsLogging
