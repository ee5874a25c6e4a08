#include "engine/part_of_speech.h"

#include "engine/nth_field.h"

#include <QStringList>

#include <array>
#include <utility>

namespace tornelis {
namespace {

using LabelRow = std::pair<const char16_t *, const char16_t *>;

constexpr std::array<LabelRow, 17> kLabels{{
    {u"NOUN", u"существительное"},
    {u"ADJF", u"прилагательное"},
    {u"ADJS", u"краткое прилагательное"},
    {u"COMP", u"компаратив"},
    {u"VERB", u"глагол"},
    {u"INFN", u"глагол (инфинитив)"},
    {u"PRTF", u"полное причастие"},
    {u"PRTS", u"краткое причастие"},
    {u"GRND", u"деепричастие"},
    {u"NUMR", u"числительное"},
    {u"ADVB", u"наречие"},
    {u"NPRO", u"местоимение"},
    {u"PRED", u"предикатив"},
    {u"PREP", u"предлог"},
    {u"CONJ", u"союз"},
    {u"PRCL", u"частица"},
    {u"INTJ", u"междометие"},
}};

// Lexemes a reader names otherwise than by their code: adjectives that
// school grammar counts as pronouns (тот, весь, наш) or as ordinal numerals
// (первый), and nouns that are abbreviations (США, в "век"), by the source's
// lexeme grammemes.
struct NamedLexeme {
    const char16_t *code;
    const char16_t *grammeme;
    const char16_t *label;
};

constexpr std::array<NamedLexeme, 3> kNamedLexemes{{
    {u"ADJF", u"Apro", u"местоимение"},
    {u"ADJF", u"Anum", u"числительное"},
    {u"NOUN", u"Abbr", u"аббревиатура"},
}};

// Pronominal adjectives of the source that school grammar names otherwise:
// один is a cardinal numeral, данный and остальной are adjectives.
struct NamedLemma {
    const char16_t *lemma;
    const char16_t *label;
};

constexpr std::array<NamedLemma, 3> kNamedLemmas{{
    {u"один", u"числительное"},
    {u"данный", u"прилагательное"},
    {u"остальной", u"прилагательное"},
}};

}  // namespace

QString PartOfSpeechLabel(const QString &tags, const QString &lemma)
{
    const QStringView code = QStringView(tags).left(4);
    if (code == u"ADJF") {
        for (const NamedLemma &named : kNamedLemmas) {
            if (lemma == QStringView(named.lemma))
                return QString::fromUtf16(named.label);
        }
    }
    const QStringList lexemeGroup = NthField(tags, 0, QStringLiteral(" ")).split(QLatin1Char(','));
    for (const NamedLexeme &named : kNamedLexemes) {
        if (code == QStringView(named.code) && lexemeGroup.contains(QStringView(named.grammeme)))
            return QString::fromUtf16(named.label);
    }
    for (const auto &[labelCode, label] : kLabels) {
        if (code == QStringView(labelCode))
            return QString::fromUtf16(label);
    }
    return {};
}

QString VerbLabel()
{
    return PartOfSpeechLabel(QStringLiteral("VERB"));
}

}  // namespace tornelis
