#include "device/common/ui/FunctionChipEditor.h"

#include "config/BaseSetting.h"
#include "logging/QsLog.h"

#include <QAction>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>

namespace {
// The record's fields of the common functions.
const QString kFunctions = QStringLiteral("mKey_functions");
const QString kFunctionIndex = QStringLiteral("mKey_functionIndex");
} // namespace

FunctionChipEditor::FunctionChipEditor(QHBoxLayout *row, QToolButton *addButton, QObject *parent)
    : QObject(parent)
    , m_row(row)
    , m_addButton(addButton)
{
    m_addButton->setPopupMode(QToolButton::InstantPopup);
}

FunctionChipEditor::~FunctionChipEditor()
{
    // Chips in the row belong to the widget tree; the ones taken out are ours.
    for (auto &pair : m_entries) {
        QPushButton *chip = pair.second.chip;
        if (chip && !chip->parent())
            delete chip;
    }
}

void FunctionChipEditor::addFunction(int id, const QString &name)
{
    Entry &entry = m_entries[id];
    if (entry.chip) {
        if (!entry.chip->parent())
            delete entry.chip;
        else
            entry.chip->deleteLater();
    }
    delete entry.action;
    entry.id = id;
    entry.action = new QAction(name, this);
    auto *chip = new QPushButton(name);
    chip->setObjectName(QStringLiteral("chipFunction%1").arg(id));
    chip->setCursor(Qt::PointingHandCursor);
    entry.chip = chip;
    connect(entry.action, &QAction::triggered, this, &FunctionChipEditor::clickFunction);
    connect(chip, &QPushButton::clicked, this, &FunctionChipEditor::clickFunction);
}

void FunctionChipEditor::setFunctions(const QString &list)
{
    m_list = list;
    // Showing a list again (another device) starts from nothing.
    for (auto &pair : m_entries) {
        m_addButton->removeAction(pair.second.action);
        if (pair.second.chip)
            takeChip(pair.second.chip);
    }

    QVector<int> listed;
    const QStringList parts = list.split(QLatin1Char(','));
    for (const QString &part : parts) {
        const int id = elementId(part);
        if (m_entries.count(id) && !listed.contains(id))
            listed.append(id);
    }
    for (int i = 0; i < listed.size(); ++i)
        insertChip(m_entries[listed.at(i)].chip, i);
    for (auto &pair : m_entries) {
        if (!listed.contains(pair.first))
            m_addButton->addAction(pair.second.action);
    }
}

QVector<int> FunctionChipEditor::chipIds() const
{
    QVector<int> ids;
    for (int i = 0; i < m_row->count(); ++i) {
        QWidget *w = m_row->itemAt(i)->widget();
        for (const auto &pair : m_entries) {
            if (w && w == pair.second.chip)
                ids.append(pair.first);
        }
    }
    return ids;
}

QVector<int> FunctionChipEditor::menuIds() const
{
    QVector<int> ids;
    const QList<QAction *> actions = m_addButton->actions();
    for (QAction *a : actions) {
        for (const auto &pair : m_entries) {
            if (a == pair.second.action)
                ids.append(pair.first);
        }
    }
    return ids;
}

QPushButton *FunctionChipEditor::chip(int id) const
{
    const auto it = m_entries.find(id);
    return it == m_entries.end() ? nullptr : it->second.chip.data();
}

QAction *FunctionChipEditor::action(int id) const
{
    const auto it = m_entries.find(id);
    return it == m_entries.end() ? nullptr : it->second.action;
}

int FunctionChipEditor::elementId(const QString &element)
{
    bool ok = false;
    const int id = element.trimmed().toInt(&ok, 10);
    return ok ? id : -1;
}

QString FunctionChipEditor::appended(const QString &list, int id)
{
    QStringList parts = list.split(QLatin1Char(','), Qt::SkipEmptyParts);
    parts.append(QString::number(id));
    return parts.join(QLatin1Char(','));
}

QString FunctionChipEditor::removed(const QString &list, int id)
{
    QStringList kept;
    const QStringList parts = list.split(QLatin1Char(','));
    for (const QString &part : parts) {
        if (!part.trimmed().isEmpty() && elementId(part) != id)
            kept.append(part);
    }
    return kept.join(QLatin1Char(','));
}

void FunctionChipEditor::store(BaseSetting *record, const QString &list)
{
    if (!record)
        return;
    record->setValue(kFunctions, list);
    if (list.isEmpty()) {
        record->setValue(kFunctionIndex, -1);
    } else {
        const int count = list.split(QLatin1Char(','), Qt::SkipEmptyParts).size();
        if (record->value(kFunctionIndex).toInt() >= count)
            record->setValue(kFunctionIndex, count - 1);
    }
}

void FunctionChipEditor::clickFunction(bool)
{
    QObject *origin = sender();
    for (auto &pair : m_entries) {
        Entry &entry = pair.second;
        if (origin && origin == entry.action) {
            m_addButton->removeAction(entry.action);
            insertChip(entry.chip, chipPosition());
            m_list = appended(m_list, entry.id);
        } else if (origin && entry.chip && origin == entry.chip.data()) {
            // A removed function goes to the end of the menu.
            m_addButton->addAction(entry.action);
            takeChip(entry.chip);
            m_list = removed(m_list, entry.id);
        } else {
            continue;
        }
        emit functionsEdited(m_list);
        return;
    }
    QLOG_ERROR() << "ERROR in MKeyTab::clickFunction - " << QStringLiteral("没有选中的action或者button");
}

int FunctionChipEditor::chipPosition() const
{
    const int plus = m_row->indexOf(m_addButton);
    return plus < 0 ? m_row->count() : plus;
}

void FunctionChipEditor::insertChip(QPushButton *chip, int position)
{
    if (!chip)
        return;
    m_row->insertWidget(position, chip);
    chip->show();
}

void FunctionChipEditor::takeChip(QPushButton *chip)
{
    m_row->removeWidget(chip);
    chip->hide();
    chip->setParent(nullptr);
}
