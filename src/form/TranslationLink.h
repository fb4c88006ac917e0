#pragma once

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QTimer>

#include "form/dialog/TranslationDialog.h"
#include "screenshot/ScreenShotWidget.h"

class DeviceContext;
class FunctionImpl;
class OcrRecognizer;

// The windows of word-pick and screenshot translation, each made on its first use and kept:
// the word-pick popup follows the word-pick results, and a hub's screenshot request opens the
// region tool whose capture is recognised and translated in the screenshot dialog.
// The device of a use is taken at each use; a device whose hub goes is forgotten.
class TranslationLink : public QObject
{
    Q_OBJECT
public:
    // The link of the main window (made on first call, a child of it).
    static TranslationLink *of(QObject *owner);
    explicit TranslationLink(QObject *parent = nullptr);
    ~TranslationLink() override;

    // Starts screenshot translation when the hub asks for it.
    void attach(FunctionImpl *hub);

    TranslationDialog *wordPickDialog() const { return m_wordPick; }
    TranslationDialog *snapshotDialog() const { return m_snapshot; }
    ScreenShotWidget *regionTool() const { return m_regionTool; }
    OcrRecognizer *recognizer() const { return m_ocr; }

    // Opens the region tool for the device (false when the screen could not be grabbed).
    bool startSnapshot(DeviceContext *context);
    // A captured region: the dialog is shown beside it and the region recognised.
    void translateRegion(const QImage &image, const QRect &region);
    // A word-pick result at a position already placed beside the selection.
    void showWordPick(const QPoint &position, const QString &text, const QString &translation);

    static constexpr int FadeOutMs = 5000;

private:
    void ensureRegionTool();
    void ensureSnapshotDialog();
    void onRecognized(int request, const QStringList &lines);
    void onRecognitionFailed(int request, const QString &message);

    QPointer<TranslationDialog> m_wordPick;
    QPointer<TranslationDialog> m_snapshot;
    QPointer<ScreenShotWidget> m_regionTool;
    OcrRecognizer *m_ocr;
    DeviceContext *m_snapshotContext = nullptr;
    QTimer m_fadeOut;
};
