#include "lexeme_rank.h"

#include "engine/other_forms.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>

namespace tornelis::formsdb {
namespace {

enum Fact : std::uint8_t { kProperName = 1, kAbbreviation = 2, kUsageMark = 4, kImpersonal = 8 };

template <std::size_t N>
bool HasAny(const QStringList &grammemes, const std::array<const char *, N> &wanted)
{
    return std::any_of(wanted.begin(), wanted.end(),
                       [&grammemes](const char *grammeme) { return grammemes.contains(QLatin1String(grammeme)); });
}

std::uint8_t FactsOf(const QString &tags)
{
    static const QRegularExpression separators(QStringLiteral("[ ,]"));
    const QStringList grammemes = tags.split(separators, Qt::SkipEmptyParts);
    std::uint8_t facts = 0;
    if (HasAny(grammemes, std::array<const char *, 6>{"Name", "Surn", "Patr", "Geox", "Orgn", "Trad"}))
        facts |= kProperName;
    if (HasAny(grammemes, std::array<const char *, 2>{"Abbr", "Init"}))
        facts |= kAbbreviation;
    if (HasUsageMark(tags))
        facts |= kUsageMark;
    if (HasAny(grammemes, std::array<const char *, 1>{"Impe"}))
        facts |= kImpersonal;
    return facts;
}

}  // namespace

LexemeRanker::LexemeRanker(const QStringList &tags)
{
    facts_.reserve(std::size_t(tags.size()));
    for (const QString &tag : tags)
        facts_.push_back(FactsOf(tag));
}

LexemeRank LexemeRanker::Rank(const BuiltLexeme &lexeme) const
{
    const auto facts = [this](const SourceForm &form) { return facts_.at(std::size_t(form.tagId)); };
    if (std::all_of(lexeme.forms.begin(), lexeme.forms.end(), [&](const SourceForm &form) { return facts(form) & kUsageMark; }))
        return LexemeRank::Marked;
    const std::uint8_t lemma = facts(lexeme.forms.at(lexeme.lemmaIndex));
    if (lemma & kAbbreviation)
        return LexemeRank::Abbreviation;
    if (lemma & kProperName)
        return LexemeRank::ProperName;
    if (lemma & kImpersonal)
        return LexemeRank::Impersonal;
    return LexemeRank::Standard;
}

}  // namespace tornelis::formsdb
