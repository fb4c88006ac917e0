#include "databinding/ZTableWidget.h"

#include "databinding/ZCheckHeader.h"
#include "logging/QsLog.h"
#include "orm/data/DataCore.h"
#include "orm/reflection/FieldTable.h"
#include "util/AppHelper.h"
#include "util/TrContexts.h"

#include <QHeaderView>
#include <QSignalBlocker>
#include <algorithm>

namespace {
constexpr int CheckColumnWidth = 40;

QString columnField(const TableColumnConfig &c)
{
    return c.fieldName.isEmpty() ? c.name : c.fieldName;
}
} // namespace

ZTableWidget::ZTableWidget(QWidget *parent)
    : QTableWidget(parent)
    , m_header(new ZCheckHeader(this))
{
    setHorizontalHeader(m_header);
    verticalHeader()->setDefaultSectionSize(RowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    connect(m_header, &ZCheckHeader::toggled, this, &ZTableWidget::onHeaderToggled);
    connect(this, &QTableWidget::itemChanged, this, &ZTableWidget::onItemChanged);
}

void ZTableWidget::init(const FieldTable &table, const QString &layoutName, bool checkable)
{
    QVector<TableColumnConfig> columns;
    if (!layoutName.isEmpty())
        columns = AppHelper::loadDataConfig(layoutName);
    if (columns.isEmpty()) {
        for (const Meta_Field *f : table.fields()) {
            TableColumnConfig c;
            c.name = f->name();
            c.fieldName = f->name();
            c.fieldDisplayName = f->name();
            columns.append(c);
        }
    }
    init(table, columns, checkable);
}

void ZTableWidget::init(const FieldTable &table, const QVector<TableColumnConfig> &columns, bool checkable)
{
    m_fieldTable = &table;
    m_columns = columns;
    m_checkable = checkable;
    m_header->setCheckable(checkable);
    applyColumns();
    bindData();
}

void ZTableWidget::applyColumns()
{
    const QSignalBlocker blocker(this);
    clear();
    setRowCount(0);
    setColumnCount(firstDataColumn() + m_columns.size());
    QStringList headers;
    if (m_checkable)
        headers << QString();
    for (const TableColumnConfig &c : qAsConst(m_columns))
        headers << (c.fieldDisplayName.isEmpty() ? QString() : TUI::tr(c.fieldDisplayName.toUtf8().constData()));
    setHorizontalHeaderLabels(headers);
    if (m_checkable) {
        m_header->setSectionResizeMode(0, QHeaderView::Fixed);
        setColumnWidth(0, CheckColumnWidth);
    }
    for (int i = 0; i < m_columns.size(); ++i) {
        const int column = firstDataColumn() + i;
        if (m_columns.at(i).width > 0) {
            m_header->setSectionResizeMode(column, QHeaderView::Interactive);
            // A layout's width suits its Chinese title; a translated title may need more.
            setColumnWidth(column, std::max(m_columns.at(i).width, m_header->sectionSizeHint(column)));
        } else {
            m_header->setSectionResizeMode(column, QHeaderView::Stretch);
        }
    }
}

int ZTableWidget::columnOf(const QString &fieldName) const
{
    for (int i = 0; i < m_columns.size(); ++i) {
        if (columnField(m_columns.at(i)) == fieldName)
            return firstDataColumn() + i;
    }
    return -1;
}

void ZTableWidget::setDatas(const QVector<DataCore *> &records, bool replace)
{
    if (replace)
        m_records = records;
    else
        m_records += records;
}

void ZTableWidget::setData(DataCore *record, bool withChildren)
{
    IDataContainer::setData(record, withChildren);
    m_records.clear();
    if (record)
        m_records.append(record);
}

void ZTableWidget::discardCellWidgets()
{
    // Cell widgets go later, never now: one may be the sender whose click led here.
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 0; c < columnCount(); ++c) {
            if (QWidget *w = cellWidget(r, c)) {
                w->hide();
                w->deleteLater();
            }
        }
    }
}

void ZTableWidget::fillRow(int row)
{
    DataCore *record = m_records.at(row);
    setRowHeight(row, RowHeight);
    if (m_checkable) {
        auto *check = new QTableWidgetItem;
        check->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        check->setCheckState(Qt::Unchecked);
        setItem(row, 0, check);
    }
    for (int i = 0; i < m_columns.size(); ++i) {
        const TableColumnConfig &config = m_columns.at(i);
        const QString field = columnField(config);
        const int column = firstDataColumn() + i;
        auto *cell = new QTableWidgetItem(record ? record->text(field) : QString());
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (config.edited && m_fieldTable && m_fieldTable->find(field))
            flags |= Qt::ItemIsEditable;
        cell->setFlags(flags);
        setItem(row, column, cell);
    }
}

void ZTableWidget::renderRowWidgets(int row)
{
    for (int i = 0; i < m_columns.size(); ++i) {
        QWidget *widget = nullptr;
        emit Table_ItemWidgetRender(m_records.at(row), columnField(m_columns.at(i)), &widget);
        if (widget)
            setCellWidget(row, firstDataColumn() + i, widget);
    }
}

void ZTableWidget::bindData()
{
    m_rebuilding = true;
    {
        const QSignalBlocker blocker(this);
        discardCellWidgets();
        setRowCount(0);
        setRowCount(m_records.size());
        m_rowChecked.fill(false, m_records.size());
        m_checkedCount = 0;
        for (int row = 0; row < m_records.size(); ++row)
            fillRow(row);
    }
    // Receivers build their cells with the table in its final shape.
    for (int row = 0; row < m_records.size() && row < rowCount(); ++row)
        renderRowWidgets(row);
    m_rebuilding = false;
    if (m_records.isEmpty() && m_header->isChecked())
        m_header->setChecked(false);
}

void ZTableWidget::updateDatas(const QVector<DataCore *> &records)
{
    if (m_rowChecked.size() != rowCount() || m_records.size() != rowCount()) {
        setDatas(records);
        bindData();
        return;
    }
    const int shown = m_records.size();
    int same = 0;
    while (same < shown && same < records.size() && m_records.at(same) == records.at(same))
        ++same;
    if (same == shown) {
        if (records.size() > shown)
            appendRows(records.mid(shown));
        return;
    }
    if (records.size() < shown) {
        // Rows of records no longer given go; the rest must be in the same order.
        QVector<int> gone;
        int next = same;
        for (int row = same; row < shown; ++row) {
            if (next < records.size() && m_records.at(row) == records.at(next))
                ++next;
            else
                gone.append(row);
        }
        if (next == records.size() && gone.size() <= MaxRowsRemovedOneByOne) {
            removeRowsAt(gone);
            return;
        }
    }
    setDatas(records);
    bindData();
}

void ZTableWidget::appendRows(const QVector<DataCore *> &records)
{
    const int first = rowCount();
    m_rebuilding = true;
    {
        const QSignalBlocker blocker(this);
        m_records += records;
        setRowCount(first + records.size());
        m_rowChecked.resize(rowCount());
        for (int row = first; row < rowCount(); ++row)
            fillRow(row);
    }
    for (int row = first; row < rowCount(); ++row)
        renderRowWidgets(row);
    m_rebuilding = false;
    updateHeaderFromRows();
}

void ZTableWidget::removeRowsAt(const QVector<int> &rows)
{
    m_rebuilding = true;
    {
        const QSignalBlocker blocker(this);
        // From the last, so the rows still to go keep their numbers; a run of rows goes at once.
        for (int k = rows.size() - 1; k >= 0;) {
            int first = rows.at(k);
            int count = 1;
            while (k - count >= 0 && rows.at(k - count) == first - 1) {
                --first;
                ++count;
            }
            for (int row = first; row < first + count; ++row) {
                for (int c = 0; c < columnCount(); ++c) {
                    if (QWidget *w = cellWidget(row, c)) {
                        w->hide();
                        w->deleteLater(); // never now: it may be the sender whose click led here
                    }
                }
                if (m_rowChecked.at(row))
                    --m_checkedCount;
            }
            model()->removeRows(first, count);
            m_records.remove(first, count);
            m_rowChecked.remove(first, count);
            k -= count;
        }
    }
    m_rebuilding = false;
    updateHeaderFromRows();
}

void ZTableWidget::refreshRow(int row)
{
    if (row < 0 || row >= rowCount() || row >= m_records.size())
        return;
    DataCore *record = m_records.at(row);
    const QSignalBlocker blocker(this);
    for (int i = 0; i < m_columns.size(); ++i) {
        QTableWidgetItem *cell = item(row, firstDataColumn() + i);
        const QString text = record ? record->text(columnField(m_columns.at(i))) : QString();
        if (cell && cell->text() != text)
            cell->setText(text);
    }
}

void ZTableWidget::refreshColumn(const QString &fieldName, int fromRow)
{
    const int column = columnOf(fieldName);
    if (column < 0)
        return;
    const QSignalBlocker blocker(this);
    for (int row = std::max(fromRow, 0); row < rowCount() && row < m_records.size(); ++row) {
        QTableWidgetItem *cell = item(row, column);
        const QString text = m_records.at(row) ? m_records.at(row)->text(fieldName) : QString();
        if (cell && cell->text() != text)
            cell->setText(text);
    }
}

void ZTableWidget::updateHeaderFromRows()
{
    const bool all = rowCount() > 0 && m_checkedCount == rowCount();
    m_allChecked = all;
    if (m_header->isChecked() != all)
        m_header->setChecked(all);
}

void ZTableWidget::refreshRows()
{
    m_records.clear();
    bindData();
}

DataCore *ZTableWidget::rowData(int row) const
{
    if (row < 0 || row >= m_records.size())
        return nullptr;
    return m_records.at(row);
}

bool ZTableWidget::isRowChecked(int row) const
{
    if (!m_checkable || row < 0 || row >= rowCount())
        return false;
    const QTableWidgetItem *check = item(row, 0);
    return check && check->checkState() == Qt::Checked;
}

void ZTableWidget::setRowChecked(int row, bool checked)
{
    if (!m_checkable || row < 0 || row >= rowCount())
        return;
    if (QTableWidgetItem *check = item(row, 0))
        check->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

QVector<DataCore *> ZTableWidget::checkedRows() const
{
    QVector<DataCore *> checked;
    const int rows = qMin(rowCount(), m_records.size());
    for (int row = 0; row < rows; ++row) {
        if (isRowChecked(row))
            checked.append(m_records.at(row));
    }
    return checked;
}

void ZTableWidget::setAllChecked(bool checked)
{
    m_allChecked = checked;
    m_header->setChecked(checked);
}

void ZTableWidget::setHeaderChecked(bool checked)
{
    m_allChecked = checked;
    m_header->setChecked(checked);
}

bool ZTableWidget::isHeaderChecked() const
{
    return m_header->isChecked();
}

void ZTableWidget::setAllCheckboxStatus(bool checked)
{
    if (!m_checkable)
        return;
    {
        const QSignalBlocker blocker(this);
        for (int row = 0; row < rowCount(); ++row) {
            if (QTableWidgetItem *check = item(row, 0))
                check->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
        }
    }
    m_rowChecked.fill(checked, rowCount());
    m_checkedCount = checked ? rowCount() : 0;
    viewport()->update();
}

void ZTableWidget::onHeaderToggled(bool checked)
{
    m_allChecked = checked;
    setAllCheckboxStatus(checked);
    emit Table_Checkbox_ChangeAll(checked);
}

void ZTableWidget::onItemChanged(QTableWidgetItem *changed)
{
    if (m_rebuilding || !changed)
        return;
    const int row = changed->row();
    const int column = changed->column();
    if (m_checkable && column == 0) {
        // The header follows the rows, quietly: all checked shows it checked.
        if (m_rowChecked.size() != rowCount()) {
            // Rows were added or removed behind bindData: count once from scratch.
            m_rowChecked.resize(rowCount());
            m_checkedCount = 0;
            for (int r = 0; r < rowCount(); ++r)
                m_checkedCount += (m_rowChecked[r] = isRowChecked(r)) ? 1 : 0;
        } else if (row >= 0) {
            const bool now = changed->checkState() == Qt::Checked;
            if (m_rowChecked[row] != now) {
                m_rowChecked[row] = now;
                m_checkedCount += now ? 1 : -1;
            }
        }
        const bool all = rowCount() > 0 && m_checkedCount == rowCount();
        m_allChecked = all;
        m_header->setChecked(all);
        return;
    }
    const int index = column - firstDataColumn();
    DataCore *record = rowData(row);
    if (index < 0 || index >= m_columns.size() || !record || !m_columns.at(index).edited)
        return;
    const QString field = columnField(m_columns.at(index));
    const QString before = record->text(field);
    const bool taken = record->setValue(field, changed->text());
    if (!taken)
        QLOG_WARN() << "table cell refused for" << field;
    {
        // Show what the record holds now, whether or not it took the text.
        const QSignalBlocker blocker(this);
        changed->setText(record->text(field));
    }
    if (taken && record->text(field) != before)
        emit Table_ItemEdited(record, field);
}
