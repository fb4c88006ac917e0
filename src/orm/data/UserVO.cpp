#include "orm/data/UserVO.h"

VB_FIELDS(UserVO, &BaseVO::staticFieldTable(),
          VB_FIELD(UserVO, name),
          VB_FIELD(UserVO, phone),
          VB_FIELD(UserVO, email),
          VB_FIELD(UserVO, nickName),
          VB_FIELD(UserVO, token))
