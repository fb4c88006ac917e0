#pragma once

#include "orm/data/AudioRecordVO.h"

#include <QObject>
#include <QVector>

class DataCore;

// The logged-in user's recordings as the API server lists them, kept whole and ordered newest
// first for local paging. Each request is tagged with the user and a request number: a reply
// for an older request, or one arriving after the user changed or logged out, is dropped.
class RecordStore : public QObject
{
    Q_OBJECT
public:
    explicit RecordStore(QObject *parent = nullptr);

    // Asks for the list again; nothing is sent without a logged-in user.
    void reload();
    // Forgets the list; replies still under way are dropped.
    void clear();

    // Every recording, newest first; valid until the next change.
    const QVector<DataCore *> &view() const { return m_view; }
    // The records of one page (pages count from 1; a lower page is page 1).
    QVector<DataCore *> page(int page, int pageSize) const;
    // The recording with that id in the current list; null when it is not there.
    const AudioRecordVO *find(qint64 id) const;
    // Takes the cloud link the server now holds for a recording of the list.
    void updateLink(qint64 id, const QString &attr1);

signals:
    // A new list replaced the old one.
    void listChanged();
    // The list request failed; the old list stays.
    void loadFailed(const QString &message);

private:
    void accept(const QVector<AudioRecordVO> &records);
    static qint64 currentUserId();

    QVector<AudioRecordVO> m_records;
    QVector<DataCore *> m_view;
    quint64 m_generation = 0;
};
