#pragma once
// Logging statements: QLOG_INFO() << "text"; each records the source file and line.
#include "logging/Logger.h"

// A one-pass loop rather than if/else, so that "if (x) QLOG_INFO() << y; else ..." stays unambiguous.
// The stream's operands are not evaluated when the level is off.
#define QLOG_AT(level)                                                                            \
    for (bool vbLogOnce = QsLogging::Logger::instance().loggingLevel() <= (level); vbLogOnce;     \
         vbLogOnce = false)                                                                       \
        QsLogging::Logger::Helper((level), __FILE__, __LINE__).stream()

#define QLOG_TRACE() QLOG_AT(QsLogging::TraceLevel)
#define QLOG_DEBUG() QLOG_AT(QsLogging::DebugLevel)
#define QLOG_INFO() QLOG_AT(QsLogging::InfoLevel)
#define QLOG_WARN() QLOG_AT(QsLogging::WarnLevel)
#define QLOG_ERROR() QLOG_AT(QsLogging::ErrorLevel)
#define QLOG_FATAL() QLOG_AT(QsLogging::FatalLevel)
