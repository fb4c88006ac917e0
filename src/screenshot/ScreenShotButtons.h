#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

namespace Ui {
class ScreenShotButtons;
}

// The tool bar under a chosen screenshot region: cancel, copy, translate.
// It keeps the last captured region, so the translation can recognise the same region
// again (for example after the target language changed).
class ScreenShotButtons : public QWidget
{
    Q_OBJECT
public:
    explicit ScreenShotButtons(QWidget *parent = nullptr);
    ~ScreenShotButtons() override;

    QImage capturedImage() const { return m_image; }
    // In global screen coordinates.
    QRect capturedRegion() const { return m_region; }

public slots:
    // Takes the captured region and starts its translation.
    void translateCapture(const QImage &image, const QRect &region);
    // Recognises the last captured region again.
    void retranslate();

signals:
    void cancelClicked();
    void copyClicked();
    void translateClicked();
    // The region to recognise and translate; the translation dialog listens here.
    void snapshotTranslation(const QImage &image, const QRect &region);

private slots:
    void on_btnCancel_clicked();
    void on_btnCopy_clicked();
    void on_btnTranslate_clicked();

private:
    Ui::ScreenShotButtons *ui;
    QImage m_image;
    QRect m_region;
};
