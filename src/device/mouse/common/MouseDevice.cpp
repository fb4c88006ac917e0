#include "device/mouse/common/MouseDevice.h"

#include "config/MouseSetting.h"
#include "device/DeviceContext.h"
#include "device/IDeviceListener.h"
#include "device/ProductInfo.h"
#include "logging/QsLog.h"
#include "util/TrContexts.h"

#include <QTimer>

MouseDevice::MouseDevice(DeviceContext *context, QObject *parent)
    : IDeviceLogic(context, parent)
{
}

QString MouseDevice::typeName() const
{
    if (m_context && m_context->product && !m_context->product->name.isEmpty())
        return m_context->product->name;
    return TMouse::tr("语音鼠标");
}

std::unique_ptr<BaseSetting> MouseDevice::createSetting() const
{
    return std::make_unique<MouseSetting>();
}

QVector<IDeviceLogic::PageEntry> MouseDevice::pageTable() const
{
    // Indexes 0 to 4 of the mouse's page stack.
    return {
        {TUI::tr(" 设备信息"), QStringLiteral("MouseInfoTab"), nullptr},
        {TUI::tr(" 语音打字"), QStringLiteral("TypingTab"), nullptr},
        {TUI::tr(" 语音搜索"), QStringLiteral("VoiceSearchTab"), nullptr},
        {TUI::tr(" 文本翻译"), QStringLiteral("MouseTextTranslationTab"), nullptr},
        {TUI::tr(" M键设置"), QStringLiteral("MouseMKeyTab"), nullptr},
    };
}

bool MouseDevice::writeReport(const QByteArray &report)
{
    if (!m_context || !m_context->listener) {
        QLOG_WARN() << typeName() << "has no transport for report" << report.toHex();
        return false;
    }
    const bool ok = m_context->listener->write(report);
    if (!ok) {
        QLOG_WARN() << typeName() << "refused report" << report.toHex();
    }
    return ok;
}

bool MouseDevice::sendSwitchCommand(bool on)
{
    return writeReport(QByteArray::fromHex(on ? "0a032301" : "0a032300"));
}

QByteArray MouseDevice::dpiCommand(int) const
{
    return {};
}

QByteArray MouseDevice::dpiQueryCommand() const
{
    return {};
}

bool MouseDevice::setDpi(int level)
{
    const QByteArray command = dpiCommand(level);
    if (command.isEmpty()) {
        QLOG_WARN() << typeName() << "has no known DPI command; level" << level << "not sent";
        return false;
    }
    if (!writeReport(command))
        return false;
    QTimer::singleShot(DpiReadBackMs, this, [this] {
        const QByteArray query = dpiQueryCommand();
        if (!query.isEmpty())
            writeReport(query);
    });
    return true;
}

void MouseDevice::setBluetoothConnected(bool connected)
{
    // The page starts at "connected", not at this device's initial value: the first report is
    // always passed on.
    if (m_bluetoothReported && connected == m_bluetoothConnected)
        return;
    m_bluetoothReported = true;
    m_bluetoothConnected = connected;
    emit bluetoothConnectedChanged(connected);
}

void MouseDevice::setReceiverStatus(int level)
{
    if (m_receiverReported && level == m_receiverStatus)
        return;
    m_receiverReported = true;
    m_receiverStatus = level;
    emit receiverStatusChanged(level);
}
