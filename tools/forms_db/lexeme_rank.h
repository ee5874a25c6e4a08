#pragma once

#include "corpus_tag_counts.h"
#include "lexeme_split.h"

#include <QHash>

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
    Letter,        // a letter's name or an abbreviated noun (в, и, с as nouns): after every full word
};
inline constexpr int kLexemeRanks = 6;

// Ranks built lexemes by the tags of their forms, each tag looked at once.
class LexemeRanker {
public:
    explicit LexemeRanker(const QStringList &tags);

    LexemeRank Rank(const BuiltLexeme &lexeme) const;

    // The rank of the lexeme's reading of a word (written with е): the
    // lexeme's own, or a later one when every form of the lexeme spelled so is
    // an abbreviation (порт of португальский) or usage-marked.
    LexemeRank RankOfReading(const BuiltLexeme &lexeme, LexemeRank lexemeRank, const QString &eWord) const;

private:
    std::vector<std::uint8_t> facts_;  // per tag id: what its grammemes say
};

// How often a reader meets a lexeme: the corpus occurrences of its forms, an
// occurrence read with a tag that several lexemes give the form split evenly
// between them. Every lexeme is noted first, so that the sharing is known.
class LexemeFrequency {
public:
    explicit LexemeFrequency(const CorpusTagCounts &counts);

    void Note(const BuiltLexeme &lexeme);
    double Of(const BuiltLexeme &lexeme) const;
    // The occurrences of each word of the lexeme that the corpus has (written
    // with е) read as this lexeme; a word the corpus reads otherwise only, 0.
    QHash<QString, double> OfEachWord(const BuiltLexeme &lexeme) const;

private:
    // Each (form written with е, tag id) of the lexeme that the corpus has, once.
    template <typename Visit>
    void ForEachCountedForm(const BuiltLexeme &lexeme, Visit visit) const;

    const CorpusTagCounts &counts_;
    QHash<QPair<QString, int>, int> sharers_;
};

// The everyday lemmas of several lexemes that the corpus cannot tell apart
// (its tags are the same): the lexeme with the given form comes first.
bool IsPreferredOfItsLemma(const BuiltLexeme &lexeme);

}  // namespace tornelis::formsdb
