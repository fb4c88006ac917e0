#pragma once

#include <QFrame>

// The "编辑" and "删除" links of one keyword row.
class KeywordRowActions : public QFrame
{
    Q_OBJECT
public:
    explicit KeywordRowActions(QWidget *parent = nullptr);

signals:
    void editClicked();
    void deleteClicked();
};
