#pragma once

#include <QString>

// One column of a table layout (config/uiConfig/table/<name>.xml).
struct TableColumnConfig
{
    QString name;             // Name: the column's identifier
    QString fieldName;        // FieldName: the record field shown
    QString fieldDisplayName; // FieldDisplayName: the header text (translated by the table)
    bool edited = false;      // Edited: the cell may be edited
    int width = 0;            // Width in pixels; 0 stretches
    QString validation;       // Validation: a rule name for edited cells
};
