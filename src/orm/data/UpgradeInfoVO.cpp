#include "orm/data/UpgradeInfoVO.h"

VB_FIELDS(UpgradeInfoVO, nullptr,
          VB_FIELD(UpgradeInfoVO, version),
          VB_FIELD(UpgradeInfoVO, isMandatory),
          VB_FIELD(UpgradeInfoVO, title),
          VB_FIELD(UpgradeInfoVO, content),
          VB_FIELD(UpgradeInfoVO, downloadUrl),
          VB_FIELD(UpgradeInfoVO, fileSize))
