#include "logic/businessLogic/login/ILoginBL.h"

ILoginBL::ILoginBL(QObject *parent)
    : QObject(parent)
{
}

ILoginBL::~ILoginBL() = default;
