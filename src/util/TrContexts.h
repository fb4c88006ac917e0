#pragma once
// Translation contexts of user-visible texts set by code.
#include <QCoreApplication>

class TUI // labels, captions, links, questions
{
    Q_DECLARE_TR_FUNCTIONS(TUI)
};
class TNotify // warnings and notices
{
    Q_DECLARE_TR_FUNCTIONS(TNotify)
};
class TMsg // messages of the business logic
{
    Q_DECLARE_TR_FUNCTIONS(TMsg)
};
class TMouse // mouse device texts
{
    Q_DECLARE_TR_FUNCTIONS(TMouse)
};
class TPointer // presenter device texts
{
    Q_DECLARE_TR_FUNCTIONS(TPointer)
};
class TProduct // product catalogue texts
{
    Q_DECLARE_TR_FUNCTIONS(TProduct)
};
class TUrl // web addresses that differ by language
{
    Q_DECLARE_TR_FUNCTIONS(TUrl)
};
