#include "config/HotWordStore.h"

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
    load();
}

void HotWordStore::load()
{
    const QString dir = AppHelper::programDir() + QStringLiteral("/config/");
    m_hotwords.filePath = dir + QStringLiteral("hotwords.json");
    m_keywords.filePath = dir + QStringLiteral("keywords.json");
    m_autoKeywords.filePath = dir + QStringLiteral("autokeywords.json");
    m_hotwords.load();
    m_keywords.load();
    m_autoKeywords.load();
    emit hotwordsChanged();
    emit keywordsChanged();
    emit autoKeywordsChanged();
}
