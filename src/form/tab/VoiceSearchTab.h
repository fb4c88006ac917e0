#pragma once

#include "databinding/FormContainer.h"
#include "device/IContextBinder.h"

#include <QVector>
#include <memory>

class DataCore;
class KeywordVO;

namespace Ui {
class VoiceSearchTab;
}

// The voice-search page: the device's web search engine ("search_engine" of its settings
// record) and the command words of the word store's keyword list, each opening a program or
// file, a folder or a web address; below them the auto-detected applications. Two switches
// choose the sections, so the page serves as the whole voice-search page, the keywords only
// or the detected applications only.
class VoiceSearchTab : public FormContainer, public IContextBinder
{
    Q_OBJECT
public:
    static constexpr int PageSize = 6;

    explicit VoiceSearchTab(QWidget *parent = nullptr, bool enableKeyword = true, bool enableAutoDetect = true);
    ~VoiceSearchTab() override;

    // The keywords the table pages through, as the store held them at the last reload; empty
    // until the page is first shown.
    const QVector<std::shared_ptr<KeywordVO>> &keywordRecords() const { return m_keywordRecords; }
    // The id of the keyword being changed; 0 while a new one is entered.
    qint64 editKeywordId() const { return m_editKeywordId; }

    // True when another keyword than the one being edited is the same word to voice search,
    // whatever its case, letter width, blanks and punctuation.
    static bool isKeywordDuplicate(const QVector<std::shared_ptr<KeywordVO>> &list, const QString &keyword,
                                   const KeywordVO *editing);

public slots:
    void btnChooseFile_click(bool clicked);
    void cbKeywordType_currentIndexChanged(int index);
    void btnAddKeyword_click(bool clicked);
    void tvRecord_ItemWidgetRender(DataCore *pData, QString fieldName, QWidget **widget);

    void showPage(int page);
    void onEditClicked(const std::shared_ptr<KeywordVO> &record);
    void onDeleteClicked(const std::shared_ptr<KeywordVO> &record);

protected:
    void onContextChanged() override;
    void showEvent(QShowEvent *event) override;

private:
    void initializeKeywords();
    void loadKeywords();
    void leaveEditMode();

    Ui::VoiceSearchTab *ui;
    QVector<std::shared_ptr<KeywordVO>> m_keywordRecords;
    // The record chosen for editing, held so that the save changes exactly that one.
    std::shared_ptr<KeywordVO> m_editRecord;
    qint64 m_editKeywordId = 0;
    bool m_keywordsShown = false; // the list is read when the page is first shown
};
