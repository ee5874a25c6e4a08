#include "lexeme_rank.h"

#include "engine/other_forms.h"
#include "yo_list.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>

namespace tornelis::formsdb {
namespace {

enum Fact : std::uint8_t { kProperName = 1, kAbbreviation = 2, kUsageMark = 4, kImpersonal = 8, kNoun = 16 };

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
    if (tags.startsWith(QLatin1String("NOUN")))
        facts |= kNoun;
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
    const SourceForm &lemmaForm = lexeme.forms.at(lexeme.lemmaIndex);
    const std::uint8_t lemma = facts(lemmaForm);
    if ((lemma & kNoun) && ((lemma & kAbbreviation) || lemmaForm.word.size() == 1))
        return LexemeRank::Letter;
    if (std::all_of(lexeme.forms.begin(), lexeme.forms.end(), [&](const SourceForm &form) { return facts(form) & kUsageMark; }))
        return LexemeRank::Marked;
    if (lemma & kAbbreviation)
        return LexemeRank::Abbreviation;
    if (lemma & kProperName)
        return LexemeRank::ProperName;
    if (lemma & kImpersonal)
        return LexemeRank::Impersonal;
    return LexemeRank::Standard;
}

LexemeRank LexemeRanker::RankOfReading(const BuiltLexeme &lexeme, LexemeRank lexemeRank, const QString &eWord) const
{
    std::uint8_t common = kAbbreviation | kUsageMark;
    for (const SourceForm &form : lexeme.forms) {
        if (WithoutYo(form.word) == eWord)
            common &= facts_.at(std::size_t(form.tagId));
    }
    const LexemeRank ofForms = (common & kUsageMark)      ? LexemeRank::Marked
                               : (common & kAbbreviation) ? LexemeRank::Abbreviation
                                                          : LexemeRank::Standard;
    return std::max(lexemeRank, ofForms);
}

LexemeFrequency::LexemeFrequency(const CorpusTagCounts &counts)
    : counts_(counts)
{
}

template <typename Visit>
void LexemeFrequency::ForEachCountedForm(const BuiltLexeme &lexeme, Visit visit) const
{
    QList<QPair<QString, int>> seen;
    for (const SourceForm &form : lexeme.forms) {
        const QString eWord = WithoutYo(form.word);
        const QList<CorpusTagCounts::Reading> *readings = counts_.Of(eWord);
        if (!readings)
            continue;
        for (const CorpusTagCounts::Reading &reading : *readings) {
            const QPair<QString, int> key{eWord, reading.tagId};
            if (reading.tagId == form.tagId && !seen.contains(key)) {
                seen.append(key);
                visit(key, reading.seen);
            }
        }
    }
}

void LexemeFrequency::Note(const BuiltLexeme &lexeme)
{
    ForEachCountedForm(lexeme, [this](const QPair<QString, int> &key, double) { ++sharers_[key]; });
}

double LexemeFrequency::Of(const BuiltLexeme &lexeme) const
{
    double occurrences = 0;
    ForEachCountedForm(lexeme, [&](const QPair<QString, int> &key, double count) {
        occurrences += count / std::max(1, sharers_.value(key));
    });
    return occurrences;
}

QHash<QString, double> LexemeFrequency::OfEachWord(const BuiltLexeme &lexeme) const
{
    QHash<QString, double> occurrences;
    for (const SourceForm &form : lexeme.forms) {
        const QString eWord = WithoutYo(form.word);
        if (counts_.Of(eWord))
            occurrences.insert(eWord, 0);
    }
    ForEachCountedForm(lexeme, [&](const QPair<QString, int> &key, double count) {
        occurrences[key.first] += count / std::max(1, sharers_.value(key));
    });
    return occurrences;
}

bool IsPreferredOfItsLemma(const BuiltLexeme &lexeme)
{
    // lemma, a form only the preferred lexeme has
    static const std::array<std::pair<const char16_t *, const char16_t *>, 1> preferred{{
        {u"муж", u"мужья"},  // husbands; мужи́ (men of note) is bookish
    }};
    const QString &lemma = lexeme.forms.at(lexeme.lemmaIndex).word;
    return std::any_of(preferred.begin(), preferred.end(), [&](const auto &entry) {
        return lemma == QStringView(entry.first) &&
               std::any_of(lexeme.forms.begin(), lexeme.forms.end(),
                           [&](const SourceForm &form) { return form.word == QStringView(entry.second); });
    });
}

}  // namespace tornelis::formsdb
