#include "logic/businessLogic/AsrEngine/UnavailableAsrEngine.h"

#include "logging/QsLog.h"

UnavailableAsrEngine::UnavailableAsrEngine(const QString &name, const QString &reason, QObject *parent)
    : IAsrEngine(parent), m_name(name), m_reason(reason)
{
}

void UnavailableAsrEngine::start()
{
    QLOG_ERROR() << m_name << "cannot start:" << m_reason;
    emit error(-1, m_reason);
}
