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

// Adjectives that school grammar counts as pronouns (тот, весь, наш) or as
// ordinal numerals (первый), by the source's lexeme grammemes.
constexpr std::array<LabelRow, 2> kSchoolAdjectiveLabels{{
    {u"Apro", u"местоимение"},
    {u"Anum", u"числительное"},
}};

}  // namespace

QString PartOfSpeechLabel(const QString &tags)
{
    const QStringView code = QStringView(tags).left(4);
    if (code == u"ADJF") {
        const QStringList lexemeGroup = NthField(tags, 0, QStringLiteral(" ")).split(QLatin1Char(','));
        for (const auto &[grammeme, label] : kSchoolAdjectiveLabels) {
            if (lexemeGroup.contains(QString::fromUtf16(grammeme)))
                return QString::fromUtf16(label);
        }
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
