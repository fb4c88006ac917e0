#include "device/IDeviceLogic.h"

#include "config/BaseSetting.h"
#include "config/DeviceConfigHelper.h"
#include "device/DeviceContext.h"
#include "logging/QsLog.h"
#include "util/Clock.h"
#include "util/TrContexts.h"

#include <QPainter>
#include <QThread>

IDeviceLogic::IDeviceLogic(DeviceContext *context, QObject *parent)
    : QObject(parent)
    , m_context(context)
{
}

IDeviceLogic::~IDeviceLogic() = default;

IDeviceLogic::DeviceUi IDeviceLogic::initializeUI(QWidget *mainWindow)
{
    m_ui = buildPages(mainWindow, pageTable());
    connectUi(mainWindow);
    return m_ui;
}

namespace {
IDeviceLogic::PageBuilder &pageBuilder()
{
    static IDeviceLogic::PageBuilder builder;
    return builder;
}
} // namespace

void IDeviceLogic::setPageBuilder(PageBuilder builder)
{
    pageBuilder() = std::move(builder);
}

IDeviceLogic::DeviceUi IDeviceLogic::buildPages(QWidget *mainWindow, const QVector<PageEntry> &pages)
{
    if (pageBuilder())
        return pageBuilder()(mainWindow, this, pages);
    for (const PageEntry &page : pages)
        QLOG_DEBUG() << "page" << page.buttonText.trimmed() << page.pageClass
                     << (page.create ? "available" : "not built yet");
    return {nullptr, nullptr};
}

void IDeviceLogic::paintStatus(QPainter *painter, const QRect &rect) const
{
    if (!painter)
        return;
    QColor colour;
    switch (m_status) {
    case Status_Connected: colour = QColor(0x2e, 0xcc, 0x71); break;
    case Status_Sleeping: colour = QColor(0xfe, 0xaa, 0x33); break;
    default: colour = QColor(0x99, 0x99, 0x99); break;
    }
    const int d = qMax(4, qMin(8, rect.height() / 3));
    const QRect dot(rect.right() - d - 4, rect.center().y() - d / 2, d, d);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(colour);
    painter->drawEllipse(dot);
    painter->restore();
}

std::unique_ptr<BaseSetting> IDeviceLogic::createSetting() const
{
    return std::make_unique<BaseSetting>();
}

QList<int> IDeviceLogic::functionList(const QString &commaList)
{
    QList<int> out;
    const QStringList parts = commaList.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        bool ok = false;
        const int id = part.trimmed().toInt(&ok);
        // A malformed element keeps its position, so the stored index still points at the
        // same entry; it runs the default function.
        out << (ok ? id : -1);
    }
    return out;
}

int IDeviceLogic::functionIndexOf(const BaseSetting *setting)
{
    if (!setting)
        return DefaultFunction;
    if (setting->mKey_function >= 0)
        return setting->mKey_function;
    const QList<int> list = functionList(setting->mKey_functions);
    const int index = setting->mKey_functionIndex;
    if (index >= 0 && index < list.size() && list.at(index) >= 0)
        return list.at(index);
    return DefaultFunction;
}

int IDeviceLogic::currentFunctionIndex() const
{
    return functionIndexOf(setting());
}

void IDeviceLogic::setStatus(DeiveStatus status)
{
    if (status == m_status)
        return;
    const DeiveStatus old = m_status;
    m_status = status;
    emit notifyChange(Notify_Status, int(old), int(status));
}

BaseSetting *IDeviceLogic::setting() const
{
    return m_context ? m_context->setting : nullptr;
}

void IDeviceLogic::handleKeyEvent(VelloboxActionType action, VelloboxFunctionFlags flags, const QString &text)
{
    if (QThread::currentThread() != thread()) {
        // The context object drops the call if the logic is gone before it runs.
        QMetaObject::invokeMethod(
            this, [this, action, flags, text] { handleKeyEvent(action, flags, text); }, Qt::QueuedConnection);
        return;
    }
    if (!m_context)
        return;
    if (action == Action_MKeySwitch) {
        handleMKey(flags, text);
        return;
    }
    emit invokeFunction(action, flags, text);
}

void IDeviceLogic::handleMKey(VelloboxFunctionFlags flags, const QString &text)
{
    if (flags & Flag_Press) {
        const qint64 now = Clock::nowMs();
        if (m_lastMKeyPress && now - *m_lastMKeyPress >= 0 && now - *m_lastMKeyPress < DoubleClickMs) {
            m_lastMKeyPress.reset();
            m_swallowRelease = true;
            switchToNextFunction();
            return;
        }
        m_lastMKeyPress = now;
        m_swallowRelease = false;
    } else if ((flags & Flag_Release) && m_swallowRelease) {
        // The release of the switching press belongs to the switch.
        m_swallowRelease = false;
        return;
    }
    emit invokeFunction(VelloboxActionType(currentFunctionIndex()), flags, text);
}

void IDeviceLogic::switchToNextFunction()
{
    BaseSetting *record = setting();
    if (!record)
        return;
    const QList<int> list = functionList(record->mKey_functions);
    if (list.isEmpty()) {
        emit invokeFunction(Action_MKeySwitch, Flag_Notice,
                            TNotify::tr("没有可切换的常用功能, 请先在M键设置中选择常用功能!"));
        return;
    }
    const int index = record->mKey_functionIndex;
    const int next = (index >= 0 && index + 1 < list.size()) ? index + 1 : 0;
    writeSetting(QStringLiteral("mKey_function"), -1);
    writeSetting(QStringLiteral("mKey_functionIndex"), next);
    QLOG_INFO() << "M-key function switched to position" << next << "function" << list.at(next);
    emit invokeFunction(Action_MKeySwitch, Flag_Press, QString::number(list.at(next)));
}

void IDeviceLogic::writeSetting(const QString &field, const QVariant &value)
{
    BaseSetting *record = setting();
    if (!record)
        return;
    QObject *owner = &DeviceConfigHelper::instance();
    if (QThread::currentThread() == owner->thread()) {
        record->setValue(field, value);
        return;
    }
    // Look the record up again when the write runs: the device may be gone by then.
    const QString key = m_context->key();
    QMetaObject::invokeMethod(
        owner,
        [key, field, value] {
            if (BaseSetting *r = DeviceConfigHelper::instance().setting(key))
                r->setValue(field, value);
        },
        Qt::QueuedConnection);
}

void IDeviceLogic::handleReport(const QByteArray &report)
{
    QLOG_TRACE() << typeName() << "report" << report.toHex();
}
