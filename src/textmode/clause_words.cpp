#include "textmode/clause_words.h"

namespace tornelis {

bool IsRussianLetter(QChar character)
{
    const char16_t code = character.unicode();
    return (code >= u'А' && code <= u'я') || code == u'ё' || code == u'Ё';
}

bool EndsClauseAt(const QString &text, qsizetype at)
{
    switch (text.at(at).unicode()) {
    case u'-':
        return at == 0 || at + 1 == text.size() || !IsRussianLetter(text.at(at - 1)) ||
               !IsRussianLetter(text.at(at + 1));
    case u'.': case u',': case u';': case u':': case u'!': case u'?': case u'(': case u')': case u'[': case u']':
    case u'{': case u'}': case u'"': case u'%': case u'|': case u'/': case u'<': case u'>': case u'«': case u'»':
    case u'–': case u'—': case u'…':
        return true;
    default:
        return false;
    }
}

}  // namespace tornelis
