#include "textmode/clause_words.h"

namespace tornelis {

bool EndsClauseAt(const QString &text, qsizetype at)
{
    switch (text.at(at).unicode()) {
    case u'-':
        return at == 0 || at + 1 == text.size() || !IsTextLetter(text.at(at - 1)) ||
               !IsTextLetter(text.at(at + 1));
    case u'.': case u',': case u';': case u':': case u'!': case u'?': case u'(': case u')': case u'[': case u']':
    case u'{': case u'}': case u'"': case u'%': case u'|': case u'/': case u'<': case u'>': case u'«': case u'»':
    case u'–': case u'—': case u'…':
        return true;
    default:
        return false;
    }
}

}  // namespace tornelis
