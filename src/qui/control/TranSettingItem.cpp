#include "qui/control/TranSettingItem.h"

#include "config/BaseSetting.h"
#include "config/language/Languages.h"
#include "databinding/ZComboBox.h"
#include "device/DeviceContext.h"

#include <QHBoxLayout>
#include <QLabel>

TranSettingItem::TranSettingItem(QWidget *parent)
    : FormContainer(parent)
    , m_label(new QLabel(this))
    , m_from(new ZComboBox(this))
    , m_to(new ZComboBox(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 4, 10, 4);
    layout->setSpacing(10);
    layout->addWidget(m_label);
    layout->addStretch(1);
    layout->addWidget(m_from);
    auto *arrow = new QLabel(QStringLiteral("→"), this);
    arrow->setObjectName(QStringLiteral("lbArrow"));
    layout->addWidget(arrow);
    layout->addWidget(m_to);
    m_label->setTextFormat(Qt::PlainText);
    m_from->setObjectName(QStringLiteral("cbFromLanguage"));
    m_to->setObjectName(QStringLiteral("cbToLanguage"));
    m_from->setMinimumWidth(150);
    m_to->setMinimumWidth(150);
}

void TranSettingItem::setLanguageLabel(const QString &text)
{
    m_label->setText(text);
}

QString TranSettingItem::languageLabel() const
{
    return m_label->text();
}

void TranSettingItem::fill(ZComboBox *combo, const QStringList &texts, const QStringList &values, const QString &field)
{
    combo->setItems(texts, values);
    addBindWidget(combo, {field});
    combo->bindData();
}

void TranSettingItem::fillByType(ZComboBox *combo, int type, const QString &field)
{
    const auto names = Languages::displayNames(Languages::instance().sections(type));
    fill(combo, names.first, names.second, field);
}

void TranSettingItem::setFromLanguages(const QStringList &texts, const QStringList &values, const QString &field)
{
    fill(m_from, texts, values, field);
}

void TranSettingItem::setToLanguages(const QStringList &texts, const QStringList &values, const QString &field)
{
    fill(m_to, texts, values, field);
}

void TranSettingItem::setFromLanguage(int type, const QString &field)
{
    fillByType(m_from, type, field);
}

void TranSettingItem::setToLanguage(int type, const QString &field)
{
    fillByType(m_to, type, field);
}

void TranSettingItem::onContextChanged()
{
    bindContextSetting(context());
}
