#pragma once

#include "form/tab/LinkRowCell.h"

// The "编辑" and "删除" links of one keyword row.
class KeywordRowActions : public LinkRowCell
{
    Q_OBJECT
public:
    explicit KeywordRowActions(QWidget *parent = nullptr);

signals:
    void editClicked();
    void deleteClicked();
};
