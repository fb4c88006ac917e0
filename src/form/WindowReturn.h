#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <optional>

class QDialog;
class QWidget;
class QWindow;

// How the main window comes forward (the tray's open, a click on the tray icon, a second
// start): back where it was when it was hidden into the tray, with the dialogs it owns that
// stayed open in front of it, and the keys in the dialog the user was in last.
class WindowReturn : public QObject
{
    Q_OBJECT
public:
    // The return of the window (made on first call, a child of it). Made with the window, so
    // that it sees every hide and every dialog the user works in.
    static WindowReturn *of(QWidget *window);

    // Restores, raises and activates the window; its open dialogs are raised after it, in their
    // stacking order, and the last active of them gets the keys.
    void bringForward();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit WindowReturn(QWidget *window);
    // The window's shown dialogs that take the keys, bottom first.
    QList<QDialog *> openDialogs() const;
    void noteActive(QWindow *focus);

    QWidget *m_window;
    std::optional<QPoint> m_hiddenAt;
    // The dialogs the user was in, last active first.
    QList<QPointer<QDialog>> m_recent;
};
