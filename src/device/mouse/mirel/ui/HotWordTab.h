#pragma once

#include "device/IContextBinder.h"
#include "orm/data/HotwordVO.h"

#include <QVector>
#include <QWidget>
#include <memory>

namespace Ui {
class HotWordTab;
}

// The branded mouse's hot-word page (" 热词搜索"): the hot words of speech recognition in a
// checkable table, added from multi-line text, deleted, imported and exported as JSON. The
// words live in HotWordStore; the page shows the store's records and follows its signal.
class HotWordTab : public QWidget, public IContextBinder
{
    Q_OBJECT
public:
    explicit HotWordTab(QWidget *parent = nullptr);
    ~HotWordTab() override;

    // Rebuilds the table from the store, numbering the rows from 1.
    void reloadTable();

private slots:
    void on_btnAdd_clicked(bool checked = false);
    void on_btnDelete_clicked(bool checked = false);
    void on_btnExport_clicked(bool checked = false);
    void on_btnImport_clicked(bool checked = false);
    void on_btnChooseAll_clicked(bool checked = false);
    void showEdited(HotwordVO *record);

protected:
    // Nothing to bind: the hot words belong to the program, not to the device.
    void onContextChanged() override {}

private:
    Ui::HotWordTab *ui;
    // Keeps the shown records alive while the table points at them.
    QVector<std::shared_ptr<HotwordVO>> m_shown;
};
