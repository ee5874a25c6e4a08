#include "render/letters.h"

#include <algorithm>

namespace tornelis {

bool IsSyllableVowel(QChar c)
{
    switch (c.unicode()) {
    case u'а': case u'я': case u'о': case u'ё': case u'е': case u'э': case u'у': case u'ю': case u'и': case u'ы':
    case u'А': case u'Я': case u'О': case u'Ё': case u'Е': case u'Э': case u'У': case u'Ю': case u'И': case u'Ы':
        return true;
    default:
        return false;
    }
}

bool IsStressVowel(QChar lower)
{
    switch (lower.unicode()) {
    case u'а': case u'я': case u'о': case u'у': case u'ю': case u'е': case u'э': case u'и': case u'ы':
        return true;
    default:
        return false;
    }
}

qsizetype SyllableCount(QStringView word)
{
    return std::count_if(word.cbegin(), word.cend(), IsSyllableVowel);
}

}  // namespace tornelis
