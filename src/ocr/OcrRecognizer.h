#pragma once

#include <QImage>
#include <QObject>
#include <QStringList>

// Text recognition of a screen region with Tesseract, on a worker thread. Each request gets a
// number; only the newest request reports, so a slow recognition of an older region never
// overwrites a newer one.
class OcrRecognizer : public QObject
{
    Q_OBJECT
public:
    struct Result {
        QStringList lines;
        QString error; // empty on success
    };

    explicit OcrRecognizer(QObject *parent = nullptr);

    // The Tesseract language list for a code of the OCR language table ("auto" and "CHN_ENG":
    // Chinese and English together); empty for an unknown code.
    static QString tesseractLanguages(const QString &code);
    // The folder of the language data: $TESSDATA_PREFIX, else the system's.
    static QString dataPath();
    // The languages of a list ("chi_sim+eng") without data files.
    static QStringList missingLanguages(const QString &languages);

    // Starts the recognition of image in the OCR-table language code; returns the request
    // number that recognized or failed will carry.
    int recognize(const QImage &image, const QString &code);
    int currentRequest() const { return m_request; }

    // The recognition itself, blocking: for the worker thread and for tests.
    static Result recognizeNow(const QImage &image, const QString &languages);

signals:
    void recognized(int request, const QStringList &lines);
    void failed(int request, const QString &message);

private:
    int m_request = 0;
};
