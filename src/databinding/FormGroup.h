#pragma once

#include "databinding/FormContainer.h"

class QLabel;
class QVBoxLayout;

// A titled group of rows; without rows it is an empty group.
class FormGroup : public FormContainer
{
    Q_OBJECT
public:
    explicit FormGroup(QWidget *parent = nullptr, const QString &title = QString());

    void setTitle(const QString &title);
    QString title() const;
    // Appends a row below the others, in this group.
    void addRow(QWidget *row);
    int rowCount() const;

private:
    QLabel *m_title = nullptr;
    QVBoxLayout *m_rows = nullptr;
};
