#pragma once

#include <QDialog>
#include <QStringList>

class QWidget;

// The settings menu: its entry names, the dialogs they open, and the two button styles that
// pages with toggle buttons share.
class ButtonStateStyle
{
public:
    QString normalStyle = QStringLiteral("background-color: rgb(196, 196, 196);");
    QString activeStyle = QStringLiteral("background-color: rgb(255, 159, 26);");
    QString otherStyle;

    QStringList settingMenuNames() const;
    // Opens the dialog of entry 0..3, a new one on every call; other indexes do nothing.
    // Returns the dialog, or null when nothing opened.
    QDialog *openSettingDialog(int index) const;
    ButtonStateStyle *identityCast() { return this; }
};

ButtonStateStyle *settingsMenuInstance();
