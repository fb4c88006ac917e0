#pragma once

#include "databinding/FormContainer.h"
#include "device/IContextBinder.h"
#include "device/VelloboxTypes.h"

#include <QVector>

class BaseSetting;
class FormItem;
class FunctionChipEditor;

namespace Ui {
class MKeyTab;
}

// The presenter's M-key page ("飞鼠设置"): the functions a double click of the M key cycles
// through (chips) and the one function a long press uses (four exclusive check rows), with the
// size and colour options of the visual functions bound to the settings record.
class MKeyTab : public FormContainer, public IContextBinder
{
    Q_OBJECT
public:
    // The presenter's M-key functions; the numbers are what the settings store.
    enum Function { Spotlight = 0, Magnifier = 1, DigitalLight = 2, AirMouse = 3, FunctionCount = 4 };

    explicit MKeyTab(QWidget *parent = nullptr);
    ~MKeyTab() override;

    FormItem *functionRow(int id) const { return m_rows.value(id); }
    FunctionChipEditor *chipEditor() const { return m_chips; }

public slots:
    // A function check row changed (ticked or unticked by the user).
    void checkBoxChoose(int state);
    // The device's actions: 5 (M-key switch) re-selects the current function, 6 (volume keys
    // stepped an effect's size) re-reads the option editors.
    void mkeyTab_invokeFunction(VelloboxActionType messageType, VelloboxFunctionFlags flags, QString msg);

protected:
    void onContextChanged() override;

private slots:
    void storeFunctions(const QString &list);

private:
    void initialize();
    FormItem *addFunctionRow(int id, const QString &label);
    void addOptionRow(FormItem *row);
    BaseSetting *setting() const;
    // The function the M key runs now, as the device logic decides it; -1 when that is not a
    // function of this page (a hand-edited file).
    int currentFunction() const;
    void restoreCurrentFunction();
    void uncheckOtherFunctions(FormItem *keep);

    Ui::MKeyTab *ui;
    FormItem *m_airMouse = nullptr;
    FormItem *m_spotlight = nullptr;
    FormItem *m_magnifier = nullptr;
    FormItem *m_digitalLight = nullptr;
    QVector<FormItem *> m_rows; // by function id
    FunctionChipEditor *m_chips = nullptr;
};
