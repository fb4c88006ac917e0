#pragma once

#include "orm/data/BaseVO.h"

#include <QVector>
#include <memory>

// A hot word of speech recognition. Stored, exported and imported as written.
class HotwordVO : public BaseVO
{
    VB_RECORD(HotwordVO)
public:
    QString hotword;
    int index = 0;

    // Earlier builds wrote every hot word percent-encoded ("北京" as "%E5%8C%97%E4%BA%AC").
    // A list in that form (every word only unreserved ASCII and "%XX" escapes in capitals, at
    // least one escape, all of them making UTF-8) is decoded in place; true when it was.
    // A list with any other word is taken as written.
    static bool decodeEarlierEncoding(const QVector<std::shared_ptr<HotwordVO>> &words);
};
