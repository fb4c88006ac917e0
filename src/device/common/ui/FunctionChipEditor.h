#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVector>

#include <map>

class BaseSetting;
class QAction;
class QHBoxLayout;
class QPushButton;
class QToolButton;

// Edits a device's list of common functions, a comma list of function ids in cycle order:
// one button ("chip") per listed function, in list order, in front of a "+" button whose menu
// offers the functions that are not listed. Clicking a chip removes its function; choosing a
// menu entry appends one. The page that owns the list stores what functionsEdited reports.
//
// The row and the "+" button come from the page's designer form; the chips are placed in the
// row just before the "+" button.
class FunctionChipEditor : public QObject
{
    Q_OBJECT
public:
    FunctionChipEditor(QHBoxLayout *row, QToolButton *addButton, QObject *parent = nullptr);
    ~FunctionChipEditor() override;

    // Makes a function editable. Call in ascending id order: the menu lists them that way.
    void addFunction(int id, const QString &name);

    // Shows a stored list: chips for the listed functions that are editable, the others in the
    // menu by ascending id. Ids without a function and empty elements are left out.
    void setFunctions(const QString &list);
    QString functions() const { return m_list; }

    // What is shown: chip ids from left to right, menu entries from top to bottom.
    QVector<int> chipIds() const;
    QVector<int> menuIds() const;
    QPushButton *chip(int id) const;
    QAction *action(int id) const;

    // The list rules, element by element, as the device reads the list: empty elements do
    // not count, and one that is not a number is no function (-1) and is kept as it is.
    static int elementId(const QString &element);
    static QString appended(const QString &list, int id);
    static QString removed(const QString &list, int id);
    // Stores an edited list in a device's settings record; the position the M key has
    // reached stays inside the list (-1 once it is empty).
    static void store(BaseSetting *record, const QString &list);

signals:
    // The user added or removed a function; list is the new list.
    void functionsEdited(const QString &list);

public slots:
    // A menu entry or a chip was used (the sender tells which).
    void clickFunction(bool checked = false);

private:
    struct Entry
    {
        int id = 0;
        QAction *action = nullptr;   // owned by the editor
        QPointer<QPushButton> chip;  // in the row while listed, else without parent (ours)
    };

    void insertChip(QPushButton *chip, int position);
    void takeChip(QPushButton *chip);
    int chipPosition() const;

    QHBoxLayout *m_row;
    QToolButton *m_addButton;
    std::map<int, Entry> m_entries;
    QString m_list;
};
