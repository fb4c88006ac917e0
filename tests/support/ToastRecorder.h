#pragma once

#include <QMetaObject>
#include <QStringList>
#include <QString>
#include <QVector>

// Records every toast shown while it lives.
class ToastRecorder
{
public:
    struct Entry {
        int type;
        QString text;
        int msec;
    };
    ToastRecorder();
    ~ToastRecorder();

    QVector<Entry> entries;
    QStringList texts() const;

private:
    QMetaObject::Connection m_connection;
};
