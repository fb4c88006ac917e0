#pragma once

#include <QIcon>
#include <QObject>

// The application's window icon, given to the windows once the first of them is shown. Set at
// start, every window created would carry it to the X server rendered at four sizes, the
// tray icon's own invisible window too (about 3 ms of a start into the tray for an icon nobody
// sees).
class AppWindowIcon : public QObject
{
public:
    // The first window shown that the window manager decorates sets the icon for all windows.
    // Later calls replace the icon still waiting.
    static void setWhenFirstShown(const QIcon &icon);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit AppWindowIcon(const QIcon &icon);

    QIcon m_icon;
};
