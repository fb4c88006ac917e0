#pragma once

#include "orm/data/BaseVO.h"

// A voice-search keyword: what is said (keyword) and what it opens (content).
class KeywordVO : public BaseVO
{
    VB_RECORD(KeywordVO)
public:
    // Type 3 marks an application found by the auto-detection.
    static constexpr int AutoDetectedType = 3;

    KeywordVO() = default;
    KeywordVO(int keywordType, const QString &keyword, const QString &content,
              const QString &keywordTypeDesc);

    int keywordType = 0;
    QString keywordTypeDesc;
    QString keyword;
    QString content;
};
