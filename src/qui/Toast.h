#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>

class QLabel;
class QTimer;
class QWidget;

// Short timed notices: one tip window, replaced by every new message.
// Types: 0 information (grey), 1 warning (orange), anything else error (red).
class Toast : public QObject
{
    Q_OBJECT
public:
    static Toast &instance();

    void showMessage(int type, const QString &text, int msec = 2000);
    // The text shown now, empty when hidden.
    QString currentText() const;
    bool isShowing() const;
    static QColor background(int type);

signals:
    // Every message, as shown (tests record these).
    void messageShown(int type, const QString &text, int msec);

private:
    Toast();
    void ensureWidget();

    QPointer<QWidget> m_window;
    QLabel *m_label = nullptr;
    QTimer *m_timer = nullptr;
};
