#pragma once

#include "orm/data/BaseVO.h"

#include <QMetaType>

// The logged-in user as the API returns it; cached in config/user.
class UserVO : public BaseVO
{
    VB_RECORD(UserVO)
public:
    QString name;
    QString phone;
    QString email;
    QString nickName;
    // Session token when the server issues one; kept in the 0600 cache, never logged.
    QString token;
};

Q_DECLARE_METATYPE(UserVO *)
