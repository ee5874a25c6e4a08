#include "engine/typed_form.h"

namespace tornelis {
namespace {

bool Ignored(QChar c)
{
    return c == u'\'' || c == u'-' || c == QChar(0x0301);
}

QChar Folded(QChar c, bool yoAsE)
{
    const QChar lower = c.toLower();
    return yoAsE && lower == u'ё' ? QChar(u'е') : lower;
}

}  // namespace

TypedForm::TypedForm(const QString &word, bool yoAsE)
    : yoAsE_(yoAsE)
{
    for (const QChar c : word) {
        if (!Ignored(c))
            key_.append(Folded(c, yoAsE));
    }
}

bool TypedForm::Matches(const QString &form) const
{
    // Called for every form of a table: compared in place, nothing allocated.
    if (key_.isEmpty())
        return false;
    qsizetype at = 0;
    for (const QChar c : form) {
        if (Ignored(c))
            continue;
        // The dictionary's forms are in lower case: most letters are equal as they are.
        if (at == key_.size() || (c != key_.at(at) && Folded(c, yoAsE_) != key_.at(at)))
            return false;
        ++at;
    }
    return at == key_.size();
}

}  // namespace tornelis
