#include "support/ToastRecorder.h"

#include "qui/Toast.h"

#include <QStringList>

ToastRecorder::ToastRecorder()
{
    m_connection = QObject::connect(&Toast::instance(), &Toast::messageShown,
                                    [this](int type, const QString &text, int msec) {
                                        entries.append({type, text, msec});
                                    });
}

ToastRecorder::~ToastRecorder()
{
    QObject::disconnect(m_connection);
}

QStringList ToastRecorder::texts() const
{
    QStringList out;
    for (const Entry &e : entries)
        out << e.text;
    return out;
}
