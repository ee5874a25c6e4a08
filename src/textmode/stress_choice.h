#pragma once

#include "engine/stress_lookup.h"

#include <QList>

#include <algorithm>
#include <optional>
#include <vector>

namespace tornelis {

// How a word of running text is written, which tells something of what it is.
enum class WordCase {
    Lower,              // лев: no proper name
    CapitalInSentence,  // «сказал Лев»: most likely a proper name
    Other,              // at the start of a sentence or a line, or in capitals
};

// Keeps the readings that match when any does; else keeps them all.
template <typename Predicate>
void KeepIfAny(QList<StressReading> &readings, Predicate matches)
{
    if (std::any_of(readings.cbegin(), readings.cend(), matches))
        readings.removeIf([&](const StressReading &reading) { return !matches(reading); });
}

// The few lexemes a writer seldom means beside a homograph (строчна́я of
// строчной), by their lemmas' numbers in one StressLookup.
class SeldomMeantLexemes {
public:
    explicit SeldomMeantLexemes(StressLookup &stress);
    bool Contains(const StressReading &reading) const;

private:
    struct Lexeme {
        int lemma;
        quint32 grammemes;  // every one of them
    };
    std::vector<Lexeme> lexemes_;
};

// The readings a word written so most likely has: a lower-case word drops
// its proper-name readings and a capitalised word inside a sentence keeps
// only those, when the others remain; then marked readings (archaic,
// informal, variants) give way to unmarked ones, and seldom-meant lexemes to
// the others.
QList<StressReading> LikelyReadings(QList<StressReading> readings, WordCase wordCase, const SeldomMeantLexemes &seldom);

// The accent all the readings agree on (0: no mark); nothing when there is
// no reading or they disagree. A reading of unknown stress (0) counts too:
// it may have the other stress.
std::optional<int> AgreedAccent(const QList<StressReading> &readings);

// Are the readings of a word all ones a writer seldom means: every one a
// proper name for a lower-case word, or every one marked?
bool AllRare(const QList<StressReading> &readings, WordCase wordCase);

}  // namespace tornelis
