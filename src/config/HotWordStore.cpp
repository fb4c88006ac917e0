#include "config/HotWordStore.h"

#include <QCoreApplication>

HotWordStore &HotWordStore::instance()
{
    static HotWordStore store;
    return store;
}

HotWordStore::HotWordStore()
{
    m_hotwords.onChanged = [this] { emit hotwordsChanged(); };
    m_keywords.onChanged = [this] { emit keywordsChanged(); };
    m_autoKeywords.onChanged = [this] { emit autoKeywordsChanged(); };
    m_hotwords.onRecordChanged = [this](HotwordVO *record) { emit hotwordEdited(record); };
    m_hotwords.upgradeLoaded = &HotwordVO::decodeEarlierEncoding;
    load();
    // The last write is made while all it needs still lives: a static's destructor runs after
    // the records' field tables and the toast are gone.
    if (QCoreApplication *app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, [this] { flush(ListWriter::Failure::Logged); });
}

// Writes nothing: see the constructor.
HotWordStore::~HotWordStore() = default;

namespace {
// A list somebody has read is read again at once, so holders of it see the new contents;
// the others wait until first needed.
template <typename T>
void repoint(DataHandler<T> &list, const QString &path)
{
    const bool wasRead = list.isLoaded();
    list.setFile(path);
    if (wasRead)
        list.load();
}
} // namespace

void HotWordStore::load()
{
    const QString dir = AppHelper::programDir() + QStringLiteral("/config/");
    repoint(m_hotwords, dir + QStringLiteral("hotwords.json"));
    repoint(m_keywords, dir + QStringLiteral("keywords.json"));
    repoint(m_autoKeywords, dir + QStringLiteral("autokeywords.json"));
    emit hotwordsChanged();
    emit keywordsChanged();
    emit autoKeywordsChanged();
}

bool HotWordStore::flush(ListWriter::Failure failure)
{
    const bool hot = m_hotwords.flush(failure);
    const bool keys = m_keywords.flush(failure);
    const bool autoKeys = m_autoKeywords.flush(failure);
    return hot && keys && autoKeys;
}

DataHandler<HotwordVO> &HotWordStore::hotwords()
{
    m_hotwords.ensureLoaded();
    return m_hotwords;
}

DataHandler<KeywordVO> &HotWordStore::keywords()
{
    m_keywords.ensureLoaded();
    return m_keywords;
}

DataHandler<KeywordVO> &HotWordStore::autoKeywords()
{
    m_autoKeywords.ensureLoaded();
    return m_autoKeywords;
}
