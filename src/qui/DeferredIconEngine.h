#pragma once

#include <QIconEngine>
#include <optional>

// An icon read from its file only when something first draws it or asks for its sizes.
// Reading an icon file at once loads the image format's plugin and decodes every image the
// file holds; a program starting into the tray draws no window icon, and the tray draws its
// icon only once the event loop runs.
class DeferredIconEngine : public QIconEngine
{
public:
    static QIcon icon(const QString &fileName);

    explicit DeferredIconEngine(const QString &fileName);

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) const override;
    QString key() const override;
    QIconEngine *clone() const override;
    void virtual_hook(int id, void *data) override;

private:
    const QIcon &loaded() const;

    QString m_fileName;
    mutable std::optional<QIcon> m_icon;
};
