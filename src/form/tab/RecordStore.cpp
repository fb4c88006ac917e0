#include "form/tab/RecordStore.h"

#include "logging/QsLog.h"
#include "logic/businessLogic/login/LoginBL.h"
#include "orm/client/ApiClient.h"
#include "orm/data/UserVO.h"

#include <algorithm>

using HttpRequest::Response;

RecordStore::RecordStore(QObject *parent)
    : QObject(parent)
{
}

qint64 RecordStore::currentUserId()
{
    const UserVO *user = LoginBL::instance().getUser();
    return user ? user->id : 0;
}

void RecordStore::reload()
{
    // A cached user without a valid id is logged out, as the navigation shows it.
    if (!LoginBL::instance().isLogin())
        return;
    const qint64 userId = currentUserId();
    const quint64 generation = ++m_generation;
    auto wanted = [this, generation, userId] { return generation == m_generation && userId == currentUserId(); };
    ApiClient::instance()
        .getRecords(QString::number(userId))
        ->context(this)
        .success([this, wanted](const Response &, const QVector<AudioRecordVO> &records) {
            if (wanted())
                accept(records);
        })
        .fail([this, wanted](const Response &response, int code) {
            if (!wanted())
                return;
            QLOG_WARN() << "record list failed:" << code << response.msg;
            emit loadFailed(response.msg);
        });
}

void RecordStore::clear()
{
    ++m_generation;
    ++m_list;
    m_view.clear();
    m_records.clear();
}

void RecordStore::accept(const QVector<AudioRecordVO> &records)
{
    ++m_list;
    m_records = records;
    AudioRecordVO::fillDisplayFields(m_records);
    rebuildView();
    emit listChanged();
}

void RecordStore::rebuildView()
{
    m_view.clear();
    for (AudioRecordVO &r : m_records)
        m_view.append(&r);
    // Newest first by time as a number (as text, 999 would come after 1000).
    std::stable_sort(m_view.begin(), m_view.end(), [](DataCore *a, DataCore *b) {
        return static_cast<AudioRecordVO *>(a)->createTime > static_cast<AudioRecordVO *>(b)->createTime;
    });
}

QVector<DataCore *> RecordStore::page(int page, int pageSize) const
{
    const int p = qMax(1, page);
    const int from = qMin((p - 1) * pageSize, m_view.size());
    const int to = qMin(p * pageSize, m_view.size());
    return m_view.mid(from, to - from);
}

int RecordStore::indexOf(const Row &row) const
{
    if (row.list != m_list || !row.record)
        return -1;
    for (int i = 0; i < m_records.size(); ++i) {
        if (static_cast<const DataCore *>(&m_records.at(i)) == row.record)
            return i;
    }
    return -1;
}

const AudioRecordVO *RecordStore::find(const Row &row) const
{
    const int i = indexOf(row);
    return i < 0 ? nullptr : &m_records.at(i);
}

void RecordStore::updateLink(const Row &row, const QString &attr1)
{
    const int i = indexOf(row);
    if (i >= 0)
        m_records[i].attr1 = attr1;
}

bool RecordStore::remove(const Row &row)
{
    const int i = indexOf(row);
    if (i < 0)
        return false;
    m_records.remove(i);
    ++m_list;
    rebuildView();
    emit listChanged();
    return true;
}
