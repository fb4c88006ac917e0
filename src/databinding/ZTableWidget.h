#pragma once

#include "databinding/IDataContainer.h"
#include "util/TableColumnConfig.h"

#include <QTableWidget>
#include <QVector>

class FieldTable;
class ZCheckHeader;

// A table of records laid out by a table layout file (config/uiConfig/table/<name>.xml). It
// shows the records it is given (not owned); bindData rebuilds the rows. A checkable table has
// a check box column first and a check-all box in its header.
class ZTableWidget : public QTableWidget, public IDataContainer
{
    Q_OBJECT
public:
    static constexpr int RowHeight = 38;

    explicit ZTableWidget(QWidget *parent = nullptr);

    // Columns from the named layout; without one, one column per field of the record type.
    void init(const FieldTable &table, const QString &layoutName, bool checkable);
    void init(const FieldTable &table, const QVector<TableColumnConfig> &columns, bool checkable);
    const QVector<TableColumnConfig> &columnConfigs() const { return m_columns; }
    bool isCheckable() const { return m_checkable; }
    // The table column showing that field, or -1.
    int columnOf(const QString &fieldName) const;

    // The records to show, replacing or appending to the current ones; rows change at bindData.
    void setDatas(const QVector<DataCore *> &records, bool replace = true);
    const QVector<DataCore *> &datas() const { return m_records; }
    // A single record as the whole list.
    void setData(DataCore *record, bool withChildren = true) override;
    // Rebuilds the rows from the records.
    void bindData() override;
    // Shows these records, touching only the rows that differ: records following the shown
    // ones get new rows at the end, records no longer given lose their rows (the others keep
    // theirs, check state included); any other change rebuilds the rows.
    void updateDatas(const QVector<DataCore *> &records);
    // Shows the texts of the row's record again.
    void refreshRow(int row);
    // Shows the field's texts again from that row on.
    void refreshColumn(const QString &fieldName, int fromRow = 0);
    // Forgets the records and rebuilds: an empty table.
    void refreshRows();

    // The record of a row; null when out of range.
    DataCore *rowData(int row) const;
    // The records whose row is checked, in row order.
    QVector<DataCore *> checkedRows() const;

    // The check-all state, stored without a signal.
    void setAllChecked(bool checked);
    bool isAllChecked() const { return m_allChecked; }
    // Sets the header check box and repaints it.
    void setHeaderChecked(bool checked);
    bool isHeaderChecked() const;
    // Sets every row's check box with signals blocked.
    void setAllCheckboxStatus(bool checked);
    void setRowChecked(int row, bool checked);
    bool isRowChecked(int row) const;
    // How many rows are checked; kept as rows change, so ticking rows one by one stays O(n).
    int checkedCount() const { return m_checkedCount; }

signals:
    // For each cell while rows are rebuilt; a receiver that stores a widget makes it the cell.
    void Table_ItemWidgetRender(DataCore *record, QString fieldName, QWidget **widget);
    // The header check box changed every row.
    void Table_Checkbox_ChangeAll(bool checked);
    // A cell edit changed the record's field.
    void Table_ItemEdited(DataCore *record, QString fieldName);

private:
    // Removing more rows than this one run at a time costs more than building them anew.
    static constexpr int MaxRowsRemovedOneByOne = 256;

    int firstDataColumn() const { return m_checkable ? 1 : 0; }
    void fillRow(int row);
    void renderRowWidgets(int row);
    void appendRows(const QVector<DataCore *> &records);
    void removeRowsAt(const QVector<int> &rows);
    void updateHeaderFromRows();
    void applyColumns();
    void onHeaderToggled(bool checked);
    void onItemChanged(QTableWidgetItem *item);
    void discardCellWidgets();

    ZCheckHeader *m_header;
    const FieldTable *m_fieldTable = nullptr;
    QVector<TableColumnConfig> m_columns;
    QVector<DataCore *> m_records;
    bool m_checkable = false;
    bool m_allChecked = false;
    bool m_rebuilding = false;
    // Each row's check state as last seen, and how many are set.
    QVector<bool> m_rowChecked;
    int m_checkedCount = 0;
};
