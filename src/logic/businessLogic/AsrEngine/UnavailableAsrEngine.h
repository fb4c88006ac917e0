#pragma once

#include "logic/businessLogic/AsrEngine/IAsrEngine.h"

// Stands in for an engine kind this build cannot use: every start reports why.
class UnavailableAsrEngine : public IAsrEngine
{
    Q_OBJECT
public:
    UnavailableAsrEngine(const QString &name, const QString &reason, QObject *parent = nullptr);
    QString name() const override { return m_name; }
    void start() override;
    void sendData(const QByteArray &) override {}
    void finish() override {}
    void clean() override {}
    AsrEngineState state() const override { return Disconnected; }

private:
    QString m_name;
    QString m_reason;
};
