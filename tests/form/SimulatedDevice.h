#pragma once

#include "device/DeviceContext.h"
#include "device/IDeviceListener.h"
#include "device/IDeviceLogic.h"

#include <QStringList>
#include <functional>

// A device logic as a test drives it: a type name, its pages (one unless a test sets more), and a journal of what was
// done to it.
class SimulatedLogic : public IDeviceLogic
{
    Q_OBJECT
public:
    SimulatedLogic(DeviceContext *context, const QString &typeName, QStringList *journal)
        : IDeviceLogic(context), m_typeName(typeName), m_journal(journal)
    {
    }

    QString typeName() const override { return m_typeName; }
    QVector<PageEntry> pageTable() const override { return pages; }
    void releaseUI() override
    {
        if (m_journal)
            m_journal->append(QStringLiteral("releaseUI"));
        if (onRelease)
            onRelease();
    }

    std::function<void()> onRelease;
    // Read when the main window builds the device's panels.
    QVector<PageEntry> pages{{QStringLiteral(" 设备信息"), QStringLiteral("SimulatedInfo"), {}}};

private:
    QString m_typeName;
    QStringList *m_journal;
};

// A transport that only notes when it is stopped.
class SimulatedListener : public IDeviceListener
{
    Q_OBJECT
public:
    explicit SimulatedListener(QStringList *journal) : m_journal(journal) {}
    void stop() override
    {
        if (m_journal)
            m_journal->append(QStringLiteral("stop"));
        if (onStop)
            onStop();
    }
    bool write(const QByteArray &) override { return true; }

    std::function<void()> onStop;

private:
    QStringList *m_journal;
};

// A connected device: hardware, logic and listener as the monitors would make them. The
// settings record, when given, is the settings store's.
DeviceContext *makeSimulatedDevice(const QString &product, const QString &typeName, QStringList *journal = nullptr,
                                   ushort productId = 0x0001);
SimulatedLogic *simulatedLogic(DeviceContext *context);
SimulatedListener *simulatedListener(DeviceContext *context);
