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

NameTags NameTagsOf(const QString &tags)
{
    const QStringList lexemeGroup = LexemeGroup(tags);
    NameTags name;
    // First names, surnames, patronymics, places, organisations, trade marks.
    name.proper = HasAny(lexemeGroup, {u"Name", u"Surn", u"Patr", u"Geox", u"Orgn", u"Trad"});
    // An abbreviation of one thing is read letter by letter (ДНК, ЕГЭ); a
    // cut-short word (тыс, г-н, изд-во) is not.
    name.initialism = HasAny(lexemeGroup, {u"Abbr"}) && (name.proper || HasAny(lexemeGroup, {u"Sgtm"}));
    return name;
}

QString CapitalizeNameParts(const QString &text, LetterCase mode, const QString &word, const QString &tags)
{
    return CapitalizeNameParts(text, mode, word, NameTagsOf(tags));
}

QString CapitalizeNameParts(const QString &text, LetterCase mode, const QString &word, const NameTags &name)
{
    if (mode != LetterCase::FirstCapital || !word.contains(QLatin1Char('-')) || !name.proper)
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
    return LetterCaseOfForm(mode, word, NameTagsOf(tags));
}

LetterCase LetterCaseOfForm(LetterCase mode, const QString &word, const NameTags &name)
{
    // A hyphened abbreviation is a cut-short word (г-н, изд-во).
    if (name.initialism && !word.contains(QLatin1Char('-')))
        return LetterCase::Upper;
    if (name.proper && mode == LetterCase::Lower)
        return LetterCase::FirstCapital;
    return mode;
}

QString CaptionedLemma(const QString &lemma, const QString &tags)
{
    const LetterCase letterCase = LetterCaseOfForm(LetterCase::Lower, lemma, tags);
    return CapitalizeNameParts(ApplyLetterCase(lemma, letterCase), letterCase, lemma, tags);
}

}  // namespace tornelis
