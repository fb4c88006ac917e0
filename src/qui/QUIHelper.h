#pragma once

#include <QString>
#include <QStringList>
#include <qnamespace.h>

class QComboBox;

// Questions, completers, themes and screens for the forms.
class QUIHelper
{
public:
    // A modal frameless question over the main window: QMessageBox::Yes (16384) when the
    // user confirms, QMessageBox::No (65536) when the box is closed. Goes through
    // UserPrompt's handler when one is installed (tests answer there). The text is plain
    // unless the format says otherwise (the program's own marked-up texts).
    static int showMessageBoxQuestion(const QString &text, Qt::TextFormat format = Qt::PlainText);

    // Makes the combo editable (typed text is never inserted as an item) with a completer
    // that offers the entries containing the typed text, in any letter case.
    static void setCompleter(QComboBox *combo, const QStringList &texts);

    // The display names of the built-in themes, in menu order.
    static QStringList themeNames();
    // The theme's file name (without ".qss"), empty for an unknown name.
    static QString themeKey(const QString &displayName);
    // The theme's style sheet, empty for an unknown name.
    static QString themeStyleSheet(const QString &displayName);
    // Loads the built-in theme of that display name; false (nothing changes) when unknown.
    static bool setStyle(const QString &displayName);
    static QString currentTheme();

    // Installs the application style sheet (":/customization.css"); it is applied after
    // the theme, so its rules win. False when the file cannot be read.
    static bool setStyleSheetFile(const QString &path);
    // From now on the sheets are given to the application only when the first widget that
    // draws with them is polished (the tray icon's own widget does not): a start into the
    // tray then neither reads, parses nor applies them. Nothing changes once a sheet is in force.
    static void applyAtFirstPolish();

    // Index of the screen that holds the cursor (0 when none does).
    static int screenIndex();

private:
    static void apply();
};
