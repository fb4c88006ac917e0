#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

class QWidget;

// Lets the user drag frameless windows: any top-level widget whose dynamic property
// "canMove" is true follows the mouse while the left button is held on a part of it
// that does not take the press itself (background, labels, frames).
class AppInit : public QObject
{
    Q_OBJECT
public:
    static AppInit &instance();
    // Installs the filter on the application; calling it again does nothing.
    void start();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    AppInit() = default;

    QPointer<QWidget> m_dragged;
    QPoint m_offset;
    bool m_started = false;
};
