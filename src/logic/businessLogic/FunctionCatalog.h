#pragma once

#include <QList>
#include <QString>

class QComboBox;

// Display names of the device functions, keyed by base + id:
//   0..3      the presenter's M-key functions
//   1000 + n  device actions (VelloboxActionType n)
//   2000 + n  voice-search keyword types
class FunctionCatalog
{
public:
    enum Base { PresenterMKey = 0, DeviceAction = 1000, KeywordType = 2000 };

    // The translated name, or an empty text for a key the catalogue does not have.
    static QString name(int base, int id);
    static bool contains(int base, int id);
    // One item per id in list order: text name(base, id), Qt::UserRole data the id.
    static void fillComboBox(QComboBox *combo, int base, const QList<int> &ids);
};
