#pragma once

#include "lexeme_split.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace tornelis::formsdb {

// The order lexemes are numbered in, which is the order of a word's lemma
// tabs: the likely reading first.
enum class LexemeRank {
    Standard = 0,  // the ordinary lexemes of common words
    Impersonal,    // impersonal verbs (стоит as "it is worth")
    ProperName,    // names, surnames, patronymics, places, organisations
    Abbreviation,  // abbreviations and initials (СТО)
    Marked,        // every form archaic, informal, slang, vulgar, distorted or erroneous
};
inline constexpr int kLexemeRanks = 5;

// Ranks built lexemes by the tags of their forms, each tag looked at once.
class LexemeRanker {
public:
    explicit LexemeRanker(const QStringList &tags);

    LexemeRank Rank(const BuiltLexeme &lexeme) const;

private:
    std::vector<std::uint8_t> facts_;  // per tag id: what its grammemes say
};

}  // namespace tornelis::formsdb
