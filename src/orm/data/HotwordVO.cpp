#include "orm/data/HotwordVO.h"

VB_FIELDS(HotwordVO, &BaseVO::staticFieldTable(),
          VB_FIELD(HotwordVO, hotword)->percentEncoded(),
          VB_FIELD(HotwordVO, index))
