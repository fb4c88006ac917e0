#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QTimer>

class BaiduClient;
class DeviceContext;

// Word-pick translation. On X11 the highlighted text is the PRIMARY selection: while started,
// every new selection (settled for a moment) is translated with the device's "getword_"
// languages and shown next to the pointer.
//
// The popup (TranslationDialog) is made by the window layer: it takes showResult, and
// fadeOutCancelled when the user clicked the popup's icon.
class GetwordTranslateImpl : public QObject
{
    Q_OBJECT
public:
    static GetwordTranslateImpl &instance();

    void start(DeviceContext *context);
    void stop();
    bool isRunning() const { return m_running; }
    DeviceContext *context() const { return m_context; }
    // Stops the popup's fade-out (the user is working with it).
    void clearEffectFlag();
    bool fadeOutAllowed() const { return m_fadeOut; }

    // Where the popup goes for a selection at point: right of and below it, or left of and
    // above it when it would leave the largest screen.
    static QPoint placement(const QPoint &point, const QSize &largestScreen);
    static QSize largestScreenSize();

    // Translates the text of a selection (called for each settled selection change).
    void translateSelection(const QString &text, const QPoint &point);

public slots:
    // Shows a result: the popup is placed by placement() and filled.
    void onResult(int x, int y, const QString &text, const QString &translation);

signals:
    void showResult(const QPoint &position, const QString &text, const QString &translation);
    void fadeOutCancelled();

private:
    GetwordTranslateImpl();
    void onSelectionChanged();

    DeviceContext *m_context = nullptr;
    BaiduClient *m_client;
    QTimer m_settle;
    bool m_running = false;
    bool m_fadeOut = true;
    quint64 m_generation = 0;
};
