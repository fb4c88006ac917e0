#pragma once

#include <QVariant>
#include <QWidget>

class ClickableLabel;
class QCheckBox;
class QHBoxLayout;
class QMouseEvent;

// A check box with custom data, optionally followed by a clickable rich-text label
// (for example a "settings" link that opens the page of the ticked function).
class CheckBoxItem : public QWidget
{
    Q_OBJECT
public:
    explicit CheckBoxItem(QWidget *parent = nullptr);

    void setText(const QString &text);
    QString text() const;
    QCheckBox *checkBox() const { return m_checkBox; }
    // Adds the label on first use; later calls replace its text.
    void setLabel(const QString &richText);
    ClickableLabel *label() const { return m_label; }

    QVariant data() const { return m_data; }
    void setData(const QVariant &data) { m_data = data; }

signals:
    void checkItem_checkStateChanged(int state);
    void checkItem_labelClick(QMouseEvent *e);

private:
    QHBoxLayout *m_layout = nullptr;
    QCheckBox *m_checkBox = nullptr;
    ClickableLabel *m_label = nullptr;
    QVariant m_data;
};
