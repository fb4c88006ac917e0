#include "orm/data/KeywordVO.h"

KeywordVO::KeywordVO(int type, const QString &kw, const QString &cont, const QString &typeDesc)
    : keywordType(type)
    , keywordTypeDesc(typeDesc)
    , keyword(kw)
    , content(cont)
{
}

VB_FIELDS(KeywordVO, &BaseVO::staticFieldTable(),
          VB_FIELD(KeywordVO, keywordType),
          VB_FIELD(KeywordVO, keywordTypeDesc)->percentEncoded(),
          VB_FIELD(KeywordVO, keyword)->percentEncoded(),
          VB_FIELD(KeywordVO, content)->percentEncoded())
