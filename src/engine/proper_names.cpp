#include "engine/proper_names.h"

#include "engine/nth_field.h"

#include <QStringList>

#include <algorithm>
#include <initializer_list>

namespace tornelis {
namespace {

bool HasAny(const QStringList &group, std::initializer_list<QStringView> grammemes)
{
    return std::any_of(grammemes.begin(), grammemes.end(),
                       [&group](QStringView grammeme) { return group.contains(grammeme); });
}

}  // namespace

LetterCase LetterCaseOfForm(LetterCase mode, const QString &word, const QString &tags)
{
    const QStringList lexemeGroup = NthField(tags, 0, QStringLiteral(" ")).split(QLatin1Char(','));
    // First names, surnames, patronymics, places, organisations, trade marks.
    const bool proper = HasAny(lexemeGroup, {u"Name", u"Surn", u"Patr", u"Geox", u"Orgn", u"Trad"});
    // An abbreviation of one thing is read letter by letter (ДНК, ЕГЭ); a
    // cut-short word (тыс, г-н, изд-во) is not.
    const bool initialism = HasAny(lexemeGroup, {u"Abbr"}) && (proper || HasAny(lexemeGroup, {u"Sgtm"})) &&
                            !word.contains(QLatin1Char('-'));
    if (initialism)
        return LetterCase::Upper;
    if (proper && mode == LetterCase::Lower)
        return LetterCase::FirstCapital;
    return mode;
}

}  // namespace tornelis
