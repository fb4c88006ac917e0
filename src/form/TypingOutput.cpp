#include "form/TypingOutput.h"

#include "logging/QsLog.h"
#include "platform/ClipboardFetchWatcher.h"
#include "platform/VirtualKeys.h"

using VirtualKeys::VK_BACK;
using VirtualKeys::VK_CONTROL;

#include <QClipboard>
#include <QDateTime>
#include <QGuiApplication>

TypingOutput::TypingOutput(QObject *parent)
    : QObject(parent)
{
    m_pause.setSingleShot(true);
    m_pause.setInterval(PauseMs);
    connect(&m_pause, &QTimer::timeout, this, &TypingOutput::run);
    m_fetchLimit.setSingleShot(true);
    m_fetchLimit.setInterval(FetchWaitMs);
    connect(&m_fetchLimit, &QTimer::timeout, this, [this] {
        QLOG_DEBUG() << "TypingOutput: the pasted text was not fetched in time";
        onFetched();
    });
}

bool TypingOutput::watchFetches()
{
    // The watcher filters every X event: it is made with the first paste, not with the program.
    ClipboardFetchWatcher *watcher = ClipboardFetchWatcher::instance();
    if (!m_fetchesWatched) {
        m_fetchesWatched = true;
        connect(watcher, &ClipboardFetchWatcher::textFetched, this, [this] {
            if (m_fetchLimit.isActive())
                onFetched();
        });
    }
    return watcher->isWatching();
}

void TypingOutput::onFetched()
{
    m_fetchLimit.stop();
    if (!m_pause.isActive() && !m_steps.isEmpty())
        run();
}

int TypingOutput::eraseCount(const QString &text)
{
    return text.toUcs4().size();
}

void TypingOutput::type(const QString &newText, const QString &oldText)
{
    QLOG_DEBUG() << "TypeImp::typing newChar = " + newText + " OldChar = " + oldText;
    if (newText == oldText)
        return;
    const int count = eraseCount(oldText);
    QLOG_DEBUG() << "TypeImp::typing delCount = " << count;
    QVector<Step> steps;
    if (count > 0)
        steps.append({Step::Keys, IKeySender::taps(VK_BACK, count), {}});
    steps.append({Step::Clipboard, {}, newText});
    steps.append({Step::Pause, {}, {}});
    steps.append({Step::Paste, IKeySender::chord(VK_CONTROL, 'V'), {}});
    steps.append({Step::Pause, {}, {}});
    enqueue(steps);
}

void TypingOutput::setClipboard(const QString &text)
{
    enqueue({{Step::Clipboard, {}, text}});
}

void TypingOutput::deleteWord()
{
    enqueue({{Step::Keys, IKeySender::taps(VK_BACK, 1), {}}});
}

void TypingOutput::paste()
{
    enqueue({{Step::Paste, IKeySender::chord(VK_CONTROL, 'V'), {}}});
}

void TypingOutput::enqueue(const QVector<Step> &steps)
{
    const bool wasIdle = !isBusy();
    for (const Step &step : steps)
        m_steps.enqueue(step);
    if (wasIdle)
        run();
}

void TypingOutput::run()
{
    while (!m_steps.isEmpty()) {
        // The clipboard still holds the text of a paste the target has not fetched.
        if (m_steps.head().kind == Step::Clipboard && isAwaitingFetch())
            return;
        const Step step = m_steps.dequeue();
        switch (step.kind) {
        case Step::Keys:
            sendKeys(step.keys);
            break;
        case Step::Paste: {
            const bool watched = watchFetches();
            sendKeys(step.keys);
            if (watched)
                m_fetchLimit.start();
            break;
        }
        case Step::Clipboard:
            writeClipboard(step.text);
            break;
        case Step::Pause:
            m_pause.start();
            return;
        }
    }
    emit finished();
}

void TypingOutput::sendKeys(const QVector<KeyRecord> &records)
{
    const int sent = IKeySender::instance()->send(records);
    if (sent < records.size())
        QLOG_DEBUG() << QStringLiteral("SendInput failed: 0x%1\n").arg(records.size() - sent, 0, 16);
}

void TypingOutput::writeClipboard(const QString &text)
{
    QLOG_DEBUG() << "MainWindow::setClipboard curtime#" << QDateTime::currentMSecsSinceEpoch();
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}
