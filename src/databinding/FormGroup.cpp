#include "databinding/FormGroup.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QVariant>

FormGroup::FormGroup(QWidget *parent, const QString &title)
    : FormContainer(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_title = new QLabel(this);
    m_title->setProperty("form", QStringLiteral("title"));
    layout->addWidget(m_title);
    m_rows = new QVBoxLayout;
    m_rows->setContentsMargins(0, 0, 0, 0);
    m_rows->setSpacing(0);
    layout->addLayout(m_rows);
    setTitle(title);
}

void FormGroup::setTitle(const QString &title)
{
    m_title->setText(title);
    m_title->setVisible(!title.isEmpty());
}

QString FormGroup::title() const
{
    return m_title->text();
}

void FormGroup::addRow(QWidget *row)
{
    if (row)
        m_rows->addWidget(row);
}

int FormGroup::rowCount() const
{
    return m_rows->count();
}
