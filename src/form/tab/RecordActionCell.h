#pragma once

#include "form/tab/LinkRowCell.h"

#include <QPoint>

// The last cell of a record row: the links play, share and delete.
class RecordActionCell : public LinkRowCell
{
    Q_OBJECT
public:
    explicit RecordActionCell(QWidget *parent = nullptr);

signals:
    void playClicked();
    // At the global position of the click.
    void shareClicked(const QPoint &globalPos);
    void deleteClicked();
};
