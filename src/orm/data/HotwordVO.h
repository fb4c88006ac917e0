#pragma once

#include "orm/data/BaseVO.h"

// A hot word of speech recognition.
class HotwordVO : public BaseVO
{
    VB_RECORD(HotwordVO)
public:
    QString hotword;
    int index = 0;
};
