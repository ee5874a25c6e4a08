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

QStringList LexemeGroup(const QString &tags)
{
    return NthField(tags, 0, QStringLiteral(" ")).split(QLatin1Char(','));
}

// The short words that link the parts of a name and keep a small letter.
bool IsLinkWord(QStringView part)
{
    static const QStringList links{QStringLiteral("на"),  QStringLiteral("де"),  QStringLiteral("ла"),
                                   QStringLiteral("ле"),  QStringLiteral("дер"), QStringLiteral("ди"),
                                   QStringLiteral("дю"),  QStringLiteral("да"),  QStringLiteral("фон"),
                                   QStringLiteral("ван"), QStringLiteral("эль"), QStringLiteral("аль"),
                                   QStringLiteral("ибн"), QStringLiteral("бен")};
    return links.contains(part.toString().toLower());
}

}  // namespace

QString CapitalizeNameParts(const QString &text, LetterCase mode, const QString &word, const QString &tags)
{
    if (mode != LetterCase::FirstCapital || !word.contains(QLatin1Char('-')) ||
        !HasAny(LexemeGroup(tags), {u"Name", u"Surn", u"Patr", u"Geox", u"Orgn", u"Trad"}))
        return text;
    const QList<QStringView> parts = QStringView(word).split(u'-');
    // Letters spelt out as syllables (Би-би-си) are one word.
    if (std::all_of(parts.begin(), parts.end(), [](QStringView part) { return part.size() <= 2; }))
        return text;
    // The numbers, among the letters of word, of the letters that begin a part.
    QList<qsizetype> starts;
    qsizetype letters = 0;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0 && !parts.at(i).isEmpty() && !IsLinkWord(parts.at(i)))
            starts.append(letters);
        for (const QChar c : parts.at(i))
            letters += c.isLetter() ? 1 : 0;
    }
    QString capitalized = text;
    letters = 0;
    for (QChar &c : capitalized) {
        if (!c.isLetter())
            continue;
        if (starts.contains(letters))
            c = c.toUpper();
        ++letters;
    }
    return capitalized;
}

LetterCase LetterCaseOfForm(LetterCase mode, const QString &word, const QString &tags)
{
    const QStringList lexemeGroup = LexemeGroup(tags);
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
