#include "logic/businessLogic/workflow/voicesearch/SearchImp.h"

#include "config/BaseSetting.h"
#include "device/DeviceContext.h"
#include "logging/QsLog.h"
#include "logic/businessLogic/Launcher.h"
#include "logic/businessLogic/workflow/voicesearch/KeywordIndex.h"
#include "orm/data/KeywordVO.h"
#include "qui/Toast.h"
#include "util/TrContexts.h"

#include <QRegularExpression>

SearchImp::SearchImp(DeviceContext *context, QObject *parent) : IWorkHandle(parent), m_context(context)
{
    m_hideTimer.setSingleShot(true);
    m_hideTimer.setInterval(1500);
    connect(&m_hideTimer, &QTimer::timeout, this, &SearchImp::hideTip);
}

QString SearchImp::normalized(const QString &text)
{
    return KeywordIndex::normalized(text);
}

std::shared_ptr<KeywordVO> SearchImp::match(const QString &text,
                                            const QVector<std::shared_ptr<KeywordVO>> &keywords,
                                            const QVector<std::shared_ptr<KeywordVO>> &autoKeywords)
{
    KeywordIndex index;
    index.prepare(keywords, autoKeywords);
    return index.match(text);
}

bool SearchImp::open(const KeywordVO &keyword)
{
    switch (keyword.keywordType) {
    case 0:
        return Launcher::startProgram(keyword.content);
    case KeywordVO::AutoDetectedType:
        return Launcher::startDetectedProgram(keyword.content);
    case 1:
        return Launcher::openPath(keyword.content);
    case 2:
        return Launcher::openUrl(Launcher::webAddress(keyword.content));
    default:
        QLOG_WARN() << "unknown keyword type" << keyword.keywordType;
        return false;
    }
}

void SearchImp::search(const QString &spoken)
{
    static const QRegularExpression trailing(QStringLiteral("[\\s\\p{P}]+$"));
    QString text = spoken.trimmed();
    text.remove(trailing);
    if (text.isEmpty()) {
        QLOG_INFO() << "voice search: nothing was heard";
        return;
    }
    emit setText(TUI::tr("语音搜索: %1").arg(text));
    if (const auto keyword = KeywordIndex::forStore().match(text)) {
        const bool ok = open(*keyword);
        QLOG_INFO() << "voice search: keyword" << keyword->keyword << (ok ? "opened" : "failed");
        if (!ok)
            Toast::instance().showMessage(2, TNotify::tr("无法打开：%1").arg(keyword->content), 2000);
        emit searched(text, keyword->content, ok);
        return;
    }
    const QString engine = m_context && m_context->setting ? m_context->setting->search_engine : QString();
    const QUrl url = Launcher::searchUrl(engine, text);
    const bool ok = url.isValid() && !url.isEmpty() && Launcher::openUrl(url);
    if (!ok)
        Toast::instance().showMessage(2, TNotify::tr("搜索引擎地址无效"), 2000);
    emit searched(text, QString::fromLatin1(url.toEncoded()), ok);
}

void SearchImp::startHandle()
{
    m_hideTimer.stop();
    m_text.clear();
    m_done = false;
    emit setText(TUI::tr("请说话"));
    emit setMessage(QString());
    emit showTip();
}

void SearchImp::resultHandle(const AsrResult &result)
{
    m_text = result.isFinish ? result.finishText : result.finishText + result.text;
    emit setMessage(m_text);
    if (result.isCorrectFinish && !m_done) {
        m_done = true;
        search(result.finishText);
    }
}

void SearchImp::stopHandle() {}

void SearchImp::finishHandle()
{
    if (!m_done) {
        m_done = true;
        search(m_text);
    }
    // Leave the result on the tip for a moment.
    m_hideTimer.start();
}

void SearchImp::messageHandle(const QString &message)
{
    m_done = true; // a failed run searches nothing
    emit setMessage(message);
}

void SearchImp::onVolume(int level)
{
    emit setVolume(level);
}
