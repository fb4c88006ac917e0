#pragma once

#include "orm/data/DataHandler.h"
#include "orm/data/HotwordVO.h"
#include "orm/data/KeywordVO.h"

#include <QObject>

// The word lists: hot words of speech recognition, voice-search keywords and the keywords
// of auto-detected applications, each in its JSON file below config/. A list is read when it
// is first asked for, so the start does not grow with the lists; edits are written in the
// background.
class HotWordStore : public QObject
{
    Q_OBJECT
public:
    static HotWordStore &instance();

    // Points the three lists at the files of the current program folder; each is read again
    // when next asked for. Writes still pending for the old files are finished first.
    void load();
    // Finishes every pending write (before the files are read by someone else). At exit the
    // store does so itself, as the application is about to quit, and a failure is only logged.
    bool flush(ListWriter::Failure failure = ListWriter::Failure::Shown);

    DataHandler<HotwordVO> &hotwords();
    DataHandler<KeywordVO> &keywords();
    DataHandler<KeywordVO> &autoKeywords();

signals:
    void hotwordsChanged();
    // One hot word was changed in place (its row only needs showing again).
    void hotwordEdited(HotwordVO *record);
    void keywordsChanged();
    void autoKeywordsChanged();

private:
    HotWordStore();
    ~HotWordStore() override;

    DataHandler<HotwordVO> m_hotwords;
    DataHandler<KeywordVO> m_keywords;
    DataHandler<KeywordVO> m_autoKeywords;
};
