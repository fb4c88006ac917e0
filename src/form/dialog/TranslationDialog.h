#pragma once

#include "device/IContextBinder.h"

#include <QDialog>
#include <QMetaObject>
#include <QMouseEvent>

class AnimationButton;
class BaiduClient;
class BaseSetting;
class QTextEdit;

namespace Ui {
class TranslationDialog;
}

// The floating translation window: the source text and its translation, the language pair
// (stored in the device's settings record under fromKey and toKey), copy, text size and
// read-aloud of either pane. Mode 0 serves word-pick translation (first shown collapsed to a
// clickable icon), mode 1 screenshot translation (source language from the OCR table).
// Its creator keeps it; the device is taken at every use (useContext) and forgotten when the
// device's function hub goes.
class TranslationDialog : public QDialog, public IContextBinder
{
    Q_OBJECT
public:
    TranslationDialog(int mode, DeviceContext *context, const QString &fromKey, const QString &toKey,
                      QWidget *parent = nullptr);
    ~TranslationDialog() override;

    int mode() const { return m_mode; }
    void setSourceText(const QString &text);
    void setTranslationText(const QString &text);
    QString sourceText() const;
    QString translationText() const;
    // true: only the icon remains (50x100); false: the full dialog (635x320).
    void setSourceVisible(bool collapsed);
    bool isCollapsed() const;
    // true hides the icon frame.
    void setIconVisible(bool hidden);
    // Reads the two language fields of the record again into the combos.
    void setLanguages();
    // Translates the source pane; empty languages are taken from the record. A newer request
    // or another source text makes the answer to this one void.
    void toTranslateText(QString from, QString to);
    // The device for this use; null forgets it.
    void useContext(DeviceContext *context);
    // The source language actually sent for a source-combo or record value: in mode 1 the
    // OCR language becomes the text-translation language of the same name, else "auto"
    // (also for the mixed Chinese-and-English setting, whose text may be in either).
    QString requestSource(const QString &from) const;

signals:
    void reSnapShotTranslation();

public slots:
    void lbToTranslate_clicked(QMouseEvent *e);
    void on_btnClose_clicked();
    void btnTextSize_triggered();
    void on_btnCopy_clicked();
    void translationLang_changed(int index);
    void on_btnPlay_clicked();
    void on_btnCopySource_clicked();
    void on_btnPlaySource_clicked();

protected:
    void onContextChanged() override;

private:
    BaseSetting *setting() const;
    void fillCombos();
    void expand(bool expanded);
    void applyTextSize(int size);
    void copyText(const QTextEdit *pane);
    void playText(const QString &language, const QString &text, AnimationButton *button);

    Ui::TranslationDialog *ui;
    int m_mode;
    QString m_fromKey;
    QString m_toKey;
    QString m_langParamTo;
    QString m_langParamFrom;
    QString m_requestTo;
    QString m_resultLangTo;
    QString m_resultLangFrom;
    BaiduClient *m_client;
    quint64 m_generation = 0;
    QMetaObject::Connection m_hubWatch;
};
