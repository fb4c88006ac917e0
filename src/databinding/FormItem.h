#pragma once

#include <QVariant>
#include <QWidget>

class ImageSwitch;
class QFrame;
class QHBoxLayout;
class QLabel;
class QSlider;
class QTextBrowser;
class ZCheckBox;
class ZColorComboBox;
class ZComboBox;

// One settings row: texts on the left, editors on the right, an optional separator line below.
// The row owns its widgets; the caller puts the row into a layout.
class FormItem : public QWidget
{
    Q_OBJECT
public:
    explicit FormItem(QWidget *parent = nullptr);

    QVariant data() const { return m_data; }
    void setData(const QVariant &data) { m_data = data; }

    QLabel *addLabel(const QString &text, int stretch = 0);
    // Right-aligned text on the editors' side.
    QLabel *addTitleLabel(const QString &text);
    // A fixed-height browser for the two-paragraph row text.
    QTextBrowser *addTextBrowser(const QString &text, int height);
    ImageSwitch *addImageSwitch();
    // Adds an item to the row's combo box, creating the combo on first use.
    ZComboBox *addComboBox(const QString &text, const QVariant &data);
    // A label and a combo box whose items carry the values as user data.
    ZComboBox *addLabeledComboBox(const QString &label, const QStringList &texts, const QStringList &values);
    ZColorComboBox *addColorComboBox();
    ZCheckBox *addCheckBox(const QString &text, Qt::CheckState state = Qt::Unchecked);
    QSlider *addSlider(int minimum = 0, int maximum = 4);

    ImageSwitch *imageSwitch() const { return m_switch; }
    ZComboBox *comboBox() const { return m_combo; }
    ZColorComboBox *secondComboBox() const { return m_colorCombo; }
    ZCheckBox *checkBox() const { return m_checkBox; }
    QSlider *slider() const { return m_slider; }
    QLabel *label() const { return m_label; }
    QTextBrowser *textBrowser() const { return m_browser; }

    void setCutLineVisible(bool visible);
    bool isCutLineVisible() const;
    // Sets the check box; with emitSignal false nobody hears of it (nor is anything stored).
    void setCheckState(Qt::CheckState state, bool emitSignal);

signals:
    void frontCheckedChanged(int state);
    void sliderSetValue(int value);

private:
    void addLeft(QWidget *widget, int stretch = 0);
    void addRight(QWidget *widget);

    QVariant m_data;
    QHBoxLayout *m_row = nullptr;
    QFrame *m_line = nullptr;
    int m_leftCount = 0;
    QLabel *m_label = nullptr;
    QTextBrowser *m_browser = nullptr;
    ImageSwitch *m_switch = nullptr;
    ZComboBox *m_combo = nullptr;
    ZColorComboBox *m_colorCombo = nullptr;
    ZCheckBox *m_checkBox = nullptr;
    QSlider *m_slider = nullptr;
};
