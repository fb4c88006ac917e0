#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QPushButton;

// The "get code" button of the account dialogs: asks the login logic for a verification code
// and, once one is sent, keeps the button disabled for a minute, showing the seconds left.
class CodeCountdown : public QObject
{
    Q_OBJECT
public:
    static constexpr int TickMs = 500;
    static constexpr int LengthSeconds = 60;

    explicit CodeCountdown(QPushButton *button, QObject *parent = nullptr);

    // Sends the code to the account (a mobile number or a mail address). The button stays
    // disabled while the request runs, so a double click sends one request.
    void request(bool forRegister, const QString &account);
    bool isCounting() const;

private:
    void start();
    void tick();

    QPushButton *m_button;
    QString m_idleText;
    QTimer m_timer;
    qint64 m_startMs = 0;
};
