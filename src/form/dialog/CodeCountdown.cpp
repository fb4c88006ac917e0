#include "form/dialog/CodeCountdown.h"

#include "logic/businessLogic/login/LoginBL.h"
#include "qui/Toast.h"
#include "util/Clock.h"

#include <QPushButton>

CodeCountdown::CodeCountdown(QPushButton *button, QObject *parent)
    : QObject(parent)
    , m_button(button)
    , m_idleText(button->text())
{
    m_timer.setInterval(TickMs);
    // Connected once: every countdown reuses the same tick.
    connect(&m_timer, &QTimer::timeout, this, &CodeCountdown::tick);
}

void CodeCountdown::request(bool forRegister, const QString &account)
{
    // The login logic refuses other accounts with its own toast and never answers: the
    // button must then stay usable.
    if (LoginBL::isMobileNumber(account) || LoginBL::isEmailAddress(account))
        m_button->setEnabled(false);
    LoginBL::instance().sendVerifyCode(
        forRegister, account,
        [this](const QString &message, int code) {
            if (code != 0) {
                Toast::instance().showMessage(1, message, 2000);
                m_button->setEnabled(true);
                return;
            }
            Toast::instance().showMessage(0, message, 2000);
            start();
        },
        this);
}

bool CodeCountdown::isCounting() const
{
    return m_timer.isActive();
}

void CodeCountdown::start()
{
    m_button->setEnabled(false);
    // A monotonic clock: setting the wall clock neither stretches nor shortens the minute.
    m_startMs = Clock::monotonicMs();
    m_timer.start();
    tick();
}

void CodeCountdown::tick()
{
    const qint64 elapsed = qMax<qint64>(0, Clock::monotonicMs() - m_startMs);
    const qint64 remaining = LengthSeconds - elapsed / 1000;
    if (remaining <= 0) {
        m_timer.stop();
        m_button->setText(m_idleText);
        m_button->setEnabled(true);
        return;
    }
    m_button->setText(QStringLiteral("%1s").arg(remaining));
}
