#include "page_form_stress.h"

#include "engine/other_forms.h"
#include "render/letters.h"
#include "render/stress.h"

namespace tornelis::formsdb {
namespace {

int StressVowelCount(QStringView word)
{
    int count = 0;
    for (const QChar c : word)
        count += IsStressVowel(c.toLower()) ? 1 : 0;
    return count;
}

void Set(int &accent, int value, qint64 &count)
{
    if (accent != value) {
        accent = value;
        ++count;
    }
}

// The accent of a form of the lexeme spelt `word` whose tags pass `fits`, or 0.
template <typename Fits>
int AccentOfForm(const BuiltLexeme &lexeme, const QStringList &tags, const std::vector<int> &accents,
                 QStringView word, Fits fits)
{
    for (std::size_t i = 0; i < accents.size(); ++i) {
        if (accents[i] > 0 && lexeme.forms[i].word == word && fits(tags[qsizetype(i)]))
            return accents[i];
    }
    return 0;
}

void SecondLocative(const QString &word, const QString &tags, int &accent, qint64 &count)
{
    if ((word.endsWith(u'у') || word.endsWith(u'ю')) && !word.contains(u'ё') && HasGrammeme(tags, u"loc2"))
        Set(accent, StressVowelCount(word), count);
}

// ска́жемте, иди́те: the imperative without -те.
int ImperativeTe(const BuiltLexeme &lexeme, const QStringList &tags, const std::vector<int> &accents,
                 const QString &word, const QString &formTags)
{
    if (!word.endsWith(QStringView(u"те")) || !HasGrammeme(formTags, u"impr"))
        return 0;
    return AccentOfForm(lexeme, tags, accents, QStringView(word).chopped(2),
                        [](const QString &other) { return HasGrammeme(other, u"impr"); });
}

// мне́нье, мне́нья: мне́ние, мне́ния, where the stress stands before the ь.
int SoftSignVariant(const BuiltLexeme &lexeme, const QStringList &tags, const std::vector<int> &accents,
                    const QString &word, const QString &formTags)
{
    const qsizetype sign = word.lastIndexOf(u'ь');
    if (!HasGrammeme(formTags, u"V-be") || sign < 0 || sign + 1 >= word.size())
        return 0;
    QString standard = word;
    standard[sign] = u'и';
    const int accent = AccentOfForm(lexeme, tags, accents, standard,
                                    [](const QString &other) { return !HasGrammeme(other, u"V-be"); });
    return accent <= StressVowelCount(QStringView(word).first(sign)) ? accent : 0;
}

// поху́же, поле́гче: ху́же, ле́гче with one more vowel before.
int PoComparative(const BuiltLexeme &lexeme, const QStringList &tags, const std::vector<int> &accents,
                  const QString &word, const QString &formTags)
{
    if (!word.startsWith(QStringView(u"по")) || !HasGrammeme(formTags, u"Cmp2"))
        return 0;
    const int bare = AccentOfForm(lexeme, tags, accents, QStringView(word).sliced(2), [](const QString &other) {
        return HasGrammeme(other, u"COMP") && !HasGrammeme(other, u"Cmp2");
    });
    return bare > 0 ? bare + 1 : 0;
}

// и́зо, пе́редо, о́бо: the preposition without its -о.
int PrepositionVariant(const BuiltLexeme &lexeme, const QStringList &tags, const std::vector<int> &accents,
                       const QString &word, const QString &formTags)
{
    if (!word.endsWith(u'о') || !HasGrammeme(formTags, u"PREP"))
        return 0;
    return AccentOfForm(lexeme, tags, accents, QStringView(word).chopped(1),
                        [](const QString &other) { return HasGrammeme(other, u"PREP"); });
}

}  // namespace

QStringList PageFormStressCounts::Lines() const
{
    return {QStringLiteral("stress: second locative on the ending, forms changed: %1").arg(secondLocative),
            QStringLiteral("stress: imperatives in -те from the form without it: %1").arg(imperativeTe),
            QStringLiteral("stress: variants in -ье/-ьи from -ие/-ии: %1").arg(softSignVariant),
            QStringLiteral("stress: comparatives in по- from the bare one: %1").arg(poComparative),
            QStringLiteral("stress: prepositions in -о from the bare one: %1").arg(prepositionVariant)};
}

void StressPageForms(const BuiltLexeme &lexeme, const QStringList &tags, std::vector<int> &accents,
                     PageFormStressCounts &counts)
{
    for (std::size_t i = 0; i < accents.size(); ++i) {
        const QString &word = lexeme.forms[i].word;
        const QString &formTags = tags[qsizetype(i)];
        SecondLocative(word, formTags, accents[i], counts.secondLocative);
        if (accents[i] > 0 || word.contains(u'ё'))
            continue;
        if (const int accent = ImperativeTe(lexeme, tags, accents, word, formTags))
            Set(accents[i], accent, counts.imperativeTe);
        else if (const int accent = SoftSignVariant(lexeme, tags, accents, word, formTags))
            Set(accents[i], accent, counts.softSignVariant);
        else if (const int accent = PoComparative(lexeme, tags, accents, word, formTags))
            Set(accents[i], accent, counts.poComparative);
        else if (const int accent = PrepositionVariant(lexeme, tags, accents, word, formTags))
            Set(accents[i], accent, counts.prepositionVariant);
    }
}

}  // namespace tornelis::formsdb
