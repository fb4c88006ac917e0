#include "databinding/FormItem.h"

#include "databinding/ZCheckBox.h"
#include "databinding/ZColorComboBox.h"
#include "databinding/ZComboBox.h"
#include "qui/control/ImageSwitch.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QTextBrowser>
#include <QVBoxLayout>

FormItem::FormItem(QWidget *parent)
    : QWidget(parent)
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    m_row = new QHBoxLayout;
    m_row->setContentsMargins(10, 4, 10, 4);
    m_row->setSpacing(10);
    m_row->addStretch(1);
    outer->addLayout(m_row, 1);
    m_line = new QFrame(this);
    m_line->setObjectName(QStringLiteral("cutLine"));
    m_line->setFrameShape(QFrame::HLine);
    m_line->setFrameShadow(QFrame::Plain);
    m_line->setFixedHeight(1);
    m_line->setStyleSheet(QStringLiteral("color: #e5e5ea; background-color: #e5e5ea;"));
    m_line->hide();
    outer->addWidget(m_line);
}

void FormItem::addLeft(QWidget *widget, int stretch)
{
    m_row->insertWidget(m_leftCount++, widget, stretch);
}

void FormItem::addRight(QWidget *widget)
{
    m_row->addWidget(widget);
}

QLabel *FormItem::addLabel(const QString &text, int stretch)
{
    auto *label = new QLabel(text, this);
    addLeft(label, stretch);
    if (!m_label)
        m_label = label;
    return label;
}

QLabel *FormItem::addTitleLabel(const QString &text)
{
    auto *label = new QLabel(text, this);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    addRight(label);
    return label;
}

QTextBrowser *FormItem::addTextBrowser(const QString &text, int height)
{
    auto *browser = new QTextBrowser(this);
    browser->setFrameShape(QFrame::NoFrame);
    browser->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    browser->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    browser->setOpenLinks(false);
    browser->setFixedHeight(height);
    browser->setHtml(text);
    addLeft(browser, 1);
    if (!m_browser)
        m_browser = browser;
    return browser;
}

ImageSwitch *FormItem::addImageSwitch()
{
    if (!m_switch) {
        m_switch = new ImageSwitch(this);
        addRight(m_switch);
    }
    return m_switch;
}

ZComboBox *FormItem::addComboBox(const QString &text, const QVariant &data)
{
    if (!m_combo) {
        m_combo = new ZComboBox(this);
        addRight(m_combo);
    }
    const QSignalBlocker blocker(m_combo);
    m_combo->addItem(text, data);
    return m_combo;
}

ZComboBox *FormItem::addLabeledComboBox(const QString &label, const QStringList &texts, const QStringList &values)
{
    addLabel(label);
    if (!m_combo) {
        m_combo = new ZComboBox(this);
        addRight(m_combo);
    }
    m_combo->setItems(texts, values);
    return m_combo;
}

ZColorComboBox *FormItem::addColorComboBox()
{
    if (!m_colorCombo) {
        m_colorCombo = new ZColorComboBox(this);
        addRight(m_colorCombo);
    }
    return m_colorCombo;
}

ZCheckBox *FormItem::addCheckBox(const QString &text, Qt::CheckState state)
{
    if (!m_checkBox) {
        m_checkBox = new ZCheckBox(text, this);
        m_checkBox->setCheckState(state);
        addLeft(m_checkBox);
        connect(m_checkBox, &QCheckBox::stateChanged, this, &FormItem::frontCheckedChanged);
    }
    return m_checkBox;
}

QSlider *FormItem::addSlider(int minimum, int maximum)
{
    if (!m_slider) {
        m_slider = new QSlider(Qt::Horizontal, this);
        m_slider->setRange(minimum, maximum);
        m_slider->setPageStep(1);
        m_slider->setTickPosition(QSlider::TicksBelow);
        m_slider->setTickInterval(1);
        m_slider->setMinimumWidth(200);
        addRight(m_slider);
        connect(m_slider, &QSlider::valueChanged, this, &FormItem::sliderSetValue);
    }
    return m_slider;
}

void FormItem::setCutLineVisible(bool visible)
{
    m_line->setVisible(visible);
}

bool FormItem::isCutLineVisible() const
{
    return !m_line->isHidden();
}

void FormItem::setCheckState(Qt::CheckState state, bool emitSignal)
{
    if (!m_checkBox)
        return;
    if (emitSignal) {
        m_checkBox->setCheckState(state);
        return;
    }
    const QSignalBlocker blocker(m_checkBox);
    m_checkBox->setCheckState(state);
}
