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
    // One row of the list: the record it shows, in the list it was built from. Records may
    // share an id, so a row's actions go by this and not by the id; a row of an older list
    // finds nothing.
    struct Row {
        const DataCore *record = nullptr;
        quint64 list = 0;
    };

    explicit RecordStore(QObject *parent = nullptr);

    // Asks for the list again; nothing is sent without a logged-in user (one with a valid id).
    void reload();
    // Forgets the list; replies still under way are dropped.
    void clear();

    // Every recording, newest first; valid until the next change.
    const QVector<DataCore *> &view() const { return m_view; }
    // The records of one page (pages count from 1; a lower page is page 1).
    QVector<DataCore *> page(int page, int pageSize) const;
    // The row of a record of view().
    Row rowOf(const DataCore *record) const { return {record, m_list}; }
    // The recording of the row; null when the list has changed since.
    const AudioRecordVO *find(const Row &row) const;
    // Takes the cloud link the server now holds for the row's recording.
    void updateLink(const Row &row, const QString &attr1);
    // Drops the row's recording, deleted on the server; false when the list has changed since.
    bool remove(const Row &row);

signals:
    // A new list replaced the old one.
    void listChanged();
    // The list request failed; the old list stays.
    void loadFailed(const QString &message);

private:
    void accept(const QVector<AudioRecordVO> &records);
    void rebuildView();
    int indexOf(const Row &row) const;
    static qint64 currentUserId();

    QVector<AudioRecordVO> m_records;
    QVector<DataCore *> m_view;
    quint64 m_generation = 0;
    // Bumped whenever m_records is replaced, emptied or shortened: rows of before find nothing.
    quint64 m_list = 0;
};
