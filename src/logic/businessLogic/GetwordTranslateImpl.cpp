#include "logic/businessLogic/GetwordTranslateImpl.h"

#include "config/BaseSetting.h"
#include "device/DeviceContext.h"
#include "logging/QsLog.h"
#include "logic/client/BaiduClient.h"

#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace {
constexpr int PopupWidth = 610;
constexpr int PopupHeight = 310;
constexpr int Gap = 10;
constexpr int MaxChars = 2000; // longer selections are documents, not words
} // namespace

GetwordTranslateImpl &GetwordTranslateImpl::instance()
{
    static GetwordTranslateImpl impl;
    return impl;
}

GetwordTranslateImpl::GetwordTranslateImpl() : m_client(new BaiduClient(this))
{
    // A selection changes with every mouse move while it is dragged: wait until it settles.
    m_settle.setSingleShot(true);
    m_settle.setInterval(400);
    connect(&m_settle, &QTimer::timeout, this, &GetwordTranslateImpl::onSelectionChanged);
}

void GetwordTranslateImpl::start(DeviceContext *context)
{
    m_context = context;
    if (m_running)
        return;
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard->supportsSelection()) {
        QLOG_WARN() << "word pick: this platform has no selection";
    }
    connect(clipboard, &QClipboard::selectionChanged, this, [this] { m_settle.start(); });
    m_running = true;
    QLOG_INFO() << "word pick: started";
}

void GetwordTranslateImpl::stop()
{
    if (!m_running)
        return;
    disconnect(QGuiApplication::clipboard(), nullptr, this, nullptr);
    m_settle.stop();
    m_running = false;
    m_context = nullptr;
    ++m_generation; // a translation still on its way is no longer wanted
    QLOG_INFO() << "word pick: stopped";
}

void GetwordTranslateImpl::clearEffectFlag()
{
    m_fadeOut = false;
    emit fadeOutCancelled();
}

void GetwordTranslateImpl::onSelectionChanged()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (clipboard->ownsSelection())
        return; // our own windows (the popup itself) select text too
    // Every settled selection counts, the same word again too: its popup may have faded.
    const QString text = clipboard->text(QClipboard::Selection).trimmed();
    if (text.isEmpty())
        return;
    translateSelection(text, QCursor::pos());
}

void GetwordTranslateImpl::translateSelection(const QString &text, const QPoint &point)
{
    if (text.size() > MaxChars) {
        QLOG_INFO() << "word pick: selection too long, skipped";
        return;
    }
    const BaseSetting *setting = m_context ? m_context->setting : nullptr;
    const QString from = setting ? setting->getword_tranFromLanguage : QStringLiteral("auto");
    const QString to = setting ? setting->getword_tranToLanguage : QStringLiteral("en");
    const quint64 generation = ++m_generation;
    m_client->translate(text, from, to, [this, generation, text, point](const QString &translated, const QString &, const QString &) {
        if (generation != m_generation)
            return; // stopped, or a newer selection was made meanwhile
        onResult(point.x(), point.y(), text, translated);
    }, this, [this, generation](const QString &) {
        return generation == m_generation; // a failure after stop or a newer selection shows nothing
    });
}

QPoint GetwordTranslateImpl::placement(const QPoint &point, const QSize &largestScreen)
{
    const int x = point.x() > largestScreen.width() - PopupWidth ? point.x() - PopupWidth : point.x() + Gap;
    const int y = point.y() > largestScreen.height() - PopupHeight ? point.y() - PopupHeight : point.y() + Gap;
    return {x, y};
}

QSize GetwordTranslateImpl::largestScreenSize()
{
    QSize size;
    const auto screens = QGuiApplication::screens();
    for (const QScreen *screen : screens) {
        size.setWidth(qMax(size.width(), screen->geometry().width()));
        size.setHeight(qMax(size.height(), screen->geometry().height()));
    }
    return size;
}

void GetwordTranslateImpl::onResult(int x, int y, const QString &text, const QString &translation)
{
    m_fadeOut = true; // a new popup fades out again until the user touches it
    emit showResult(placement({x, y}, largestScreenSize()), text, translation);
}
