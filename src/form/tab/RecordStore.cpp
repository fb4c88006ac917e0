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
    const UserVO *user = LoginBL::instance().getUser();
    if (!user)
        return;
    const qint64 userId = user->id;
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
    m_view.clear();
    m_records.clear();
}

void RecordStore::accept(const QVector<AudioRecordVO> &records)
{
    m_records = records;
    AudioRecordVO::fillDisplayFields(m_records);
    m_view.clear();
    for (AudioRecordVO &r : m_records)
        m_view.append(&r);
    // Newest first by time as a number (as text, 999 would come after 1000).
    std::stable_sort(m_view.begin(), m_view.end(), [](DataCore *a, DataCore *b) {
        return static_cast<AudioRecordVO *>(a)->createTime > static_cast<AudioRecordVO *>(b)->createTime;
    });
    emit listChanged();
}

QVector<DataCore *> RecordStore::page(int page, int pageSize) const
{
    const int p = qMax(1, page);
    const int from = qMin((p - 1) * pageSize, m_view.size());
    const int to = qMin(p * pageSize, m_view.size());
    return m_view.mid(from, to - from);
}

const AudioRecordVO *RecordStore::find(qint64 id) const
{
    for (const AudioRecordVO &r : m_records) {
        if (r.id == id)
            return &r;
    }
    return nullptr;
}

void RecordStore::updateLink(qint64 id, const QString &attr1)
{
    for (AudioRecordVO &r : m_records) {
        if (r.id == id)
            r.attr1 = attr1;
    }
}
