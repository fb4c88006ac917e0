#include "logic/businessLogic/workflow/typing/TypeImp.h"

#include "logging/QsLog.h"
#include "logic/businessLogic/FunctionCatalog.h"
#include "util/Clock.h"

#include <QPointer>
#include <QRegularExpression>

TypeImp::TypeImp(QObject *parent) : IWorkHandle(parent)
{
    m_throttleTimer.setSingleShot(true);
    connect(&m_throttleTimer, &QTimer::timeout, this, &TypeImp::typing_timeout);
}

void TypeImp::setMode(int action)
{
    m_mode = action == 8 ? 8 : 7;
}

bool TypeImp::isDeleteCommand(const QString &text)
{
    static const QRegularExpression punctuation(QStringLiteral("[\\s\\p{P}]"));
    QString t = text;
    t.remove(punctuation);
    t = t.toLower();
    return t == QStringLiteral("删除") || t == QStringLiteral("退格") || t == QLatin1String("delete");
}

void TypeImp::startHandle()
{
    m_state = Running;
    m_typed.clear();
    m_pending.clear();
    m_hasPending = false;
    m_typedOnce = false;
    m_throttleTimer.stop();
    emit tipMode(m_mode);
    emit setText(FunctionCatalog::name(1000, m_mode));
    emit setMessage(QString());
    emit showTip();
}

void TypeImp::resultHandle(const AsrResult &result)
{
    if (m_state == Idle) {
        QLOG_DEBUG() << "TypeImp: result after the run, dropped";
        return;
    }
    emit setMessage(result.isFinish ? result.finishText : result.finishText + result.text);
    if (result.isFinish) {
        m_throttleTimer.stop();
        m_hasPending = false;
        typeFinal(result.text);
        return;
    }
    if (m_mode == 8 || m_outputMode == PasteFinal)
        return; // only final sentences are typed
    const qint64 now = Clock::nowMs();
    if (!m_typedOnce || now - m_lastTypedMs >= ThrottleMs) {
        typeInterim(result.text);
    } else {
        m_pending = result.text;
        m_hasPending = true;
        if (!m_throttleTimer.isActive())
            m_throttleTimer.start(int(ThrottleMs - (now - m_lastTypedMs)));
    }
}

void TypeImp::typing_timeout()
{
    if (!m_hasPending || m_state == Idle)
        return;
    const qint64 now = Clock::nowMs();
    if (m_typedOnce && now - m_lastTypedMs < ThrottleMs) {
        m_throttleTimer.start(int(ThrottleMs - (now - m_lastTypedMs)));
        return;
    }
    m_hasPending = false;
    typeInterim(m_pending);
}

void TypeImp::typeInterim(const QString &text)
{
    m_lastTypedMs = Clock::nowMs();
    m_typedOnce = true;
    if (text == m_typed)
        return;
    emit typingSignal(text, m_typed);
    m_typed = text;
}

void TypeImp::typeFinal(const QString &text)
{
    if (m_mode == 8) {
        if (!text.trimmed().isEmpty()) {
            m_toTranslate.append(text);
            translateNext();
        }
        return;
    }
    if (m_outputMode == Live && isDeleteCommand(text)) {
        if (!m_typed.isEmpty())
            emit typingSignal(QString(), m_typed);
        m_typed.clear();
        emit vkDeleteWordSignal();
        return;
    }
    if (m_outputMode == PasteFinal) {
        if (!text.isEmpty())
            pasteText(text);
        return;
    }
    // Always sent, even when the text equals the interim on screen: that fixes it.
    if (!text.isEmpty() || !m_typed.isEmpty())
        emit typingSignal(text, m_typed);
    m_typed.clear(); // the next sentence starts after this one
    m_lastTypedMs = Clock::nowMs();
    m_typedOnce = true;
}

void TypeImp::pasteText(const QString &text)
{
    emit clipboard(text);
    emit vkPasteSignal();
}

void TypeImp::translateNext()
{
    if (m_translating || m_toTranslate.isEmpty())
        return;
    const QString text = m_toTranslate.takeFirst();
    if (!m_translator) {
        QLOG_WARN() << "TypeImp: no translator, typing the original text";
        pasteText(text);
        translateNext();
        return;
    }
    m_translating = true;
    QPointer<TypeImp> self(this);
    m_translator(text, [self](const QString &translated) {
        if (!self)
            return;
        self->m_translating = false;
        if (!translated.isEmpty())
            self->pasteText(translated);
        self->translateNext();
    });
}

void TypeImp::stopHandle()
{
    if (m_state == Running)
        m_state = Finishing;
}

void TypeImp::finishHandle()
{
    if (m_hasPending) {
        // The run ended without a final sentence: the last words heard still count.
        m_hasPending = false;
        typeInterim(m_pending);
    }
    m_throttleTimer.stop();
    m_state = Idle;
    m_typed.clear();
    emit hideTip();
}

void TypeImp::messageHandle(const QString &message)
{
    emit setMessage(message);
}

void TypeImp::onVolume(int level)
{
    emit setVolume(level);
}
