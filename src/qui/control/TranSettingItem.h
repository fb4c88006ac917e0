#pragma once

#include "databinding/FormContainer.h"
#include "device/IContextBinder.h"

#include <functional>

class QLabel;
class ZComboBox;

// A language-pair row: a label, the source language and the target language, each bound to a
// field of the device's settings record.
class TranSettingItem : public FormContainer, public IContextBinder
{
    Q_OBJECT
public:
    explicit TranSettingItem(QWidget *parent = nullptr);

    void setLanguageLabel(const QString &text);
    // The source combo gets the given items, bound to the field.
    void setFromLanguages(const QStringList &texts, const QStringList &values, const QString &field);
    void setToLanguages(const QStringList &texts, const QStringList &values, const QString &field);
    // The source or target combo gets the languages of that type, bound to the field.
    void setFromLanguage(int type, const QString &field);
    void setToLanguage(int type, const QString &field);

    ZComboBox *fromComboBox() const { return m_from; }
    ZComboBox *toComboBox() const { return m_to; }
    QString languageLabel() const;

protected:
    void onContextChanged() override;

private:
    void fill(ZComboBox *combo, const QStringList &texts, const QStringList &values, const QString &field);
    void fillByType(ZComboBox *combo, int type, const QString &field);

    QLabel *m_label;
    ZComboBox *m_from;
    ZComboBox *m_to;
};
