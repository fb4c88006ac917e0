#pragma once

#include "logging/QsLog.h"
#include "orm/data/DatacoreUtil.h"
#include "orm/data/ListWriter.h"
#include "orm/reflection/Reflection.h"
#include "util/AppHelper.h"
#include "util/AtomicFile.h"
#include "util/TrContexts.h"
#include "util/UserPrompt.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QVector>
#include <algorithm>
#include <functional>
#include <memory>

// One word list: its records (shared, insertion order) and the JSON file they live in.
// T is a BaseVO: records are identified by their 64-bit id. Edits are written in the
// background (coalesced, atomically); syncList and flush write at once.
template <typename T>
class DataHandler
{
public:
    using Ptr = std::shared_ptr<T>;

    QVector<Ptr> records;
    QString filePath;
    // Called after every change of the list, whether or not it was saved.
    std::function<void()> onChanged;
    // Called instead when one record was changed in place; unset, onChanged is called.
    std::function<void(T *)> onRecordChanged;
    // Run on a copy of the records just read: true when they were in an earlier build's form and
    // it changed them into today's. A list that has it keeps the file of an earlier build as
    // <name>.encoded before the list is first written (empty when there was no earlier file).
    // That copy beside a list that differs from it says the list is in today's form; a list
    // still equal to its copy was never rewritten, and is turned into today's form again.
    std::function<bool(const QVector<Ptr> &)> upgradeLoaded;

    enum ParseResult { Parsed, NotAnArray, ForeignType };

    // Parses a JSON array of records of type T and appends them to out. An element of another
    // "entityType" shows a warning and adds nothing at all, so an import is all or nothing.
    static ParseResult parse(const QByteArray &text, QVector<Ptr> *out)
    {
        QJsonParseError error{};
        const QJsonDocument doc = QJsonDocument::fromJson(text, &error);
        if (error.error != QJsonParseError::NoError || !doc.isArray()) {
            QLOG_WARN() << "word list is no JSON array:" << error.errorString();
            return NotAnArray;
        }
        const QJsonArray array = doc.array();
        for (const QJsonValue &v : array) {
            const QString type = DataCore::entityTypeOf(v.toObject());
            if (type != T::staticEntityType()) {
                UserPrompt::warning(TNotify::tr("导入数据的实际类型为%1, 和预期类型%2不匹配")
                                        .arg(type, T::staticEntityType()));
                return ForeignType;
            }
        }
        for (const QJsonValue &v : array) {
            auto record = std::make_shared<T>();
            record->fromJson(v.toObject());
            out->append(record);
        }
        return Parsed;
    }

    // Loads the file. A missing file is an empty list; one that cannot be parsed is kept
    // aside as <name>.bad and the list starts empty, so nothing is lost or overwritten.
    void load()
    {
        leaveFile();
        m_loaded = true;
        records.clear();
        forgetUpgrade();
        QFile file(filePath);
        if (!file.exists())
            return;
        if (!file.open(QIODevice::ReadOnly)) {
            QLOG_ERROR() << "cannot read" << filePath;
            return;
        }
        const QByteArray text = file.readAll();
        file.close();
        if (text.trimmed().isEmpty())
            return;
        QVector<Ptr> parsed;
        if (parse(text, &parsed) != Parsed) {
            AppHelper::keepAside(filePath);
            return;
        }
        records = parsed;
        m_highestId = largestId();
        if (upgradeLoaded && !rewrittenSinceKept(text))
            upgrade();
    }

    // Points the list at a file without reading it yet: ensureLoaded reads it when first needed.
    void setFile(const QString &path)
    {
        leaveFile();
        filePath = path;
        records.clear();
        forgetUpgrade();
        m_highestId = 0;
        m_loaded = false;
    }
    void ensureLoaded()
    {
        if (!m_loaded)
            load();
    }
    bool isLoaded() const { return m_loaded; }

    qint64 largestId() const
    {
        qint64 largest = 0;
        for (const Ptr &r : records)
            largest = std::max(largest, r->id);
        return largest;
    }

    // A new id that no record has and none had since the list was read: max(now in seconds +
    // offset, largest id + 1). An id is never given again, so a deleted record's id can never
    // come to name another record.
    qint64 nextId(qint64 offset = 0) const
    {
        return std::max(AppHelper::nowSeconds() + offset, m_highestId + 1);
    }

    // Appends a copy; does not save.
    Ptr append(const T &record)
    {
        auto copy = std::make_shared<T>(record);
        records.append(copy);
        m_highestId = std::max(m_highestId, copy->id);
        changed();
        return copy;
    }

    // Appends a copy under a new id (nextId) and saves in the background.
    Ptr add(const T &record)
    {
        T stamped = record;
        stamped.id = nextId();
        Ptr copy = append(stamped);
        saveLater();
        return copy;
    }

    // Gives each record a fresh unique id (now in seconds + i, and above every id so far),
    // appends all in order, then saves once. The largest id is kept as the list grows, so n
    // words cost O(n). A failed write is reported when it ends.
    bool appendAll(const QVector<T> &list)
    {
        appendStamped(list);
        return true;
    }

    // As appendAll; returns the stored records.
    QVector<Ptr> appendStamped(const QVector<T> &list)
    {
        QVector<Ptr> added;
        added.reserve(list.size());
        records.reserve(records.size() + list.size());
        const qint64 now = AppHelper::nowSeconds();
        qint64 largest = m_highestId; // kept as the list changes: no pass over a long list
        for (int i = 0; i < list.size(); ++i) {
            auto copy = std::make_shared<T>(list[i]);
            copy->id = std::max(now + i, largest + 1);
            largest = copy->id;
            records.append(copy);
            added.append(copy);
        }
        m_highestId = std::max(m_highestId, largest);
        saveLater();
        changed();
        return added;
    }

    // Writes the whole list to the file now.
    bool syncList()
    {
        if (m_writer)
            m_writer->flush(); // a write still queued must not land after this one
        if (upgradeLoaded && (!finishUpgrade() || !keepEarlierFile(filePath))) {
            DatacoreUtil::reportWriteFailure();
            return false;
        }
        return DatacoreUtil::saveToFile(records, filePath) == 0;
    }

    // Writes the whole list soon, off the GUI thread; quick successive calls write once.
    void saveLater()
    {
        if (!m_writer) {
            m_writer = std::make_unique<ListWriter>();
            if (upgradeLoaded)
                m_writer->setPrepare(&DataHandler::keepEarlierFile);
        }
        m_writer->schedule(filePath, [this] {
            if (!finishUpgrade())
                return ListWriter::Job(); // an earlier build's words are not written over unkept
            QVector<T> copy; // values: the GUI may edit the records while the copy is written
            copy.reserve(records.size());
            for (const Ptr &r : qAsConst(records))
                copy.append(*r);
            return ListWriter::Job([copy] {
                QVector<const DataCore *> view;
                view.reserve(copy.size());
                for (const T &r : copy)
                    view.append(&r);
                return DatacoreUtil::toJsonArray(view);
            });
        });
    }

    // Waits for the background write and performs a scheduled one now. False when one failed.
    bool flush(ListWriter::Failure failure = ListWriter::Failure::Shown)
    {
        return m_writer ? m_writer->flush(failure) : true;
    }
    ListWriter *writer() const { return m_writer.get(); }

    // Index of the first record whose field equals the value (numbers as numbers), or -1.
    int indexOfValue(const QString &field, const QVariant &value) const
    {
        const Meta_Field *f = Reflection::findField(T::staticFieldTable(), field);
        QVariant typed;
        if (!f || !f->convert(value, &typed))
            return -1;
        for (int i = 0; i < records.size(); ++i) {
            if (f->equals(*records[i], typed))
                return i;
        }
        return -1;
    }

    bool removeById(qint64 id)
    {
        for (int i = 0; i < records.size(); ++i) {
            if (records[i]->id == id) {
                records.remove(i);
                saveLater();
                changed();
                return true;
            }
        }
        QLOG_WARN() << "指令词未找到，删除失败 - id : " << id;
        return false;
    }

    bool removeByValue(const QString &field, const QVariant &value)
    {
        const int i = indexOfValue(field, value);
        if (i < 0) {
            QLOG_WARN() << "指令词未找到，删除失败 - " << value.toString();
            return false;
        }
        return remove(records[i]);
    }

    // Gives exactly this record new values (its id stays) and saves in the background. The
    // record stays the same object, so whoever chose it still holds it. False when the record
    // is no longer in the list.
    bool replace(const Ptr &record, const T &values)
    {
        if (!record || !records.contains(record))
            return false;
        const qint64 id = record->id;
        *record = values;
        record->id = id;
        keepAsEdited(record.get());
        saveLater();
        changed();
        return true;
    }

    // Tells that this record of the list was changed in place (e.g. in a table cell) and saves.
    void recordChanged(T *record)
    {
        keepAsEdited(record);
        saveLater();
        if (onRecordChanged)
            onRecordChanged(record);
        else
            changed();
    }

    // Empties the list and saves in the background.
    bool clear()
    {
        records.clear();
        saveLater();
        changed();
        return true;
    }

    // Removes exactly this record (ids of hand-edited files may repeat) and saves.
    bool remove(const Ptr &record)
    {
        const int i = records.indexOf(record);
        if (i < 0)
            return false;
        records.remove(i);
        saveLater();
        changed();
        return true;
    }

    // Removes exactly these records in one pass, keeping the order of the rest, and saves.
    // The number removed; nothing is saved when it is 0.
    int removeRecords(const QVector<const T *> &chosen)
    {
        QSet<const T *> set;
        set.reserve(chosen.size());
        for (const T *r : chosen)
            set.insert(r);
        const int before = records.size();
        records.erase(std::remove_if(records.begin(), records.end(),
                                     [&set](const Ptr &r) { return set.contains(r.get()); }),
                      records.end());
        const int removed = before - records.size();
        if (removed) {
            saveLater();
            changed();
        }
        return removed;
    }

private:
    std::unique_ptr<ListWriter> m_writer;

    static QString keptPath(const QString &path) { return path + QStringLiteral(".encoded"); }

    // Makes sure an earlier build's file is kept beside path before the list is written there,
    // so that the next start tells the list written since from the earlier one. Runs on the
    // writer's thread too.
    static bool keepEarlierFile(const QString &path)
    {
        const QString kept = keptPath(path);
        if (QFileInfo::exists(kept))
            return true;
        QByteArray earlier;
        QFile file(path);
        if (file.exists()) {
            if (!file.open(QIODevice::ReadOnly)) {
                QLOG_ERROR() << "cannot read" << path << "to keep it as" << kept;
                return false;
            }
            earlier = file.readAll();
        }
        QString error;
        if (!AtomicFile::write(kept, earlier, &error)) {
            QLOG_ERROR() << "cannot keep" << path << "as" << kept << error;
            return false;
        }
        return true;
    }

    void forgetUpgrade()
    {
        m_upgradeOwed = false;
        m_undecoded.clear();
    }

    // Whether the list read as text was written since its earlier file was kept: a copy equal to
    // it means the program ended, or its write failed, before the list in today's form landed.
    bool rewrittenSinceKept(const QByteArray &text) const
    {
        QFile kept(keptPath(filePath));
        if (!kept.exists())
            return false;
        if (kept.size() != text.size())
            return true;
        if (!kept.open(QIODevice::ReadOnly)) {
            QLOG_ERROR() << "cannot read" << kept.fileName() << "- the list is taken as written";
            return true;
        }
        return kept.readAll() != text;
    }

    // An earlier build's list is turned into today's form once, and only once the file as it
    // was is kept beside it. When it cannot be kept, the words stay as stored until it can,
    // and the list is not written before.
    void upgrade()
    {
        QVector<Ptr> converted;
        converted.reserve(records.size());
        for (const Ptr &r : qAsConst(records))
            converted.append(std::make_shared<T>(*r));
        if (!upgradeLoaded(converted))
            return; // today's form
        if (!keepEarlierFile(filePath)) {
            QLOG_WARN() << "word list of an earlier build" << filePath << "left as stored for now";
            m_upgradeOwed = true;
            m_undecoded = records;
            return;
        }
        QLOG_INFO() << "word list of an earlier build read:" << filePath << "- kept as" << keptPath(filePath);
        records = converted;
        saveLater();
    }

    // Keeps an earlier build's file, when one was read and is not kept yet, and only then turns
    // the words read from it into today's form: those the user has neither removed nor edited.
    // False when it cannot be kept: the list must not be written yet.
    bool finishUpgrade()
    {
        if (!m_upgradeOwed)
            return true;
        if (!keepEarlierFile(filePath))
            return false;
        QLOG_INFO() << "word list of an earlier build read:" << filePath << "- kept as" << keptPath(filePath);
        m_upgradeOwed = false;
        QSet<const T *> undecoded;
        for (const Ptr &r : qAsConst(m_undecoded))
            undecoded.insert(r.get());
        QVector<int> at;
        QVector<Ptr> converted;
        for (int i = 0; i < records.size(); ++i) {
            if (undecoded.contains(records[i].get())) {
                at.append(i);
                converted.append(std::make_shared<T>(*records[i]));
            }
        }
        m_undecoded.clear();
        if (converted.isEmpty() || !upgradeLoaded(converted))
            return true; // none left that needs it
        // New records, so that whoever shows the list sees them changed.
        for (int k = 0; k < at.size(); ++k)
            records[at[k]] = converted[k];
        changed();
        return true;
    }

    // A record the user edited holds what the user typed, whatever form it was read in.
    void keepAsEdited(const T *record)
    {
        if (m_undecoded.isEmpty())
            return;
        m_undecoded.erase(std::remove_if(m_undecoded.begin(), m_undecoded.end(),
                                         [record](const Ptr &r) { return r.get() == record; }),
                          m_undecoded.end());
    }

    // Finishes what is owed to the current file. A write that still fails is given up there
    // (logged): a later retry would write another file's records into it.
    void leaveFile()
    {
        if (m_writer && !m_writer->flush())
            QLOG_ERROR() << "word list" << filePath << "left unsaved";
        m_writer.reset();
    }
    bool m_loaded = false;
    // An earlier build's file was read and its copy is not kept yet (even when the user has
    // removed every record read from it); m_undecoded holds the records read, still as stored.
    bool m_upgradeOwed = false;
    QVector<Ptr> m_undecoded;
    // The largest id the list has held since it was read: every record enters through load,
    // append or appendStamped, which keep it.
    qint64 m_highestId = 0;

    void changed() const
    {
        if (onChanged)
            onChanged();
    }
};
