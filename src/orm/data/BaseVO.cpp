#include "orm/data/BaseVO.h"

VB_FIELDS(BaseVO, nullptr, VB_FIELD(BaseVO, id))
