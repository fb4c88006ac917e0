#pragma once

#include <QString>
#include <QStringList>

// The files a support mail carries: the files directly in log/ (the log and its rotated
// copies), then the crash dumps (*.dmp) directly in the program folder, each group newest
// first. A count and a total-size cap keep the mail deliverable; what they leave out is named.
class LogAttachments
{
public:
    static constexpr int MaxFiles = 20;
    static constexpr qint64 MaxBytes = 15 * 1024 * 1024;

    static LogAttachments collect(const QString &programDir, int maxFiles = MaxFiles, qint64 maxBytes = MaxBytes);

    // Absolute paths, in mail order.
    QStringList files;
    // Names of the files that did not fit.
    QStringList leftOut;

    // A paragraph for the mail text naming the files left out; empty when none was.
    QString notice() const;
};
