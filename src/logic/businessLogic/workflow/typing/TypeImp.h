#pragma once

#include "logic/businessLogic/workflow/IWorkHandle.h"

#include <QStringList>
#include <QTimer>
#include <functional>

// The typing node of voice typing (action 7) and translation typing (action 8).
//
// Voice typing replaces the interim text it typed last by the newer one (typingSignal),
// at most once per 500 ms; a final sentence is always typed, also after the end marker.
// Translation typing types only final sentences, translated, through the clipboard and a
// paste. Output mode 0 pastes final sentences only, without interim text.
//
// The typing tip is driven through signals (tipMode, setText, setMessage, setVolume, showTip,
// hideTip); the main window's typing slots take the four output signals.
class TypeImp : public IWorkHandle
{
    Q_OBJECT
public:
    static constexpr int ThrottleMs = 500;
    enum OutputMode { PasteFinal = 0, Live = 1 };
    enum State { Idle, Running, Finishing };

    // Translates text and calls back with the result (empty on failure).
    using Translator = std::function<void(const QString &text, std::function<void(const QString &)> done)>;

    explicit TypeImp(QObject *parent = nullptr);

    void setMode(int action);
    int mode() const { return m_mode; }
    void setOutputMode(int mode) { m_outputMode = mode; }
    void setTranslator(Translator translator) { m_translator = std::move(translator); }
    State state() const { return m_state; }

    void startHandle() override;
    void resultHandle(const AsrResult &result) override;
    void stopHandle() override;
    void finishHandle() override;
    void messageHandle(const QString &message) override;
    void onVolume(int level) override;

    // A final sentence that is only a spoken delete command.
    static bool isDeleteCommand(const QString &text);

public slots:
    // The throttle window is over: type the interim text held back meanwhile.
    void typing_timeout();

signals:
    void typingSignal(const QString &newChar, const QString &OldChar);
    void clipboard(const QString &text);
    void vkDeleteWordSignal();
    void vkPasteSignal();

    // The typing tip.
    void tipMode(int action);
    void setText(const QString &text);
    void setMessage(const QString &text);
    void setVolume(int level);
    void showTip();
    void hideTip();

private:
    void typeInterim(const QString &text);
    void typeFinal(const QString &text);
    void pasteText(const QString &text);
    void translateNext();

    int m_mode = 7;
    int m_outputMode = Live;
    State m_state = Idle;
    QString m_typed;           // interim text on screen now
    QString m_pending;         // interim text held back by the throttle
    bool m_hasPending = false;
    qint64 m_lastTypedMs = 0;
    bool m_typedOnce = false;
    QTimer m_throttleTimer;
    Translator m_translator;
    QStringList m_toTranslate; // final sentences in spoken order
    bool m_translating = false;
};
