#pragma once

#include "logic/businessLogic/workflow/IWorkHandle.h"

#include <QTimer>
#include <QVector>
#include <memory>

class DeviceContext;
class KeywordVO;

// The voice-search node: when the run ends, the spoken text opens what its keyword names
// (program or file, folder, web page, detected application), else it goes to the device's
// web search engine. The typing tip is driven through signals, as by the typing node.
class SearchImp : public IWorkHandle
{
    Q_OBJECT
public:
    explicit SearchImp(DeviceContext *context, QObject *parent = nullptr);

    void startHandle() override;
    void resultHandle(const AsrResult &result) override;
    void stopHandle() override;
    void finishHandle() override;
    void messageHandle(const QString &message) override;
    void onVolume(int level) override;

    // The spoken text without blanks, punctuation, symbols and letter case.
    static QString normalized(const QString &text);
    // The keyword the text names: an exact match first, else the longest keyword the text
    // contains; the user's keywords before the detected applications. Null when none.
    // Prepares the lists on every call: the search itself uses the prepared store index.
    static std::shared_ptr<KeywordVO> match(const QString &text,
                                            const QVector<std::shared_ptr<KeywordVO>> &keywords,
                                            const QVector<std::shared_ptr<KeywordVO>> &autoKeywords);
    // Opens the keyword's content; false when it cannot.
    static bool open(const KeywordVO &keyword);

    // Runs the search for a finished text (also used by the hub's tests).
    void search(const QString &text);

signals:
    // What the search did: the keyword it opened, or the search URL.
    void searched(const QString &text, const QString &target, bool ok);

    void setText(const QString &text);
    void setMessage(const QString &text);
    void setVolume(int level);
    void showTip();
    void hideTip();

private:
    DeviceContext *m_context;
    QString m_text;
    bool m_done = false;
    QTimer m_hideTimer;
};
