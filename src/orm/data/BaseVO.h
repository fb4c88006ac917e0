#pragma once

#include "orm/data/DataCore.h"

// Base of the server's and the word lists' value objects: a 64-bit id, 0 when unset.
class BaseVO : public DataCore
{
    VB_RECORD(BaseVO)
public:
    qint64 id = 0;
};
