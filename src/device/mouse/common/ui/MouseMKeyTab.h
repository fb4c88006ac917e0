#pragma once

#include "databinding/FormContainer.h"
#include "device/IContextBinder.h"
#include "device/VelloboxTypes.h"

#include <QMap>

class BaseSetting;
class CheckBoxItem;
class FunctionChipEditor;
class QAbstractButton;
class QButtonGroup;
class QHBoxLayout;
class QMouseEvent;

namespace Ui {
class MouseMKeyTab;
}

// The mouse's M-key page (" M键设置"): the one function a press of the M key runs (exclusive
// rows, with the web address of "一键打开网页" and the key combination of "自定义快捷键"), and
// the common functions a double click steps through (chips). Everything is stored in the
// device's settings record.
class MouseMKeyTab : public FormContainer, public IContextBinder
{
    Q_OBJECT
public:
    explicit MouseMKeyTab(QWidget *parent = nullptr);
    ~MouseMKeyTab() override;

    // The functions the page offers, in page order, and those of the double-click list.
    static const QVector<int> &functionIds();
    static const QVector<int> &commonFunctionIds();

    QAbstractButton *functionButton(int id) const { return m_rows.value(id); }
    FunctionChipEditor *chipEditor() const { return m_chips; }

public slots:
    // The device's actions: 5 (the M key switched) re-selects the current function.
    void mkeyTab_invokeFunction(VelloboxActionType messageType, VelloboxFunctionFlags flags, QString msg);

protected:
    void onContextChanged() override;

private:
    void initialize();
    QHBoxLayout *addRow();
    CheckBoxItem *addSelectionItem(QHBoxLayout *row, int id, const QString &text, bool withLink);
    void on_checkItem_checkStateChanged(bool state);
    void on_checkItem_labelClick(QMouseEvent *e);
    void on_lineEdit_textChanged(const QString &text);
    void on_sigKeyChange(Qt::KeyboardModifiers modifiers, int key, const QString &keyName);
    void storeFunctions(const QString &list);
    void restoreCurrentFunction();
    int idOf(QObject *sender) const;
    BaseSetting *setting() const;

    Ui::MouseMKeyTab *ui;
    QButtonGroup *m_group = nullptr;
    QMap<int, QAbstractButton *> m_rows; // by function id
    FunctionChipEditor *m_chips = nullptr;
};
