#include "qui/control/TranSettingItem.h"

#include "config/BaseSetting.h"
#include "databinding/ZComboBox.h"
#include "device/DeviceContext.h"
#include "logging/QsLog.h"

#include <QHBoxLayout>
#include <QLabel>

namespace {
TranSettingItem::LanguageSource &languageSource()
{
    static TranSettingItem::LanguageSource source;
    return source;
}
} // namespace

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

void TranSettingItem::setLanguageSource(LanguageSource source)
{
    languageSource() = std::move(source);
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
    QStringList texts;
    QStringList codes;
    if (languageSource())
        languageSource()(type, &texts, &codes);
    else
        QLOG_WARN() << "no language table for the language row, type" << type;
    fill(combo, texts, codes, field);
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
