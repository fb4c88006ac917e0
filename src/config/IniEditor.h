#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

// Changes one key of an ini file's text the way a person editing it would: the key's own line
// gets the new value, and every other byte (comments, blank lines, commented-out entries, the
// order of sections and keys) stays as it was. Keys and values are written as QSettings writes
// them, so that QSettings reads the file as before.
class IniEditor
{
public:
    // The text with key set to value; a null array, with the reason in error, for a value that
    // is neither text, a number nor a truth value.
    static QByteArray withValue(const QByteArray &text, const QString &key, const QVariant &value,
                                QString *error = nullptr);
};
