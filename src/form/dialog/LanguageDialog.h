#pragma once

#include "config/language/Languages.h"

#include <QDialog>
#include <QHash>
#include <QVariant>
#include <QVector>

class SectionWidget;

namespace Ui {
class LanguageDialog;
}

// A frameless picker of one language: titled sections of clickable names above a keyword
// field that hides the names not containing the typed text (case-sensitive). A click reports
// the language and closes the dialog. The caller adds the sections, shows it and listens.
class LanguageDialog : public QDialog
{
    Q_OBJECT
public:
    explicit LanguageDialog(QWidget *parent = nullptr);
    ~LanguageDialog() override;

    // Appends a section of four names per row; only the last section has no line under it.
    void addSection(const QString &title, const QVector<const Languages::LangugeSection *> &langs);
    // A section of the languages of that type whose code is listed, in table order.
    void addSectionByCodes(const QString &title, const QStringList &codes, int type);

    const QVector<SectionWidget *> &sections() const { return m_sections; }

signals:
    // lang is null when the code is not in the language table: receivers check it.
    void lanuageSelected(const QString &key, const Languages::LangugeSection *lang);

public slots:
    void sectionWidget_labelSelected(const QString &label, const QVariant &data);
    void leKeyword_textChanged(const QString &text);
    void on_btnClose_clicked(bool checked = false);

private:
    Ui::LanguageDialog *ui;
    QVector<SectionWidget *> m_sections;
    // Per section, the records its names stand for by full code: one code names records of
    // several engine types, and a click means the one of the clicked section.
    QHash<const SectionWidget *, QHash<QString, const Languages::LangugeSection *>> m_records;
};
