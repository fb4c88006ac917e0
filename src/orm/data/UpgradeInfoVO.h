#pragma once

#include "orm/data/DataCore.h"

// The newest version as the upgrade server describes it.
class UpgradeInfoVO : public DataCore
{
    VB_RECORD(UpgradeInfoVO)
public:
    QString version;
    bool isMandatory = false;
    QString title;
    QString content;
    QString downloadUrl;
    qint64 fileSize = 0; // bytes; 0 when the server does not say
};
