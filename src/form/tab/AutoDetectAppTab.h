#pragma once

#include "platform/IOsHelper.h"

#include <QVector>
#include <QWidget>

class IconCheckBoxItem;
class KeywordVO;
class QLabel;

namespace Ui {
class AutoDetectAppTab;
}

// The page "一键适应": every installed program as a row of icon, name and switch. A row that
// is on has a keyword in the word store's auto-keyword list, so saying the program's name
// starts it. The program list is shared and read in the background when the page is first
// shown and again for each adapting; the rows follow the auto-keyword list whoever changes it.
class AutoDetectAppTab : public QWidget
{
    Q_OBJECT
public:
    static constexpr int RowHeight = 40;

    explicit AutoDetectAppTab(QWidget *parent = nullptr);
    ~AutoDetectAppTab() override;

    // The rows, in the order the programs were found; empty until the list is read.
    const QVector<IconCheckBoxItem *> &items() const { return appItems; }

    // The keyword that starts a program by its name.
    static KeywordVO keywordFor(const InstalledProgram &program);

public slots:
    // Connected by name: reads the installed programs again, then rebuilds the auto-keyword
    // list from every one of them.
    void on_btnAutoDetect_clicked(bool checked);
    void iconCheckBoxItem_checkedChanged(bool checked, const QString &iconPath, const QString &label);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void loadApplications();
    void refreshCheckStates();
    void adaptToInstalledPrograms();

    Ui::AutoDetectAppTab *ui;
    QVector<IconCheckBoxItem *> appItems;
    QVector<InstalledProgram> m_programs; // the program of each row
    QLabel *m_loadingLabel;
    bool m_rowsBuilt = false;
    bool m_adaptPending = false; // the button was pressed; the list is being read again
};
