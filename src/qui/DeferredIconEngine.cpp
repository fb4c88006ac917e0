#include "qui/DeferredIconEngine.h"

#include <QFile>
#include <QPainter>

QIcon DeferredIconEngine::icon(const QString &fileName)
{
    return QIcon(new DeferredIconEngine(fileName));
}

DeferredIconEngine::DeferredIconEngine(const QString &fileName)
    : m_fileName(fileName)
{
}

const QIcon &DeferredIconEngine::loaded() const
{
    if (!m_icon)
        m_icon = QIcon(m_fileName);
    return *m_icon;
}

void DeferredIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
}

QPixmap DeferredIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return loaded().pixmap(size, mode, state);
}

QSize DeferredIconEngine::actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return loaded().actualSize(size, mode, state);
}

QList<QSize> DeferredIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state) const
{
    return loaded().availableSizes(mode, state);
}

QString DeferredIconEngine::key() const
{
    return QStringLiteral("DeferredIconEngine");
}

QIconEngine *DeferredIconEngine::clone() const
{
    return new DeferredIconEngine(*this);
}

void DeferredIconEngine::virtual_hook(int id, void *data)
{
    switch (id) {
    case QIconEngine::AvailableSizesHook: {
        auto *argument = static_cast<QIconEngine::AvailableSizesArgument *>(data);
        argument->sizes = availableSizes(argument->mode, argument->state);
        break;
    }
    case QIconEngine::IsNullHook:
        // Asking whether there is an icon (a tray icon's show does) need not read it: the file
        // says as much until it is read.
        *static_cast<bool *>(data) = m_icon ? m_icon->isNull() : !QFile::exists(m_fileName);
        break;
    default:
        QIconEngine::virtual_hook(id, data);
        break;
    }
}
