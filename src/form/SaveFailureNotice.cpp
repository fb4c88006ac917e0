#include "form/SaveFailureNotice.h"

#include "config/DeviceConfigHelper.h"
#include "qui/Toast.h"
#include "util/TrContexts.h"

#include <QSet>

namespace SaveFailureNotice {
namespace {
QSet<QString> &shown()
{
    static QSet<QString> set;
    return set;
}
} // namespace

void connect(QObject *context)
{
    QObject::connect(&DeviceConfigHelper::instance(), &DeviceConfigHelper::saveFailed, context,
                     [](const QString &deviceKey, const QString &, const QString &reason) { notify(deviceKey, reason); });
}

bool notify(const QString &deviceKey, const QString &reason)
{
    const QString id = deviceKey + QLatin1Char('\n') + reason;
    if (shown().contains(id))
        return false;
    shown().insert(id);
    Toast::instance().showMessage(2, TNotify::tr("设备设置无法保存: %1").arg(reason), 3000);
    return true;
}

void reset()
{
    shown().clear();
}
} // namespace SaveFailureNotice
