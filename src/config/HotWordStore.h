#pragma once

#include "orm/data/DataHandler.h"
#include "orm/data/HotwordVO.h"
#include "orm/data/KeywordVO.h"

#include <QObject>

// The word lists: hot words of speech recognition, voice-search keywords and the keywords
// of auto-detected applications, each in its JSON file below config/.
class HotWordStore : public QObject
{
    Q_OBJECT
public:
    static HotWordStore &instance();

    // Reads all three files again (from the current program folder).
    void load();

    DataHandler<HotwordVO> &hotwords() { return m_hotwords; }
    DataHandler<KeywordVO> &keywords() { return m_keywords; }
    DataHandler<KeywordVO> &autoKeywords() { return m_autoKeywords; }

signals:
    void hotwordsChanged();
    void keywordsChanged();
    void autoKeywordsChanged();

private:
    HotWordStore();

    DataHandler<HotwordVO> m_hotwords;
    DataHandler<KeywordVO> m_keywords;
    DataHandler<KeywordVO> m_autoKeywords;
};
